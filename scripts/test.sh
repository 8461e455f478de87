#!/usr/bin/env bash
# Installs what is missing, builds Vennaro and runs every test: unit and
# widget tests headless, end-to-end tests in Xvfb, the package, the sanitizer
# and leak runs and clang-tidy.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing_packages
build_release -DBUILD_TESTING=ON

cd "$REPO"
bash scripts/clang-tidy.sh
bash scripts/test-package.sh "$BUILD"
bash scripts/test-sanitizers.sh

cd "$BUILD"
ctest --output-on-failure -j2 --label-exclude soak
