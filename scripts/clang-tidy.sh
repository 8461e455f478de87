#!/usr/bin/env bash
# Runs clang-tidy, with the checks in .clang-tidy, over the game's sources and
# the headers they include; any warning fails the run.
#
#   scripts/clang-tidy.sh [BUILD_DIR]        (default build/tidy)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/harness.bash

build=${1:-build/tidy}
tidy=$(command -v clang-tidy || true)
require_programs clang-tidy cmake ninja

# Configuring writes compile_commands.json; the sources include nothing that
# a build would generate first.
configure_build "$build" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON

report=$(mktemp)
trap 'rm -f "$report"' EXIT
status=0
find app ui pictures game runtime -name '*.cpp' -print0 | sort -z |
    xargs -0 -P2 -n4 "$tidy" -p "$build" --quiet >"$report" 2>&1 || status=$?
findings=$(grep -cE ': (warning|error):' "$report" || true)
if ((status != 0 || findings != 0)); then
    grep -vE '^[0-9]+ warnings? generated\.$' "$report" >&2
    echo "clang-tidy: $findings finding(s)" >&2
    exit 1
fi
echo "clang-tidy: no findings in $(find app ui pictures game runtime -name '*.cpp' | wc -l) sources and their headers"
