#!/bin/sh
# The Debian package as a packager sees it: built by debian/rules from a copy of the source, then
# lintian --pedantic must report nothing but the one override (the word lists, which are data).
# Skipped (77) without lintian or debhelper. Usage: package_test.sh SOURCE_DIR WORK_DIR
set -u
source=$1
work=$2
command -v lintian >/dev/null 2>&1 || { echo "SKIP: lintian is not installed"; exit 77; }
command -v dh >/dev/null 2>&1 || { echo "SKIP: debhelper is not installed"; exit 77; }
root=""
if [ "$(id -u)" -ne 0 ]; then
    command -v fakeroot >/dev/null 2>&1 || { echo "SKIP: fakeroot is not installed"; exit 77; }
    root=fakeroot
fi

rm -rf "$work"
mkdir -p "$work/src" "$work/out"
# The source as it stands, without any build tree: what git tracks or would track.
if git -C "$source" rev-parse >/dev/null 2>&1; then
    (cd "$source" && git ls-files -co --exclude-standard -z | xargs -0 cp --parents -t "$work/src")
else
    (cd "$source" && tar --exclude='./build*' --exclude=./debian/gibbetry -cf - .) | tar -xf - -C "$work/src"
fi
(cd "$work/src" && $root debian/rules binary DEB_OUT="$work/out") >"$work/build.log" 2>&1 ||
    { tail -n 40 "$work/build.log"; echo "FAIL: the package did not build"; exit 1; }
deb=$(ls "$work"/out/gibbetry_*.deb)

failed=0
fail() { echo "FAIL: $1"; failed=1; }
lintian --pedantic --display-level '>=pedantic' --show-overrides "$deb" >"$work/lintian.log" 2>&1
cat "$work/lintian.log"
grep -E '^[EWIPX]: ' "$work/lintian.log" && fail "lintian reports a tag"
grep -q '^O: .*package-contains-documentation-outside-usr-share-doc' "$work/lintian.log" ||
    fail "the word lists' override is not in use"
for file in ./usr/games/gibbetry ./usr/share/man/man6/gibbetry.6.gz ./usr/share/doc/gibbetry/copyright \
    ./usr/share/doc/gibbetry/changelog.gz "./usr/share/gibbetry/words/SmarterKid 1.txt"; do
    dpkg-deb -c "$deb" | grep -qF " $file" || fail "$file is not in the package"
done
dpkg-deb -f "$deb" Recommends | grep -q qt6-wayland || fail "qt6-wayland is not recommended"
[ $failed -eq 0 ] && echo "package: lintian clean but the override"
exit $failed
