#!/usr/bin/env bash
# Installs what is missing, builds Vennaro and runs every test: clang-tidy,
# the package, then unit, widget and end-to-end tests on a sanitizer build and
# on the Release build. Everything after the install runs with only the
# programs that the set-up installs, so a missing install step fails here too,
# whatever else the machine has.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing_packages "${PLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
setup_programs_only "$REPO/build/setup-programs"
build_release -DBUILD_TESTING=ON -DVENNARO_BENCHMARKS=ON -DVENNARO_DRAW_ASSETS=ON

cmake --build "$BUILD" --target vennaro-clang-tidy
bash scripts/test-package.sh "$BUILD"

# AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer: a report
# fails the test whose process made it, the game's included (a leak at its end
# makes its exit status non-zero, which the end-to-end quit test checks).
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DVENNARO_SANITIZE=address,undefined -DBUILD_TESTING=ON
cmake --build build/asan
LSAN_OPTIONS=suppressions=$REPO/scripts/lsan-suppressions.txt UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build/asan --output-on-failure -j2 --label-exclude soak

ctest --test-dir "$BUILD" --output-on-failure -j2 --label-exclude soak
