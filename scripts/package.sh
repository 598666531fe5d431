#!/usr/bin/env bash
# Installs what is missing, builds the game and its Debian package:
# build/package/peglore_VERSION_ARCH.deb, to install as root with
#   apt-get install ./build/package/peglore_*.deb
# (or with sudo in front, as a user who may use it).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh

build=build/package
# Only the game is built: packaging does not wait for the tests.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target peglore_installed
rm -f "$build"/peglore_*.deb
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$build" >/dev/null
ls "$build"/peglore_*.deb
