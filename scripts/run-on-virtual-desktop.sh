#!/usr/bin/env bash
# Runs a command on a virtual desktop of its own: a display from xvfb-run, a
# session bus from dbus-run-session, and with --window-manager openbox
# managing the windows.
#
#   scripts/run-on-virtual-desktop.sh SERVER_NUMBER [--window-manager] COMMAND...
#
# SERVER_NUMBER is where the search for a free display starts; tests that run
# at the same time start from numbers far enough apart.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/harness.bash"
enter_virtual_desktop "$1" "$@"

shift
window_manager=
if [[ "${1:-}" == --window-manager ]]; then
  window_manager=yes
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

if [[ -n "$window_manager" ]]; then
  # Openbox runs its start-up command once it manages the screen; the command
  # opens a pipe that the script waits on, or gives up when the script ended.
  mkfifo "$XDG_RUNTIME_DIR/managing"
  openbox --sm-disable --startup "timeout 20 cp /dev/null $XDG_RUNTIME_DIR/managing" &
  manager_pid=$!
  timeout 20 cat "$XDG_RUNTIME_DIR/managing" || { echo "openbox did not start" >&2; exit 1; }
fi

"$@"
