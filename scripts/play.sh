#!/usr/bin/env bash
# Installs what is missing, builds Vennaro and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing_packages "${PLAY_PACKAGES[@]}"
build_release -DBUILD_TESTING=OFF -DVENNARO_BENCHMARKS=OFF -DVENNARO_DRAW_ASSETS=OFF
exec "$BUILD/vennaro"
