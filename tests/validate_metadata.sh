#!/bin/sh
# The desktop entry and the AppStream metadata as Debian's validators see them.
set -u
dir=$1
id=org.example.gibbetry.Gibbetry
failed=0
desktop-file-validate "$dir/$id.desktop" || failed=1
appstreamcli validate --no-net "$dir/$id.metainfo.xml" || failed=1
[ "$failed" -eq 0 ] && echo "2 passed, 0 failed" || echo "validation failed"
exit "$failed"
