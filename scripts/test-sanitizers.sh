#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer, runs the unit
# and widget tests under them, then plays a short session of the real program
# in a virtual display and checks that it ends with no sanitizer report, leaks
# included. The session runs as on a desktop, with a session bus: where none
# runs, libdbus tries to launch one for Qt's accessibility bridge, and leaks
# 1 KiB when that fails.
#
#   scripts/test-sanitizers.sh [BUILD_DIR]   (default build/asan)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/harness.bash
enter_virtual_desktop 120 "$@"

build=${1:-build/asan}
require_programs cmake ninja g++ xdotool

scratch=$(mktemp -d)
game_pid=
cleanup() {
    [[ -n "$game_pid" ]] && kill "$game_pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan-suppressions.txt:print_suppressions=0

# A leak check that cannot see leaks here (under ptrace, say) would pass
# anything: first make sure it catches a plain one.
printf '#include <cstdlib>\nint main() { void *volatile lost = std::malloc(64); lost = nullptr; }\n' >"$scratch/leak.cpp"
g++ -fsanitize=address,undefined -o "$scratch/leak" "$scratch/leak.cpp"
if "$scratch/leak" 2>"$scratch/leak.log" || ! grep -q 'ERROR: LeakSanitizer' "$scratch/leak.log"; then
    echo "FAILED: LeakSanitizer does not report a known leak on this machine" >&2
    cat "$scratch/leak.log" >&2
    exit 1
fi
echo "ok: LeakSanitizer reports a known leak"

configure_build "$build" -DCMAKE_BUILD_TYPE=Debug -DVENNARO_SANITIZE=address,undefined -DBUILD_TESTING=ON
cmake --build "$build" -j2
ctest --test-dir "$build" -L 'unit|widget' -j2 --output-on-failure --no-tests=error

reports=$scratch/sanitizer
export ASAN_OPTIONS="$ASAN_OPTIONS:log_path=$reports"
export UBSAN_OPTIONS="$UBSAN_OPTIONS:log_path=$reports"
QT_QPA_PLATFORM=xcb "$build/vennaro" &
game_pid=$!
window=$(wait_for_window "$game_pid" 120)
echo "ok: window $window mapped"

# other_window SECONDS: prints the first mapped window of the game other than
# its main window to appear within SECONDS; fails if none does.
other_window() {
    local deadline=$((SECONDS + $1)) id
    while ((SECONDS < deadline)); do
        for id in $(visible_windows "$game_pid"); do
            if [[ "$id" != "$window" ]]; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.2
    done
    return 1
}

# Keys sent right after the focus change can reach Qt before it has taken the
# focus in, and go astray: seen with no pause, never with half a second.
press() {
    xdotool windowfocus --sync "$1"
    sleep 0.5
    xdotool key "${@:2}"
}

# The list has the focus: Down chooses the first picture, Alt+S deals and
# leaves the focus where it was, and Shift+Tab takes it back to the last tile
# box in the tab order, the second of the top row.
press "$window" Down
press "$window" alt+s
press "$window" shift+Tab Left
# Space twice on every box, along a snake from the top left: the first
# neighbour of the hole reached moves, and a second Space on a box that has
# just moved, now the hole, is refused.
moves=0
refusals=0
for step in - Right Right Right Down Left Left Left Down Right Right Right Down Left Left Left; do
    [[ "$step" == - ]] || press "$window" "$step"
    for _ in 1 2; do
        press "$window" space
        # A box that cannot move brings up a message box; one that can does not.
        if refusal=$(other_window 2); then
            press "$refusal" Return
            refusals=$((refusals + 1))
        else
            moves=$((moves + 1))
        fi
    done
done
echo "pressed 16 boxes twice: $moves moved, $refusals refused"
if ((moves == 0 || refusals == 0)); then
    echo "FAILED: a started game both moves and refuses some of 32 presses" >&2
    exit 1
fi
press "$window" alt+v
press "$window" alt+x
question=$(other_window 30) || {
    echo "FAILED: no question after Alt+X" >&2
    exit 1
}
press "$question" Return

status=0
wait "$game_pid" || status=$?
game_pid=
shopt -s nullglob
logs=("$reports".*)
if ((status != 0 || ${#logs[@]})); then
    echo "FAILED: the session ended with status $status and ${#logs[@]} sanitizer report(s)" >&2
    ((${#logs[@]})) && cat "${logs[@]}" >&2
    exit 1
fi
echo "test-sanitizers: unit and widget tests clean; the session exited 0 with no sanitizer or leak report"
