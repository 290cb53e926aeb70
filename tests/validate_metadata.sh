#!/bin/sh
# The desktop entry and the AppStream metadata as Debian's validators see them.
set -u
dir=$1
id=org.example.gibbetry.Gibbetry
failed=0
desktop-file-validate "$dir/$id.desktop" || failed=1
for key in TryExec=gibbetry StartupNotify=true StartupWMClass=Gibbetry 'Categories=.*Qt;'; do
    grep -q "^$key" "$dir/$id.desktop" || { echo "the desktop entry lacks $key"; failed=1; }
done
appstreamcli validate --pedantic --no-net "$dir/$id.metainfo.xml" >"${TMPDIR:-/tmp}/appstream.$$" 2>&1 || failed=1
# Pedantic too, but for the capital letter the reverse-DNS id keeps from the program's name.
if grep -E '^[EWIP]:' "${TMPDIR:-/tmp}/appstream.$$" | grep -v cid-contains-uppercase-letter; then failed=1; fi
rm -f "${TMPDIR:-/tmp}/appstream.$$"
[ "$failed" -eq 0 ] && echo "2 passed, 0 failed" || echo "validation failed"
exit "$failed"
