#!/usr/bin/env bash
# Installs what is missing, builds Vennaro and runs every test: the install
# check, clang-tidy, the package, the sanitizer and leak runs, then unit,
# widget and end-to-end tests.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing_packages "${PLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
bash scripts/check-install.sh
build_release -DBUILD_TESTING=ON -DVENNARO_BENCHMARKS=ON -DVENNARO_DRAW_ASSETS=ON

bash scripts/clang-tidy.sh
bash scripts/test-package.sh "$BUILD"
bash scripts/test-sanitizers.sh

cd "$BUILD"
ctest --output-on-failure -j2 --label-exclude soak
