#!/bin/sh
# Renders the program's icon (resources/gibbetry.svg) at the sizes the desktop asks for. Run by a
# developer after changing the SVG (needs Debian's librsvg2-bin); the build uses the PNGs as they
# are committed.
set -eu
cd "$(dirname "$0")/../resources"
for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" gibbetry.svg -o "icons/gibbetry-$size.png"
done
