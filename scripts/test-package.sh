#!/usr/bin/env bash
# Builds the Release .deb, checks its control fields and contents, and starts
# the program unpacked from it in a virtual display until its window is mapped.
#
#   scripts/test-package.sh [BUILD_DIR]      (default build/pkg)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/harness.bash
enter_virtual_desktop 110 "$@"

build=${1:-build/pkg}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
check() {
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAILED: $what" >&2
        failures=$((failures + 1))
    fi
}

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$build" -j2
rm -f "$build"/vennaro_*.deb
(cd "$build" && cpack -G DEB)

debs=("$build"/vennaro_*.deb)
if [[ ${#debs[@]} -ne 1 || ! -f "${debs[0]}" ]]; then
    echo "FAILED: cpack made no single vennaro_*.deb in $build" >&2
    exit 1
fi
deb=${debs[0]}
dpkg-deb -I "$deb"
field() {
    dpkg-deb -f "$deb" "$1"
}
depends=$(field Depends)
check "package name is vennaro" test "$(field Package)" = vennaro
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
check "version is the project's, $version" test "$(field Version)" = "$version"
check "section is games" test "$(field Section)" = games
check "Depends names libqt6widgets6" grep -Eq '(^|, )libqt6widgets6( |,|$)' <<<"$depends"
check "Depends names fonts-liberation" grep -Eq '(^|, )fonts-liberation( |,|$)' <<<"$depends"
check "Recommends names qt6-translations-l10n" grep -Eq '(^|, )qt6-translations-l10n( |,|$)' <<<"$(field Recommends)"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
program=$root/usr/games/vennaro
id=org.vennaro.Vennaro
check "program in usr/games" test -x "$program"
for pixels in 16 22 24 32 48 64 128 256; do
    check "${pixels}x${pixels} icon" test -s "$share/icons/hicolor/${pixels}x${pixels}/apps/$id.png"
done
check "scalable icon" test -s "$share/icons/hicolor/scalable/apps/$id.svg"
check "copyright and manual page" test -s "$share/doc/vennaro/copyright" -a -s "$share/man/man6/vennaro.6.gz"
desktop=$share/applications/$id.desktop
check "desktop entry is valid" desktop-file-validate "$desktop"
check "desktop entry's icon is $id" grep -qx "Icon=$id" "$desktop"
metainfo=("$share"/metainfo/*.metainfo.xml)
check "one AppStream file, $id's" test "${metainfo[*]}" = "$share/metainfo/$id.metainfo.xml"
check "AppStream metadata is valid with its desktop entry" appstreamcli validate-tree --no-net --pedantic --strict "$root"
check "AppStream id is $id, and it launches $id.desktop" test "$(grep -cF -e "<id>$id</id>" \
    -e "<launchable type=\"desktop-id\">$id.desktop</launchable>" "${metainfo[@]}")" = 2
check "lintian --pedantic: no error or warning" lintian --pedantic --fail-on error,warning "$deb"
# Debian 12's start files (Scrt1.o, crti.o) carry no CET marks, so no program
# linked there can: control flow protection is the one feature left out.
check "hardening-check" hardening-check --nocfprotection "$program"
check "no RUNPATH" test -z "$(readelf -d "$program" | grep -E 'R(UN)?PATH')"

QT_QPA_PLATFORM=xcb "$program" &
pid=$!
if window=$(timeout 60 xdotool search --sync --onlyvisible --pid "$pid"); then
    echo "ok: the unpacked program mapped its window $window"
else
    echo "FAILED: the unpacked program showed no window" >&2
    failures=$((failures + 1))
fi
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true

# On Wayland the window's app id is the desktop file name the program sets.
mkdir -m 700 "$scratch/run" && export XDG_RUNTIME_DIR=$scratch/run
weston --backend=headless-backend.so --socket=wl-package &>"$scratch/weston.log" &
weston_pid=$!
for _ in {1..100}; do [[ -S $XDG_RUNTIME_DIR/wl-package ]] && break; sleep 0.1; done
WAYLAND_DEBUG=1 WAYLAND_DISPLAY=wl-package QT_QPA_PLATFORM=wayland "$program" 2>"$scratch/wayland.log" &
pid=$!
for _ in {1..300}; do grep -q set_app_id "$scratch/wayland.log" && break; sleep 0.1; done
kill "$pid" "$weston_pid" && wait "$pid" "$weston_pid" || true
check "window's app id is $id" grep -qF "set_app_id(\"$id\")" "$scratch/wayland.log"

# With no display the program says so; a start-up failure of another kind
# shows Qt's own message. Both end with status 1.
ends_saying() {
    local status=0 said
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM="$1" "$program" 2>&1) || status=$?
    [[ $status == 1 && $said == *"$2"* ]] || { echo "status $status: $said" >&2; return 1; }
}
check "no display: status 1, and says so" ends_saying xcb "cannot open a display"
check "no such platform plug-in: status 1, and Qt's message" \
    ends_saying nonesuch 'Could not find the Qt platform plugin "nonesuch"'

echo "package: $deb, $(stat -c %s "$deb") bytes"
echo "Depends: $depends"
if ((failures)); then
    echo "test-package: $failures check(s) failed" >&2
    exit 1
fi
echo "test-package: all checks passed"
