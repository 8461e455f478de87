#!/usr/bin/env bash
# Runs a command on a virtual desktop of its own: a display from xvfb-run, a
# session bus from dbus-run-session, and with --window-manager openbox
# managing the windows, or with --wayland GNOME's compositor mutter filling
# the display, its socket in VENNARO_WAYLAND_DISPLAY.
#
#   scripts/run-on-virtual-desktop.sh SERVER_NUMBER [--window-manager|--wayland] COMMAND...
#
# SERVER_NUMBER is where the search for a free display starts; tests that run
# at the same time start from numbers far enough apart.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/harness.bash"
enter_virtual_desktop "$1" "$@"

shift
desktop=
if [[ "${1:-}" == --window-manager || "${1:-}" == --wayland ]]; then
  desktop=$1
  shift
fi

XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
manager_pid=
cleanup() {
  [[ -n "$manager_pid" ]] && kill "$manager_pid" 2>/dev/null
  rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT

if [[ "$desktop" == --wayland ]]; then
  MUTTER_DEBUG_DUMMY_MODE_SPECS=$VENNARO_SCREEN mutter --nested --wayland --no-x11 --wayland-display=wl-vennaro &
  manager_pid=$!
  timeout 10 bash -c 'until [[ -S $XDG_RUNTIME_DIR/wl-vennaro ]]; do sleep 0.1; done' || { echo "mutter did not start" >&2; exit 1; }
  # Seen: until its own window has had a click, mutter may give the first
  # window no pointer events.
  xdotool mousemove 0 0 click 1
  export VENNARO_WAYLAND_DISPLAY=wl-vennaro
elif [[ -n "$desktop" ]]; then
  # Openbox runs its start-up command once it manages the screen; the command
  # opens a pipe that the script waits on, or gives up when the script ended.
  mkfifo "$XDG_RUNTIME_DIR/managing"
  openbox --sm-disable --startup "timeout 20 cp /dev/null $XDG_RUNTIME_DIR/managing" &
  manager_pid=$!
  timeout 20 cat "$XDG_RUNTIME_DIR/managing" || { echo "openbox did not start" >&2; exit 1; }
fi

"$@"
