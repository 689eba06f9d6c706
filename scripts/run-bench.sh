#!/usr/bin/env bash
# Runs every benchmark of the given build folder, 10 repetitions each, and
# prints the medians; then the memory check over 2 000 launches.
set -euo pipefail
dir=${1:-build-bench}
for b in "$dir"/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  QT_QPA_PLATFORM=offscreen "$b" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
    --benchmark_filter="${BENCH_FILTER:-.}" 2>/dev/null | grep -E "median|^Benchmark|^---"
done
echo "== memoire_lancements"
QT_QPA_PLATFORM=offscreen "$dir/bench/memoire_lancements"
