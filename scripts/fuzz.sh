#!/usr/bin/env bash
# A longer fuzz campaign: builds the fuzz targets as scripts/test.sh does
# (clang, AddressSanitizer and UBSan) and runs each for MINUTES minutes
# (default 10), one after the other; naming targets (fuzz_help ...) runs
# only those. Each target's corpus is kept in
# build/fuzz-corpus/TARGET and grows from run to run; its seeds are the
# committed fuzz/*/corpus folders (or those the build writes). Prints each
# target's executions and any crash, whose input is kept as
# build/fuzz-crashes/TARGET-crash-...; exits non-zero when a target crashed.
set -euo pipefail
cd "$(dirname "$0")/.."

minutes=${1:-10}
case "$minutes" in
  '' | *[!0-9]* | 0) echo "usage: $0 [MINUTES [TARGET...]]" >&2; exit 2 ;;
esac
shift $(($# > 0 ? 1 : 0))

build=build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPEGLORE_WERROR=ON -DPEGLORE_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)"

corpora=build/fuzz-corpus
crashes=build/fuzz-crashes
logs=build/fuzz-logs
mkdir -p "$corpora" "$crashes" "$logs"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}

# The last value of a libFuzzer final statistic in a log.
final_stat() { sed -n "s/^stat::$1: *//p" "$2" | tail -n 1; }

status=0
printf '%-20s %14s %10s %8s  %s\n' target executions 'exec/s' 'new' result
for target in "$build"/bin/fuzz_*; do
  name=$(basename "$target")
  [ "$name" = "${name%_seeds}" ] || continue
  if [ $# -gt 0 ] && [[ " $* " != *" $name "* ]]; then continue; fi
  seeds=fuzz/${name#fuzz_}/corpus
  [ -d "$seeds" ] || seeds=$build/fuzz/${name#fuzz_}/seeds
  mkdir -p "$corpora/$name"
  log=$logs/$name.log
  result=ok
  "$target" -max_total_time=$((minutes * 60)) -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$crashes/$name-" "$corpora/$name" "$seeds" >"$log" 2>&1 || result=CRASH
  printf '%-20s %14s %10s %8s  %s\n' "$name" "$(final_stat number_of_executed_units "$log")" \
    "$(final_stat average_exec_per_sec "$log")" "$(final_stat new_units_added "$log")" "$result"
  if [ "$result" != ok ]; then
    status=1
    grep -E '^==[0-9]+==ERROR|SUMMARY|deadly signal|Test unit written to' "$log" | sed 's/^/    /' || true
    echo "    whole log: $log"
  fi
done
exit "$status"
