#!/usr/bin/env bash
# Measures the game's start-up against a bare Qt window of the same size and
# flags: from process start to the window mapped and painted, and the peak
# resident memory once painted, as seen from outside by vennaro-startup-probe.
# The game runs in English, and again in each LOCALE set as a desktop in that
# language sets it, in LANG alone, to weigh its translation and fonts. Prints the
# medians side by side with their ratios. Measures only: it fails when a
# program cannot be measured, never on the figures.
#
#   scripts/measure-startup.sh [BUILD_DIR [RUNS [LOCALE...]]]   (default build/release, 15, fr_FR.UTF-8)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/harness.bash
enter_virtual_desktop 130 "$@"

build=${1:-build/release}
runs=${2:-15}
languages=("${@:3}")
((${#languages[@]})) || languages=(fr_FR.UTF-8)

# The yardsticks come with the benchmarks.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVENNARO_BENCHMARKS=ON
cmake --build "$build" -j2 --target vennaro vennaro-bare-window vennaro-startup-probe

results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

probe=$build/bench/startup/vennaro-startup-probe
game=$build/vennaro
bare=$build/bench/startup/vennaro-bare-window
# Memory is read this long after the first paint, once the event loop has
# settled.
settle_ms=300

# measure NAME LOCALE PROGRAM...
measure() {
    env -u LC_ALL -u LC_MESSAGES -u LC_CTYPE -u LANGUAGE QT_QPA_PLATFORM=xcb LANG=$2 "$probe" "$settle_ms" "${@:3}" >>"$results/$1"
}

starts=("game en_US.UTF-8 $game" "bare en_US.UTF-8 $bare" "text en_US.UTF-8 $bare --text")
for language in "${languages[@]}"; do
    starts+=("$language $language $game")
done
# One unrecorded start each, so that all find their libraries in the cache.
for start in "${starts[@]}"; do
    measure warm-up ${start#* }
done
for ((run = 1; run <= runs; run++)); do
    # Alternate the order, so none always follows another.
    for ((i = 0; i < ${#starts[@]}; i++)); do
        measure ${starts[run % 2 ? i : ${#starts[@]} - 1 - i]}
    done
done

median() {
    cut -d' ' -f"$2" "$results/$1" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "median of $runs runs each, Xvfb $DISPLAY, memory read ${settle_ms} ms after the first paint"
printf '%-24s %10s %10s %10s %8s %8s %10s\n' "" game bare "bare+text" ratio goal "vs text"
row() {
    local game_value bare_value text_value
    game_value=$(median game "$2")
    bare_value=$(median bare "$2")
    text_value=$(median text "$2")
    awk -v name="$1" -v g="$game_value" -v b="$bare_value" -v t="$text_value" -v goal="$3" \
        'BEGIN { printf "%-24s %10.1f %10.1f %10.1f %8.3f %8s %10.3f\n", name, g, b, t, g / b, goal, g / t }'
}
row "window mapped (ms)" 1 ""
row "window painted (ms)" 2 "<= 1.15"
row "peak resident (KiB)" 3 "<= 1.2"
for language in "${languages[@]}"; do
    awk -v l="$language" -v f="$(median "$language" 2)" -v g="$(median game 2)" -v fm="$(median "$language" 3)" -v gm="$(median game 3)" \
        'BEGIN { printf "in %s: painted %.1f ms, %.3f of English (goal <= 1.1); peak %.1f KiB, %.3f of English\n", l, f, f / g, fm, fm / gm }'
done
echo "all runs (mapped ms, painted ms, peak KiB): game | bare | bare+text | ${languages[*]}"
paste -d'|' "$results/game" "$results/bare" "$results/text" "${languages[@]/#/$results/}" | sed 's/^/  /; s/|/ | /g'

