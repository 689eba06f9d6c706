#!/usr/bin/env bash
# Runs each libFuzzer target of build-fuzz for N seconds from its seeds and
# reports its executions. A finding stops its target: the input is kept in
# build-fuzz/trouvailles/ and the script fails, after running the others.
# Usage: scripts/fuzz.sh [seconds, 60] [target ...]
set -uo pipefail
cd "$(dirname "$0")/.."
secondes=${1:-60}
shift || true
cibles=("$@")
[ ${#cibles[@]} -eq 0 ] && cibles=(fuzz_lecture fuzz_formes fuzz_masse fuzz_lancement fuzz_situation)

mkdir -p build-fuzz/trouvailles
echec=0
for c in "${cibles[@]}"; do
  travail=build-fuzz/corpus/$c
  journal=build-fuzz/$c.log
  mkdir -p "$travail"
  options=(-max_total_time="$secondes" -print_final_stats=1 -timeout=10 -max_len=4096
           -artifact_prefix="build-fuzz/trouvailles/$c-")
  if [ "$c" != fuzz_formes ]; then
    cat fuzz/nombres.dict $( [ -f "fuzz/$c.dict" ] && echo "fuzz/$c.dict" ) > "build-fuzz/$c.dict"
    options+=(-dict="build-fuzz/$c.dict")
  fi
  debut=$(date +%s)
  "build-fuzz/fuzz/$c" "${options[@]}" "$travail" "fuzz/corpus/$c" >"$journal" 2>&1
  rc=$?
  duree=$(( $(date +%s) - debut ))
  executions=$(awk '/stat::number_of_executed_units/ {print $2}' "$journal")
  printf '%-16s %10s exécutions en %3d s\n' "$c" "${executions:-?}" "$duree"
  if [ "$rc" -ne 0 ]; then
    echec=1
    grep -E "Règle enfreinte|ERROR|runtime error|SUMMARY|Test unit written" "$journal" | head -n 8
    echo "  rejouer : build-fuzz/fuzz/$c <fichier écrit ci-dessus>   (journal : $journal)"
  fi
done
exit "$echec"
