#!/usr/bin/env bash
# Runs a command on a virtual desktop of its own: a display from xvfb-run, a
# session bus from dbus-run-session, and with --window-manager openbox
# managing the windows, or with --wayland GNOME's compositor mutter filling
# the display, its socket in VENNARO_WAYLAND_DISPLAY. Fails, naming the
# packages to install, when a program it or the command needs is missing.
#
#   scripts/run-on-virtual-desktop.sh SERVER_NUMBER [--window-manager|--wayland] [--needs "PROGRAM..."] COMMAND...
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
if [[ "${1:-}" == --needs ]]; then
  read -ra needed <<<"$2"
  require_programs "${needed[@]}"
  shift 2
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
  require_programs mutter xdotool
  MUTTER_DEBUG_DUMMY_MODE_SPECS=$VENNARO_SCREEN mutter --nested --wayland --no-x11 --wayland-display=wl-vennaro &
  manager_pid=$!
  timeout 10 bash -c 'until [[ -S $XDG_RUNTIME_DIR/wl-vennaro ]]; do sleep 0.1; done' || { echo "mutter did not start" >&2; exit 1; }
  # Seen: until its own window has had a click, mutter may give the first
  # window no pointer events.
  xdotool mousemove 0 0 click 1
  export VENNARO_WAYLAND_DISPLAY=wl-vennaro
elif [[ -n "$desktop" ]]; then
  require_programs openbox xprop
  openbox --sm-disable &
  manager_pid=$!
  # A window manager announces itself on the root window once it manages it.
  for ((tries = 0; tries < 100; tries++)); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
fi

"$@"
