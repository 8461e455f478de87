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
check "program in usr/bin" test -x "$root/usr/bin/vennaro"
for pixels in 16 22 24 32 48 64 128 256; do
    check "${pixels}x${pixels} icon" test -s "$share/icons/hicolor/${pixels}x${pixels}/apps/vennaro.png"
done
check "scalable icon" test -s "$share/icons/hicolor/scalable/apps/vennaro.svg"
check "copyright" test -s "$share/doc/vennaro/copyright"
check "desktop entry is valid" desktop-file-validate "$share/applications/vennaro.desktop"
metainfo=("$share"/metainfo/*.metainfo.xml)
check "one AppStream file" test ${#metainfo[@]} -eq 1 -a -f "${metainfo[0]}"
check "AppStream metadata is valid with its desktop entry" appstreamcli validate-tree --no-net --pedantic --strict "$root"
check "AppStream metadata launches vennaro.desktop" \
    grep -q '<launchable type="desktop-id">vennaro.desktop</launchable>' "${metainfo[@]}"

QT_QPA_PLATFORM=xcb "$root/usr/bin/vennaro" &
pid=$!
if window=$(timeout 60 xdotool search --sync --onlyvisible --pid "$pid"); then
    echo "ok: the unpacked program mapped its window $window"
else
    echo "FAILED: the unpacked program showed no window" >&2
    failures=$((failures + 1))
fi
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true

# With no display the program says so; a start-up failure of another kind
# shows Qt's own message. Both end with status 1.
ends_saying() {
    local status=0 said
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM="$1" "$root/usr/bin/vennaro" 2>&1) || status=$?
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
