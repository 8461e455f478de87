#!/usr/bin/env bash
# Draws docs/screenshot.png: the real window with a picture chosen and a deal
# from a fixed seed. Running it again gives the same file.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing_packages "${PLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build_release -DBUILD_TESTING=ON -DVENNARO_DRAW_ASSETS=ON
mkdir -p docs
"$BUILD/assets/vennaro-readme-screenshot" docs/screenshot.png
echo "Wrote docs/screenshot.png"
