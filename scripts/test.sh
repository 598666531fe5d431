#!/usr/bin/env bash
# Installs what is missing, builds Peglore and runs every test:
# the unit, widget and end-to-end tests, then the fuzz targets for a
# bounded time.  Options:
#   --sanitize   build and test with AddressSanitizer and UBSan
#   --no-fuzz    skip the fuzz targets
set -euo pipefail
cd "$(dirname "$0")/.."

sanitize=OFF
fuzz=1
for arg in "$@"; do
  case "$arg" in
    --sanitize) sanitize=ON ;;
    --no-fuzz) fuzz=0 ;;
    *) echo "usage: $0 [--sanitize] [--no-fuzz]" >&2; exit 2 ;;
  esac
done

./scripts/install-deps.sh

jobs=$(nproc)
build=build/test
[ "$sanitize" = ON ] && build=build/sanitize

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPEGLORE_WERROR=ON -DPEGLORE_SANITIZE="$sanitize" >/dev/null
cmake --build "$build" -j "$jobs"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
status=0
ctest --test-dir "$build" --output-on-failure -j "$jobs" || status=1

if [ "$fuzz" = 1 ]; then
  CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPEGLORE_WERROR=ON -DPEGLORE_FUZZ=ON >/dev/null
  cmake --build build/fuzz -j "$jobs"
  ctest --test-dir build/fuzz --output-on-failure -j "$jobs" || status=1
fi

exit "$status"
