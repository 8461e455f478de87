#!/usr/bin/env bash
# Checks that the set-up installs everything the scripts and tests run, so a
# missing install step fails here, on any machine, rather than on a fresh one:
#  - each program in PROGRAM_PACKAGE is provided by its package (dpkg -L),
#    and that package is one the set-up installs;
#  - each program that a script or test names is in PROGRAM_PACKAGE, unless a
#    package every Debian system has (Essential, required or important)
#    provides it.
# Programs are looked up in Debian's own folders only, so a program installed
# by other means counts as missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source packaging/harness.bash

readonly SYSTEM_PATH=/usr/sbin:/usr/bin:/sbin:/bin
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

# The words of the scripts outside comments, the COMMAND lines of the CMake
# files, and the one-word string literals of the Python tests and the
# one-word QStringLiterals of the C++ that starts processes, which is how they
# name the programs they run.
# A word that follows a dot, a dash or a dollar sign is an extension, an
# option or a variable.
words() {
  {
    for file in scripts/*.sh packaging/*.bash $(find tests bench -name '*.sh'); do
      sed -E 's/(^|[[:space:]])#.*$//' "$file"
    done
    find . -name CMakeLists.txt -not -path './build*' -print0 | xargs -0 grep -h 'COMMAND'
  } | grep -oP '(?<![\w.$-])[A-Za-z][\w+.-]*'
  {
    grep -rlE --include='*.cpp' --include='*.h' 'QProcess' tests bench | xargs -r grep -ohE 'QStringLiteral\("[^"]*"\)'
    find tests -name '*.py' -print0 | xargs -0 -r cat
  } | grep -oE "\"[/A-Za-z0-9+._-]+\"|'[/A-Za-z0-9+._-]+'" | tr -d "\"'" | sed 's|.*/||' | grep .
}

declare -A everyone_has=()
is_base_package() {
  local package=$1
  if [[ -z "${everyone_has[$package]:-}" ]]; then
    local fields
    fields=$(dpkg-query -W -f='${Essential} ${Priority}' "$package" 2>/dev/null || true)
    [[ "$fields" =~ ^yes|required|important ]] && everyone_has[$package]=yes || everyone_has[$package]=no
  fi
  [[ "${everyone_has[$package]}" == yes ]]
}

checked=0
while read -r word; do
  path=$(PATH=$SYSTEM_PATH command -v "$word" 2>/dev/null || true)
  [[ "$path" == /* ]] || { [[ -x "/usr/libexec/$word" ]] && path=/usr/libexec/$word; } || continue
  [[ "$path" == /* ]] || continue
  checked=$((checked + 1))
  # Since /bin became a link to /usr/bin, dpkg may know a program by either.
  package=$(dpkg -S "$path" 2>/dev/null || dpkg -S "$(readlink -f "$path")" 2>/dev/null || dpkg -S "/bin/$word" 2>/dev/null || dpkg -S "/sbin/$word" 2>/dev/null || true)
  package=${package%%:*}
  if [[ -z "$package" ]]; then
    fail "$word ($path) is run by a script or test but belongs to no Debian package"
  elif [[ -z "${PROGRAM_PACKAGE[$word]:-}" ]] && ! is_base_package "$package"; then
    fail "$word is run by a script or test but is not declared: add [$word]=$package to PROGRAM_PACKAGE in packaging/harness.bash"
  fi
done < <(words | sort -u)

if ((failures)); then
  echo "check-install: $failures problem(s)" >&2
  exit 1
fi
echo "check-install: ${#PROGRAM_PACKAGE[@]} declared programs come from the set-up's packages; $checked programs named by scripts and tests are declared or on every Debian system"
