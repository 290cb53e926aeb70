#!/bin/sh
# The measuring half of startup-bench.sh, run inside Xvfb.
set -eu
build=$1
runs=${RUNS:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

now_ms() { date +%s%N | cut -c1-13; }

# measure NAME TITLE COMMAND...: one run; appends "ms kb" to $work/NAME. One X client, xev,
# watches the root window and a blocking read of its output catches the first map, so that
# the measuring adds no polling to the server being timed.
measure() {
    name=$1 title=$2
    shift 2
    rm -f "$work/events"
    mkfifo "$work/events"
    xev -root -event substructure >"$work/events" 2>/dev/null &
    watcher=$!
    exec 3<"$work/events"
    # xev prints nothing until an event; give it time to connect and select its events.
    sleep 0.3
    start=$(now_ms)
    /usr/bin/time -f %M -o "$work/rss" "$@" >"$work/out" 2>&1 &
    pid=$!
    if ! timeout 20 grep -q -m 1 MapNotify <&3; then
        echo "$title did not appear within 20 s; it said:" >&2
        cat "$work/out" >&2
        pkill -KILL -P "$pid" || true
        kill "$watcher" 2>/dev/null || true
        exit 1
    fi
    mapped=$(now_ms)
    exec 3<&-
    kill "$watcher" 2>/dev/null || true
    wait "$watcher" 2>/dev/null || true
    pkill -TERM -P "$pid" || true
    wait "$pid" 2>/dev/null || true
    # time(1) reports the signal on a line of its own before the peak RSS.
    echo "$((mapped - start)) $(tail -n 1 "$work/rss")" >>"$work/$name"
}

median() { # median of column $2 of file $1
    sort -n -k"$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

report() { # report LABEL
    g_ms=$(median "$work/game" 1) b_ms=$(median "$work/bare" 1)
    g_kb=$(median "$work/game" 2) b_kb=$(median "$work/bare" 2)
    echo "$1: game ${g_ms} ms, ${g_kb} KiB; bare window ${b_ms} ms, ${b_kb} KiB;" \
        "ratio $(echo "scale=3; $g_ms / $b_ms" | bc) time, $(echo "scale=3; $g_kb / $b_kb" | bc) memory"
}

for list in default largest; do
    rm -f "$work/game" "$work/bare"
    config="$work/config-$list"
    mkdir -p "$config/Gibbetry"
    if [ "$list" = largest ]; then
        printf '[Settings]\nlstWordSource=0\n' >"$config/Gibbetry/Gibbetry.conf"
    fi
    i=0
    while [ "$i" -lt "$runs" ]; do
        XDG_CONFIG_HOME="$config" measure game Gibbetry "$build/gibbetry"
        measure bare "Bare window" "$build/gibbetry-bare-window"
        i=$((i + 1))
    done
    report "$list list"
done

# The game in another language against the game in English, taken alternately: LANGS lists the
# locales to try ("de_DE.UTF-8 ar_EG.UTF-8"); none by default.
for lang in ${LANGS:-}; do
    rm -f "$work/game" "$work/bare"
    config="$work/config-default"
    i=0
    while [ "$i" -lt "$runs" ]; do
        XDG_CONFIG_HOME="$config" LC_ALL= LANGUAGE= LANG="$lang" measure game Gibbetry "$build/gibbetry"
        XDG_CONFIG_HOME="$config" LC_ALL= LANGUAGE= LANG=C.UTF-8 measure bare Gibbetry "$build/gibbetry"
        i=$((i + 1))
    done
    g_ms=$(median "$work/game" 1) b_ms=$(median "$work/bare" 1)
    g_kb=$(median "$work/game" 2) b_kb=$(median "$work/bare" 2)
    echo "$lang: ${g_ms} ms, ${g_kb} KiB; English ${b_ms} ms, ${b_kb} KiB;" \
        "ratio $(echo "scale=3; $g_ms / $b_ms" | bc) time, $((g_kb - b_kb)) KiB more memory"
done
