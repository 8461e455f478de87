# Sourced by the scripts that install, build, start and watch the program:
# the Debian packages they need and the helpers they share.

# What building and playing need.
PLAY_PACKAGES=(
  g++ cmake ninja-build
  qt6-base-dev qt6-l10n-tools qt6-wayland fonts-liberation libfontconfig-dev
)
# What the tests, benchmarks and checks need besides.
TEST_PACKAGES=(
  # Qt's CMake files ask for pkg-config where a machine has it: the tests'
  # builds have it on every machine, and the same build.
  libbenchmark-dev libx11-dev clang-tidy pkgconf
  xvfb xauth xdotool openbox
  dbus-daemon at-spi2-core python3-minimal python3-pyatspi weston mutter
  orca speech-dispatcher espeak-ng speech-dispatcher-espeak-ng
  desktop-file-utils appstream dpkg-dev lintian devscripts binutils
  # Qt's own words, and the fonts a desktop in Hebrew, Arabic, Persian, Hindi,
  # Chinese, Japanese or Korean has for what Liberation Sans lacks.
  qt6-translations-l10n fonts-dejavu-core fonts-kacst fonts-farsiweb fonts-lohit-deva fonts-noto-cjk
)

# A new build folder gets Ninja; one configured before keeps its generator.
export CMAKE_GENERATOR=Ninja

# setup_programs_only FOLDER: from here on, only the programs that the set-up
# installs (its packages and what they depend on) and those that every Debian
# system has (Essential, required or important) can run: FOLDER becomes the
# whole PATH, with links to them, and under the name of every other program in
# /usr/bin and /usr/sbin, scripts/not-installed.sh, which names the package to
# add and fails. Bash and the tests' own process starts both go through PATH,
# so a missing install step fails here too, on a machine that has the program
# for other reasons. Programs in /usr/local or a home folder are left out.
setup_programs_only() {
  local folder=$1 packages provided stub
  stub=$(realpath "$(dirname "${BASH_SOURCE[0]}")/not-installed.sh")
  packages=$( {
    apt-cache depends --recurse --installed --no-recommends --no-suggests --no-conflicts \
      --no-breaks --no-replaces --no-enhances "${PLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}" | grep -E '^[a-z0-9]'
    dpkg-query -W -f='${Package} ${Essential} ${Priority}\n' |
      awk '$2 == "yes" || $3 == "required" || $3 == "important" { print $1 }'
  } | sort -u)
  # Alternatives that are not installed are listed too; they provide nothing.
  provided=$({ dpkg -L $packages 2>/dev/null || true; } | grep -E '^/(usr/)?s?bin/[^/]+$' | xargs -r realpath -m --)
  rm -rf "$folder"
  mkdir -p "$folder"
  # Alternatives and other links count as the program they lead to. Where
  # both folders hold a name, the first on Debian's PATH wins.
  local programs=(/usr/sbin/* /usr/bin/*) target name
  paste <(printf '%s\n' "${programs[@]}") <(realpath -m -- "${programs[@]}") |
    awk -F '\t' -v stub="$stub" 'NR == FNR { provided[$0]; next }
      { name = $1; sub(/.*\//, "", name) }
      !(name in seen) { seen[name]; print (($2 in provided) ? $1 : stub) "\t" name }' <(printf '%s\n' "$provided") - |
    while IFS=$'\t' read -r target name; do ln -s "$target" "$folder/$name"; done
  export PATH=$folder
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
  export VENNARO_SCREEN=${VENNARO_SCREEN:-1024x768}
  exec env VENNARO_ON_VIRTUAL_DESKTOP=1 \
    xvfb-run --auto-servernum --server-num="$server" \
    --server-args="-screen 0 ${VENNARO_SCREEN}x24 -nolisten tcp -noreset" \
    dbus-run-session -- bash "$0" "$@"
}
