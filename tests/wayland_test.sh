#!/bin/sh
# The game on a Wayland compositor: a headless weston, Qt's wayland plugin. The real game must keep
# running, name itself by the desktop entry's id and ask for one fixed size; test_wayland asks
# every window to maximise and checks that it stays as it is. Skipped (77) without weston or the
# plugin. Usage: wayland_test.sh GAME TEST_WAYLAND WORK_DIR APP_ID
set -u
game=$1
test_binary=$2
work=$3
app_id=$4

command -v weston >/dev/null 2>&1 || { echo "SKIP: weston is not installed"; exit 77; }
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
ls "$plugins"/platforms/libqwayland-*.so >/dev/null 2>&1 ||
    { echo "SKIP: Qt's wayland plugin (qt6-wayland) is not installed"; exit 77; }

rm -rf "$work"
mkdir -p "$work/config"
# The compositor's socket path must fit in 108 bytes: a short folder in /tmp, never the build tree
# (nor a TMPDIR that may be as long).
runtime=$(mktemp -d /tmp/gibbetry-wl.XXXXXX) || exit 1
export XDG_RUNTIME_DIR="$runtime" XDG_CONFIG_HOME="$work/config"
export WAYLAND_DISPLAY=gibbetry-test QT_QPA_PLATFORM=wayland
unset DISPLAY
# Under the sanitizers (make check): what Qt's Wayland client keeps to the end is not ours. Whole
# stacks, so that a block made by a plugin unloaded at exit is still traced to its caller.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp:fast_unwind_on_malloc=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
    >"$work/weston.log" 2>&1 &
weston_pid=$!
trap 'kill $weston_pid 2>/dev/null; wait $weston_pid 2>/dev/null; rm -rf "$runtime"' EXIT
tries=0
until [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; do
    tries=$((tries + 1))
    [ $tries -gt 100 ] && { echo "FAIL: weston did not start"; cat "$work/weston.log"; exit 1; }
    sleep 0.1
done

failed=0
fail() { echo "FAIL: $1"; failed=1; }

# The real game, for four seconds: still running when stopped (124), its protocol traffic kept.
WAYLAND_DEBUG=1 timeout 4 "$game" >"$work/game.log" 2>&1
status=$?
[ $status -eq 124 ] || fail "the game exited with status $status"
grep -q "set_app_id(\"$app_id\")" "$work/game.log" || fail "app id is not $app_id"
min=$(grep -o 'set_min_size([0-9]*, [0-9]*)' "$work/game.log" | tail -n 1 | tr -dc '0-9,')
max=$(grep -o 'set_max_size([0-9]*, [0-9]*)' "$work/game.log" | tail -n 1 | tr -dc '0-9,')
[ -n "$min" ] && [ "$min" = "$max" ] || fail "minimum size ($min) is not the maximum ($max)"
echo "game: app id $app_id, fixed size $min"

WAYLAND_DEBUG=1 "$test_binary" >"$work/test.log" 2>&1 || { fail "test_wayland failed"; grep -v '^\[' "$work/test.log"; }
if grep -qE 'protocol error|does not match the configured' "$work/game.log" "$work/test.log"; then
    fail "a Wayland protocol error"
    grep -hE 'protocol error|does not match the configured' "$work/game.log" "$work/test.log"
fi
grep -q 'set_parent(xdg_toplevel@' "$work/test.log" || fail "no dialog was made a child of the game window"
grep -E '^(PASS|FAIL|SKIP|Totals)' "$work/test.log"
exit $failed
