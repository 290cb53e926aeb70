#!/bin/sh
# Installs the Debian 12 packages a make target needs, when any is missing: with apt-get as root,
# through sudo otherwise, or prints the apt-get line and stops. Without an argument, what building
# and running the game needs (make run); with one (test, package, bench, fuzz, startup), also what
# that target needs; with "words", the Debian data that tools/word-lists/make-word-lists.mjs reads
# (it also needs Node.js with npm).
set -eu

PACKAGES="cmake ninja-build g++ make qt6-base-dev qt6-qpa-plugins libgl-dev qt6-tools-dev \
qt6-l10n-tools gettext \
fonts-liberation2 fonts-comic-neue"
# The window, install and metadata tests: a headless Weston with Qt's plugin, the validators, the
# Adwaita style the dialogs' captions are measured under.
TEST_PACKAGES="weston qt6-wayland desktop-file-utils appstream adwaita-qt6 \
fonts-wqy-microhei fonts-dejavu-core"
case "${1:-}" in
test) PACKAGES="$PACKAGES $TEST_PACKAGES" ;;
# dpkg-buildpackage with the Build-Depends of debian/control, then lintian on its output.
# dpkg-checkbuilddeps also asks for build-essential itself, which nothing here depends on.
package) PACKAGES="$PACKAGES $TEST_PACKAGES build-essential dpkg-dev debhelper lintian" ;;
bench) PACKAGES="$PACKAGES libbenchmark-dev" ;;
fuzz) PACKAGES="$PACKAGES clang libclang-rt-14-dev" ;;
startup) PACKAGES="$PACKAGES xvfb xauth x11-utils time bc procps" ;;
words) PACKAGES="$PACKAGES scowl wordnet-base" ;;
esac

missing=""
for package in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

line="apt-get install -y --no-install-recommends$missing"
if [ "$(id -u)" -eq 0 ]; then
    echo "Installing:$missing"
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive $line
elif command -v sudo >/dev/null 2>&1; then
    echo "Installing with sudo:$missing"
    sudo apt-get update -q
    sudo DEBIAN_FRONTEND=noninteractive $line
else
    echo "Gibbetry needs these Debian packages:$missing" >&2
    echo "Install them as root with: apt-get update && $line" >&2
    exit 1
fi
