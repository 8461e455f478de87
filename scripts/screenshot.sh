#!/usr/bin/env bash
# Takes docs/screenshot.png from the real program in Xvfb: a picture chosen
# and dealt.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing_packages
build_release -DBUILD_TESTING=ON
cmake --build "$BUILD" --target vennaro-xwd-to-png

trap stop_xvfb EXIT
start_xvfb
"$BUILD/vennaro" &
game=$!
window=$(wait_for_window "$game" 10)
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool windowfocus --sync "$window"
# Into the list's text field, Down chooses the first picture; Alt+S deals.
xdotool mousemove $((X + 1 + 420)) $((Y + 1 + 109)) click 1 key Down
sleep 0.3
xdotool key alt+s
sleep 0.5
mkdir -p docs
xwd -id "$window" -silent | "$BUILD/tests/e2e/vennaro-xwd-to-png" docs/screenshot.png
kill "$game"
echo "Wrote docs/screenshot.png"
