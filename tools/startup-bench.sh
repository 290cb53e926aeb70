#!/bin/sh
# Start-up of the game against a bare Qt window of the same shape, under Xvfb: the median time
# from launch until the window is mapped, and the median peak memory, over ten runs of each,
# taken alternately. Run twice: with the default word list and with the largest one chosen; then,
# for each locale LANGS names, the game in that language against the game in English.
#   [LANGS="de_DE.UTF-8 ar_EG.UTF-8"] tools/startup-bench.sh [BUILD_DIR]
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
sh tools/install-deps.sh startup
cmake --build "$build" --target gibbetry gibbetry-bare-window >/dev/null
exec xvfb-run -a -s "-screen 0 1280x1024x24" sh tools/startup-bench-inner.sh "$build"
