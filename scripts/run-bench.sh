#!/usr/bin/env bash
# Runs every benchmark of the given build folder, 10 repetitions each, and
# prints the medians.
set -euo pipefail
dir=${1:-build-bench}
for b in "$dir"/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  QT_QPA_PLATFORM=offscreen "$b" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
    --benchmark_filter="${BENCH_FILTER:-.}" 2>/dev/null | grep -E "median|^Benchmark|^---"
done
