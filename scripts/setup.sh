# Shared by play.sh and test.sh: installs what is missing and builds Release.
# Sourced, not run: it leaves REPO and BUILD set for the caller.
set -euo pipefail

REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$REPO/build/release"
cd "$REPO"
source scripts/harness.bash

# install_missing_packages PACKAGE...: installs those of the packages that
# are not installed yet.
install_missing_packages() {
  local package missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    if [[ "$(id -u)" -ne 0 ]]; then
      echo "These Debian packages are missing and installing them needs root: ${missing[*]}" >&2
      exit 1
    fi
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

build_release() {
  cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release "$@"
  cmake --build "$BUILD"
}
