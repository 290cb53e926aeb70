#!/bin/sh
# The Debian package as a packager and the archive see it: dpkg-buildpackage -us -uc (source and
# binary, the unit tests in dh_auto_test) on a copy of the source, then lintian --pedantic on the
# .changes must report nothing but the one override (the word lists, which are data).
# Skipped (77) without lintian, debhelper or dpkg-buildpackage.
# Usage: package_test.sh SOURCE_DIR WORK_DIR
set -u
source=$1
work=$2
for tool in lintian dh dpkg-buildpackage; do
    command -v $tool >/dev/null 2>&1 || { echo "SKIP: $tool is not installed"; exit 77; }
done

rm -rf "$work"
sh "$source/tools/build-package.sh" "$source" "$work" || { echo "FAIL: the package did not build"; exit 1; }
changes=$(ls "$work"/gibbetry_*.changes)
deb=$(ls "$work"/gibbetry_*.deb | grep -v dbgsym)

failed=0
fail() { echo "FAIL: $1"; failed=1; }
lintian --pedantic --display-level '>=pedantic' --show-overrides "$changes" >"$work/lintian.log" 2>&1
cat "$work/lintian.log"
grep -E '^[EWIPXC]: ' "$work/lintian.log" && fail "lintian reports a tag"
grep -q '^O: .*package-contains-documentation-outside-usr-share-doc' "$work/lintian.log" ||
    fail "the word lists' override is not in use"
for file in gibbetry_*.dsc gibbetry_*.tar.xz gibbetry_*.buildinfo gibbetry-dbgsym_*.deb; do
    ls "$work"/$file >/dev/null 2>&1 || fail "dpkg-buildpackage made no $file"
done
grep -q 'Start .*test_game' "$work/build.log" || fail "dh_auto_test ran no unit test"
dpkg-deb -c "$deb" >"$work/contents"
for file in ./usr/games/gibbetry ./usr/share/man/man6/gibbetry.6.gz ./usr/share/doc/gibbetry/copyright \
    ./usr/share/doc/gibbetry/changelog.gz \
    ./usr/share/doc/gibbetry/README.md.gz "./usr/share/gibbetry/words/SmarterKid 1.txt"; do
    grep -qF " $file" "$work/contents" || fail "$file is not in the package"
done
dpkg-deb -f "$deb" Recommends | grep -q qt6-wayland || fail "qt6-wayland is not recommended"
dpkg-deb -f "$deb" Recommends | grep -q qt6-translations-l10n || fail "Qt's catalogues are not recommended"
# The desktop entry as installed carries every language's texts.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/org.example.gibbetry.Gibbetry.desktop \
    >"$work/entry" || fail "the package has no desktop entry"
for language in de ar zh_CN; do
    grep -q "^Comment\[$language\]=" "$work/entry" || fail "the desktop entry has no $language comment"
done
[ $failed -eq 0 ] && echo "package: lintian clean but the override"
exit $failed
