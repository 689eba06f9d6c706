#!/usr/bin/env bash
# Runs every benchmark of the given build folder, 10 repetitions each, and
# prints the medians; then the launch against its floor, the memory check over
# 2 000 launches, the start-up against a bare Qt window, and the web page in
# headless chromium (build-web, from `make web`). The offscreen programs run on
# no session bus; the start-up bench starts its own (scripts/xvfb-lib.sh).
set -euo pipefail
dir=${1:-build-bench}
cd "$(dirname "$0")/.."
for b in "$dir"/bench/bench_*; do
  [ -x "$b" ] || continue
  sortie=$(QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent "$b" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
    --benchmark_filter="${BENCH_FILTER:-.}" 2>/dev/null | grep -E "median|^Benchmark|^---" || true)
  [ -n "$sortie" ] || continue    # nothing of this file passed the filter
  echo "== $(basename "$b")"
  echo "$sortie"
  # Wall-clock medians of the launch and of its floor, in ns, then their ratio.
  echo "$sortie" | awk '
    function ns(v, u) { return v * (u == "ms" ? 1e6 : u == "us" ? 1e3 : u == "s" ? 1e9 : 1) }
    $1 == "BM_Lancer_median" { l = ns($2, $3) }
    $1 == "BM_LancerPlancher_median" { p = ns($2, $3) }
    END { if (l && p) printf "Lancer : %.3f ms, plancher : %.3f ms, rapport : %.1f×\n", l / 1e6, p / 1e6, l / p }'
  # The desktop's launch, printed again beside the page's.
  natif=$(echo "$sortie" | awk '$1 == "BM_Lancer_median" { printf "%.3f", $2 * ($3 == "us" ? 1e-3 : $3 == "ns" ? 1e-6 : 1) }')
  if [ -n "$natif" ]; then export ORBELINE_LANCER_NATIF=$natif; fi
done
echo "== memoire_lancements"
QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent "$dir/bench/memoire_lancements"
[ -z "${BENCH_FILTER:-}" ] && scripts/bench-demarrage.sh "$dir"
if [ -z "${BENCH_FILTER:-}" ] || echo navigateur | grep -qE "$BENCH_FILTER"; then
  node bench/navigateur.mjs
fi
true
