#!/usr/bin/env bash
# Takes docs/screenshot.png from the real program in Xvfb: a picture chosen,
# dealt, and one tile moved.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing_packages
build_release -DBUILD_TESTING=ON
cmake --build "$BUILD" --target vennaro-xwd-to-png

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$BUILD/vennaro" &
game=$!
window=$(timeout 10 xdotool search --sync --class vennaro | tail -n 1)
read -r left top < <(xdotool getwindowgeometry --shell "$window" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}')
xdotool windowfocus --sync "$window"
# Into the list's text field, Down chooses the first picture; Alt+S deals.
xdotool mousemove $((left + 1 + 420)) $((top + 1 + 109)) click 1 key Down
sleep 0.3
xdotool key alt+s
sleep 0.5
xdotool mousemove $((left + 1 + 16 + 78 * 3 + 39)) $((top + 1 + 16 + 92 * 3 + 46))
sleep 0.3
mkdir -p "$REPO/docs"
xwd -id "$window" -silent | "$BUILD/tests/e2e/vennaro-xwd-to-png" "$REPO/docs/screenshot.png"
kill "$game"
echo "Wrote docs/screenshot.png"
