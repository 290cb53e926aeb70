#!/bin/sh
# Installs the build into a staging folder and starts the installed game from another directory:
# it must find its word lists through its own location. A copy of the binary with no data beside
# it must say that it could not read its list, or the first check would prove nothing.
# Usage: install_test.sh BUILD_DIR WORK_DIR [BINDIR, bin unless given]
set -u
build=$1
work=$2
stage=$work/stage
game=$stage/${3:-bin}/gibbetry
passed=0
failed=0
check() { # check NAME COMMAND...
    name=$1
    shift
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $name"; fi
}

rm -rf "$work"
mkdir -p "$work/elsewhere" "$work/config" "$work/bare"
cmake --install "$build" --prefix "$stage" >"$work/install.log" 2>&1 || { cat "$work/install.log"; exit 1; }

check "binary installed" test -x "$game"
for list in "Australian English Dictionary" "Ogden's Basic English Words" "SmarterKid 1" \
    "SmarterKid 2" "SmarterKid 3" "SmarterKid 4" "SmarterKid 5"; do
    check "word list $list" test -s "$stage/share/gibbetry/words/$list.txt"
done
check "manual page" test -s "$stage/share/man/man6/gibbetry.6"
check "SCOWL notice" test -s "$stage/share/gibbetry/words/SCOWL-COPYRIGHT"
for size in 16 32 48 64 128 256; do
    check "icon $size" test -s "$stage/share/icons/hicolor/${size}x$size/apps/org.example.gibbetry.Gibbetry.png"
done
check "scalable icon" test -s "$stage/share/icons/hicolor/scalable/apps/org.example.gibbetry.Gibbetry.svg"

# Runs a binary offscreen for two seconds from $work/elsewhere; its stderr goes to $1.log.
run() {
    (cd "$work/elsewhere" && XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=offscreen \
        "$2" >"$1.log" 2>&1) &
    pid=$!
    sleep 2
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        wait "$pid" 2>/dev/null
        return 0
    fi
    echo "the game ended early:"
    cat "$1.log"
    return 1
}

check "installed game keeps running" run "$work/installed" "$game"
check "installed game found its list" sh -c "! grep -q 'could not be read' '$work/installed.log'"
cp "$game" "$work/bare/gibbetry"
check "a lone binary runs" run "$work/bare-run" "$work/bare/gibbetry"
check "a lone binary says what it lacks" grep -q "could not be read" "$work/bare-run.log"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
