#!/usr/bin/env bash
# Installs what is missing, builds Vennaro and runs every test: the install
# check, clang-tidy, the package, the sanitizer and leak runs, then unit,
# widget and end-to-end tests. Everything after the install runs with only the
# programs that the set-up installs, so a missing install step fails here too,
# whatever else the machine has.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing_packages "${PLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
bash scripts/check-install.sh
setup_programs_only "$REPO/build/setup-programs"
echo "Running with the $(ls "$PATH" | wc -l) programs that the set-up's packages and every Debian system provide"
build_release -DBUILD_TESTING=ON -DVENNARO_BENCHMARKS=ON -DVENNARO_DRAW_ASSETS=ON

bash scripts/clang-tidy.sh
bash scripts/test-package.sh "$BUILD"
bash scripts/test-sanitizers.sh

cd "$BUILD"
ctest --output-on-failure -j2 --label-exclude soak
