#!/usr/bin/env bash
# Installs what is missing, builds Peglore and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$(nproc)" --target peglore
exec build/release/bin/peglore "$@"
