#!/usr/bin/env bash
# Measures the game's start-up against a bare Qt window of the same size and
# flags: from process start to the window mapped and painted, and the peak
# resident memory once painted, as seen from outside by vennaro-startup-probe.
# The game runs in English, and again in French to weigh its translation.
# Prints the medians side by side with their ratios. Measures only: it fails
# when a program cannot be measured, never on the figures.
#
#   scripts/measure-startup.sh [BUILD_DIR [RUNS]]   (default build/release, 15)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/harness.bash
enter_virtual_desktop 130 "$@"

build=${1:-build/release}
runs=${2:-15}

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

measure() {
    local name=$1
    shift
    QT_QPA_PLATFORM=xcb LANGUAGE=${language:-en} "$probe" "$settle_ms" "$@" >>"$results/$name"
}

# One unrecorded start each, so that both find their libraries in the cache.
measure warm-up "$game"
measure warm-up "$bare"
for ((run = 1; run <= runs; run++)); do
    # Alternate which goes first, so none always follows another.
    if ((run % 2)); then
        measure game "$game"
        language=fr measure french "$game"
        measure bare "$bare"
        measure text "$bare" --text
    else
        measure text "$bare" --text
        measure bare "$bare"
        language=fr measure french "$game"
        measure game "$game"
    fi
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
awk -v f="$(median french 2)" -v g="$(median game 2)" -v fm="$(median french 3)" -v gm="$(median game 3)" \
    'BEGIN { printf "in French: painted %.1f ms, %.3f of English (goal <= 1.03); peak %.1f KiB, %.3f of English\n", f, f / g, fm, fm / gm }'
echo "all runs (mapped ms, painted ms, peak KiB): game | game in French | bare | bare+text"
paste -d'|' "$results/game" "$results/french" "$results/bare" "$results/text" | sed 's/^/  /; s/|/ | /g' 
