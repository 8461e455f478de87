# Sourced by the scripts that install, build, start and watch the program:
# the Debian packages they need, the outside programs they and the tests run,
# and the helpers they share.

# What building and playing need.
PLAY_PACKAGES=(
  g++ cmake ninja-build
  qt6-base-dev qt6-l10n-tools qt6-wayland fonts-liberation
)
# What the tests, benchmarks and checks need besides.
TEST_PACKAGES=(
  libbenchmark-dev libx11-dev clang-tidy
  xvfb xauth xdotool x11-utils openbox
  dbus-daemon at-spi2-core python3-minimal python3-pyatspi weston mutter
  orca speech-dispatcher espeak-ng speech-dispatcher-espeak-ng
  desktop-file-utils appstream dpkg-dev lintian devscripts binutils
  # Qt's own words, and the fonts a desktop in Hebrew, Arabic, Persian, Hindi,
  # Chinese, Japanese or Korean has for what Liberation Sans lacks.
  qt6-translations-l10n fonts-dejavu-core fonts-kacst fonts-farsiweb fonts-lohit-deva fonts-noto-cjk
)

# Every outside program that a script or test runs, and the package that
# provides it: require_programs names the package to install when one is
# missing, and scripts/check-install.sh holds this list to the packages above.
declare -A PROGRAM_PACKAGE=(
  [g++]=g++
  [cmake]=cmake [ctest]=cmake [cpack]=cmake
  [ninja]=ninja-build
  [lupdate]=qt6-l10n-tools [lrelease]=qt6-l10n-tools
  [clang-tidy]=clang-tidy
  [Xvfb]=xvfb [xvfb-run]=xvfb
  [xauth]=xauth
  [xdotool]=xdotool
  [xwininfo]=x11-utils [xprop]=x11-utils
  [openbox]=openbox
  [dbus-daemon]=dbus-daemon [dbus-run-session]=dbus-daemon
  [at-spi-bus-launcher]=at-spi2-core
  [python3]=python3-minimal
  [orca]=orca
  [speech-dispatcher]=speech-dispatcher
  [espeak-ng]=espeak-ng
  [weston]=weston [mutter]=mutter
  [desktop-file-validate]=desktop-file-utils
  [appstreamcli]=appstream
  [dpkg-shlibdeps]=dpkg-dev
  [lintian]=lintian [hardening-check]=devscripts [readelf]=binutils
)

# require_programs PROGRAM...: fails, naming the Debian packages to install,
# when any of the programs is missing.
require_programs() {
  local program missing=()
  for program in "$@"; do
    [[ -n "${PROGRAM_PACKAGE[$program]:-}" ]] || { echo "harness: $program is not in PROGRAM_PACKAGE" >&2; return 1; }
    command -v "$program" >/dev/null || [[ -x "/usr/libexec/$program" ]] || missing+=("${PROGRAM_PACKAGE[$program]}")
  done
  if ((${#missing[@]})); then
    echo "missing programs; install them with: apt-get install ${missing[*]}" >&2
    return 1
  fi
}

# setup_programs_only FOLDER: from here on, only the programs that the set-up
# installs (its packages and what they depend on) and those that every Debian
# system has (Essential, required or important) can run: FOLDER is filled with
# links to them and becomes the whole PATH. A script or test that runs
# anything else fails there, naming the program, also on a machine that has
# it for other reasons. Programs installed by other means, in /usr/local or
# a home folder, are left out too.
setup_programs_only() {
  local folder=$1 packages
  packages=$( {
    apt-cache depends --recurse --installed --no-recommends --no-suggests --no-conflicts \
      --no-breaks --no-replaces --no-enhances "${PLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}" | grep -E '^[a-z0-9]'
    dpkg-query -W -f='${Package} ${Essential} ${Priority}\n' |
      awk '$2 == "yes" || $3 == "required" || $3 == "important" { print $1 }'
  } | sort -u)
  local provided
  # Alternatives that are not installed are listed too; they provide nothing.
  provided=$({ dpkg -L $packages 2>/dev/null || true; } | grep -E '^/(usr/)?s?bin/[^/]+$' | xargs -r realpath -m --)
  rm -rf "$folder"
  mkdir -p "$folder"
  # Alternatives and other links count as the program they lead to. Where
  # both folders hold a name, the first on Debian's PATH wins.
  local programs=(/usr/sbin/* /usr/bin/*)
  paste <(printf '%s\n' "${programs[@]}") <(realpath -m -- "${programs[@]}") |
    awk -F '\t' 'NR == FNR { provided[$0]; next }
      ($2 in provided) { name = $1; sub(/.*\//, "", name); if (!(name in seen)) { seen[name]; print $1 } }' \
      <(printf '%s\n' "$provided") - |
    xargs -r ln -s -t "$folder"
  export PATH=$folder
}

# Bash runs this for a command it cannot find.
command_not_found_handle() {
  local package
  package=$(dpkg -S "/usr/bin/$1" "/usr/sbin/$1" "/bin/$1" "/sbin/$1" 2>/dev/null | head -n 1 || true)
  if [[ -n "$package" ]]; then
    echo "$1: not installed by the set-up; add its package ${package%%:*} to TEST_PACKAGES and [$1]=${package%%:*} to PROGRAM_PACKAGE in scripts/harness.bash" >&2
  else
    echo "$1: command not found, and no installed Debian package provides it" >&2
  fi
  return 127
}


# enter_virtual_desktop SERVER_NUMBER "$@": run first thing in a script, starts
# the script again inside a virtual display of its own (xvfb-run, from display
# SERVER_NUMBER up; 1024x768 or VENNARO_SCREEN pixels) with a D-Bus session
# bus, as a desktop session has; Qt's accessibility bridge asks for the bus.
# -noreset: by default the server resets when its last client leaves, and a
# program started meanwhile cannot connect.
enter_virtual_desktop() {
  local server=$1
  shift
  [[ -n "${VENNARO_ON_VIRTUAL_DESKTOP:-}" ]] && return 0
  require_programs xvfb-run Xvfb xauth dbus-run-session
  export VENNARO_SCREEN=${VENNARO_SCREEN:-1024x768}
  exec env VENNARO_ON_VIRTUAL_DESKTOP=1 \
    xvfb-run --auto-servernum --server-num="$server" \
    --server-args="-screen 0 ${VENNARO_SCREEN}x24 -nolisten tcp -noreset" \
    dbus-run-session -- bash "$0" "$@"
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

# visible_windows PID: the ids of the mapped windows of a process, one a line.
visible_windows() {
  xdotool search --onlyvisible --pid "$1" 2>/dev/null || true
}

# wait_for_window PID SECONDS: prints the id of the process's first mapped
# window, its main window; fails when the process ends or SECONDS pass first.
wait_for_window() {
  local pid=$1 deadline=$((SECONDS + $2)) id
  while ((SECONDS < deadline)); do
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "process $pid ended before its window was mapped" >&2
      return 1
    fi
    id=$(visible_windows "$pid" | head -n 1)
    if [[ -n "$id" ]]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  echo "no window of process $pid was mapped within $2 s" >&2
  return 1
}
