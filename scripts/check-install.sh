#!/usr/bin/env bash
# Checks that each program in PROGRAM_PACKAGE is provided by its package
# (dpkg -L) and that the package is one the set-up installs. That a script or
# test runs nothing else is held at run time: scripts/test.sh runs them with
# only the set-up's programs on PATH (setup_programs_only).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/harness.bash

failures=0
fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

declare -A installed_by_setup=()
for package in "${PLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}"; do
  installed_by_setup[$package]=1
done

for program in "${!PROGRAM_PACKAGE[@]}"; do
  package=${PROGRAM_PACKAGE[$program]}
  if [[ -z "${installed_by_setup[$package]:-}" ]]; then
    fail "$program: its package $package is not installed by scripts/setup.sh (add it to PLAY_PACKAGES or TEST_PACKAGES)"
  elif ! dpkg -L "$package" 2>/dev/null | grep -E "/(s?bin|libexec)/$(sed 's/[+.]/\\&/g' <<<"$program")\$" >/dev/null; then
    fail "$program: the package $package does not provide it (dpkg -L $package)"
  fi
done

if ((failures)); then
  echo "check-install: $failures problem(s)" >&2
  exit 1
fi
echo "check-install: ${#PROGRAM_PACKAGE[@]} declared programs come from the set-up's packages"
