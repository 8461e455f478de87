# Sourced by the scripts under scripts/ that build, start and watch the
# program: command checks, one Xvfb per script, and waiting for the window.

# The game's window, border included.
readonly VENNARO_WINDOW_SIZE=567x401

# require_commands PACKAGE:COMMAND...: fails, naming the Debian packages to
# install, when any of the commands is missing.
require_commands() {
    local pair missing=()
    for pair in "$@"; do
        command -v "${pair#*:}" >/dev/null || missing+=("${pair%%:*}")
    done
    if ((${#missing[@]})); then
        echo "missing commands; install them with: apt-get install ${missing[*]}" >&2
        return 1
    fi
}

# configure_build DIR CMAKE_ARGUMENT...: configures DIR from the repository
# root, with Ninja when DIR is new and with whatever generator it has if not.
configure_build() {
    local build=$1
    shift
    if [[ -f "$build/CMakeCache.txt" ]]; then
        cmake -S . -B "$build" "$@"
    else
        cmake -S . -B "$build" -G Ninja "$@"
    fi
}

# start_xvfb: starts Xvfb on a free display with a black screen, exports
# DISPLAY and a private XDG_RUNTIME_DIR, and sets XVFB_PID. Call stop_xvfb
# from the script's exit trap.
start_xvfb() {
    XVFB_STATE=$(mktemp -d)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset -br 3>"$XVFB_STATE/display" 2>"$XVFB_STATE/log" &
    XVFB_PID=$!
    local tries
    for ((tries = 0; tries < 100; tries++)); do
        if [[ -s "$XVFB_STATE/display" ]]; then
            export DISPLAY=":$(<"$XVFB_STATE/display")"
            mkdir -m 700 "$XVFB_STATE/runtime"
            export XDG_RUNTIME_DIR="$XVFB_STATE/runtime"
            return 0
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    echo "Xvfb did not start:" >&2
    cat "$XVFB_STATE/log" >&2
    return 1
}

# start_session_bus: starts a D-Bus session bus, as a desktop session has,
# exports DBUS_SESSION_BUS_ADDRESS and sets SESSION_BUS_PID. Qt's
# accessibility bridge asks for it; call stop_session_bus on exit.
start_session_bus() {
    {
        read -r DBUS_SESSION_BUS_ADDRESS
        read -r SESSION_BUS_PID
    } < <(dbus-daemon --session --fork --nosyslog --print-address=1 --print-pid=1)
    export DBUS_SESSION_BUS_ADDRESS
}

stop_session_bus() {
    if [[ -n "${SESSION_BUS_PID:-}" ]]; then
        kill "$SESSION_BUS_PID" 2>/dev/null || true
        SESSION_BUS_PID=
    fi
}

stop_xvfb() {
    if [[ -n "${XVFB_PID:-}" ]]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        rm -rf "$XVFB_STATE"
        XVFB_PID=
    fi
}

# window_size ID: prints WIDTHxHEIGHT of an X window.
window_size() {
    xwininfo -id "$1" | awk '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print w "x" h }'
}

# visible_windows PID: the ids of the mapped windows of a process, one a line.
visible_windows() {
    xdotool search --onlyvisible --pid "$1" 2>/dev/null || true
}

# wait_for_window PID SECONDS: prints the id of the process's mapped game-sized
# window; fails when the process ends or SECONDS pass first.
wait_for_window() {
    local pid=$1 deadline=$((SECONDS + $2)) id
    while ((SECONDS < deadline)); do
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "process $pid ended before its window was mapped" >&2
            return 1
        fi
        for id in $(visible_windows "$pid"); do
            if [[ "$(window_size "$id")" == "$VENNARO_WINDOW_SIZE" ]]; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    echo "no $VENNARO_WINDOW_SIZE window of process $pid was mapped within $2 s" >&2
    return 1
}
