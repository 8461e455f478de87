#!/usr/bin/env bash
# Installs what is missing, builds Vennaro and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

install_missing_packages
build_release -DBUILD_TESTING=OFF
exec "$BUILD/vennaro"
