#!/bin/sh
# Builds the Debian package with dpkg-buildpackage from a copy of the source in WORK_DIR/gibbetry,
# so that the .deb, .buildinfo and .changes land in WORK_DIR, beside the copy, as Debian puts
# them, and never beside the checkout. Options after WORK_DIR go to dpkg-buildpackage (-b: the
# binary package alone). The build's output is in WORK_DIR/build.log.
# Usage: build-package.sh SOURCE_DIR WORK_DIR [dpkg-buildpackage options]
set -u
source=$1
work=$2
shift 2

rm -rf "$work/gibbetry"
mkdir -p "$work/gibbetry"
# The source as it stands, without any build tree: what git tracks or would track.
if git -C "$source" rev-parse >/dev/null 2>&1; then
    (cd "$source" && git ls-files -co --exclude-standard -z | xargs -0 cp --parents -t "$work/gibbetry")
else
    (cd "$source" && tar --exclude='./build*' --exclude=./debian/gibbetry -cf - .) |
        tar -xf - -C "$work/gibbetry"
fi
(cd "$work/gibbetry" && dpkg-buildpackage -us -uc "$@") >"$work/build.log" 2>&1 ||
    { tail -n 40 "$work/build.log"; echo "the package did not build; see $work/build.log" >&2; exit 1; }
ls "$work"/gibbetry_*
