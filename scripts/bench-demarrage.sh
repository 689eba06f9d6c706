#!/usr/bin/env bash
# Start-up of the program against a bare Qt widget window of the start
# screen's size (bench/fenetre_nue.cpp), on a private Xvfb display, runs of
# the two alternated; prints the medians and their ratios:
#  - exec → first painted frame: the start screen against the bare window
#    (the target: 1.3× at most);
#  - the whole run "start, key, Lancer, Quitter" against "start, key, exit",
#    where the main window's first showing and first key show (no target);
#  - the peak resident memory of those runs.
# A frame counts as painted when Qt hands it to the X server: its
# qt.widgets.painting "Flushing" message, which Qt stamps with the time of day.
# Usage: scripts/bench-demarrage.sh [BUILD_FOLDER]   (DEMARRAGE_RUNS=20)
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
dir=${1:-build-bench}
programme=$dir/ui/orbeline
nue=$dir/bench/fenetre_nue
runs=${DEMARRAGE_RUNS:-20}
[ -x "$programme" ] && [ -x "$nue" ] || { echo "construire d'abord $programme et $nue" >&2; exit 1; }

ORBELINE=$programme
. scripts/xvfb-lib.sh
travail=$(mktemp -d)
fin() {
  if [ -n "${entrees:-}" ]; then
    exec {entrees}>&-                           # ends the xdotool reading from it
    wait "$XDOTOOL_PID" 2>/dev/null
  fi
  arrete_tout
  rm -rf "$travail"
}
trap fin EXIT
demarre_xvfb

# Keys and clicks go through one xdotool started beforehand, which runs each
# command line as it arrives: a new xdotool per input would cost the runs
# tens of milliseconds each, more for the program's three inputs than for the
# bare window's one. For the same reason no input waits: xdotool holds a
# click's button 12 ms and sleeps 12 ms after a key unless told otherwise,
# which would time the driver on the program's side only (the bare window
# ends on its key's press).
mkfifo "$travail/entrees"
xdotool - <"$travail/entrees" &
XDOTOOL_PID=$!
exec {entrees}>"$travail/entrees"
entree() { echo "$*" >&"$entrees"; }
touche() { entree key --delay 0 "$1"; }
clique_quitter() { entree mousemove "$quitter_x" "$quitter_y" mousedown 1 mouseup 1; }

# Sets `us` to now, in microseconds since local midnight: the clock of Qt's
# stamps. No new process: these run between the program's frames.
maintenant() {
  local t=$EPOCHREALTIME hms
  printf -v hms '%(%H:%M:%S)T' "${t%.*}"
  us=$(( ((10#${hms:0:2} * 60 + 10#${hms:3:2}) * 60 + 10#${hms:6:2}) * 1000000 + 10#${t#*.} ))
}
# A length of time from `debut` to $1 µs, over midnight if need be.
depuis_debut() { duree=$(( $1 - debut )); (( duree < 0 )) && duree=$(( duree + 86400000000 )); true; }

# Starts a program with its flush messages stamped, one a line, into the
# pipe `journal`, where the driver waits for them without polling. Qt writes
# a painting message for every widget painted; grep keeps only the flushes,
# or reading them all would slow the driver more for the program's sixty
# widgets than for the bare window.
lance() {
  entree mousemove 512 384    # the screen's centre, inside both windows: keys go there
  rm -f "$travail/journal"
  mkfifo "$travail/journal"
  exec {journal}<>"$travail/journal"
  maintenant; debut=$us
  QT_QPA_PLATFORM=xcb QT_LOGGING_RULES="qt.widgets.painting.info=true" \
    QT_MESSAGE_PATTERN='%{time hh:mm:ss.zzz} %{message}' \
    /usr/bin/time -f %M -o "$travail/rss" "$1" \
    2> >(grep --line-buffered ' Flushing QRegion' >"$travail/journal") &
  APP_PID=$!
}

# A Qt stamp "hh:mm:ss.zzz" in µs since local midnight, into `us`.
stamp_us() { local t=$1; us=$(( ((10#${t:0:2} * 60 + 10#${t:3:2}) * 60 + 10#${t:6:2}) * 1000000 + 10#${t:9:3} * 1000 )); }

# Waits for the next message matching $1 (extended regex) stamped in the
# millisecond of $2 µs or later; sets `ligne`.
attends() {
  local n=0 apres=${2:-0}
  while :; do
    if IFS= read -r -t 1 ligne <&"$journal"; then
      [[ $ligne =~ $1 ]] || continue
      stamp_us "$ligne"
      (( us + 1000 > apres )) && return 0
    else
      kill -0 "$APP_PID" 2>/dev/null || { echo "le programme s'est arrêté avant : $1" >&2; exit 1; }
      (( ++n < 20 )) || { echo "rien vu en 20 s : $1" >&2; exit 1; }
    fi
  done
}

# Waits for the program's end; the run's length, µs, goes to `duree`.
termine() {
  wait "$APP_PID"
  maintenant; depuis_debut "$us"
  APP_PID=""
  exec {journal}<&-
}

# The first frame, µs after exec, into `image`: the matched message's stamp.
premiere_image() { stamp_us "$ligne"; depuis_debut "$us"; image=$duree; }

readonly FLUSH='^[0-9:.]+ Flushing QRegion'
readonly FLUSH_PRINCIPALE='^[0-9:.]+ Flushing QRegion.* of orbeline::FrmSat'
# A frame of the main window below the input row (y ≥ 48): the orbit view,
# the impact captions; not the caret blinking in Text1.
readonly FLUSH_VUE='^[0-9:.]+ Flushing QRegion\((size=[0-9]+, bounds=\()?[0-9]+,([4-9][0-9]|[0-9]{3}) .* of orbeline::FrmSat'

run_nue() {
  lance "$nue"
  attends "$FLUSH"; premiere_image
  touche space
  termine
}

run_orbeline() {
  lance "$programme"
  attends "$FLUSH"; premiere_image
  touche space                                    # "Suite" holds the focus
  attends "$FLUSH_PRINCIPALE"
  maintenant
  touche Return                                   # "Lancer" is the default button
  attends "$FLUSH_VUE" "$us"                      # the launch on screen
  clique_quitter
  termine
}

# Where "Quitter" is: read once, in a run that is not counted and that warms
# the caches for both.
lance "$programme"
attends "$FLUSH"; touche space; attends "$FLUSH_PRINCIPALE"
principale=$(attends_fenetre orbelines)
read -r ox oy < <(origine "$principale")
quitter_x=$(( ox + 756 )); quitter_y=$(( oy + 522 + $(hauteur_menu "$principale") ))
clique_quitter
termine
run_nue

declare -a im_o im_n run_o run_n rss_o rss_n
for ((i = 0; i < runs; i++)); do
  run_nue;      im_n+=("$image"); run_n+=("$duree"); rss_n+=("$(cat "$travail/rss")")
  run_orbeline; im_o+=("$image"); run_o+=("$duree"); rss_o+=("$(cat "$travail/rss")")
done

mediane() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
ligne_rapport() {  # label, unit divisor, unit, program median, bare median
  awk -v t="$1" -v d="$2" -v u="$3" -v o="$4" -v n="$5" \
    'BEGIN { printf "%-44s Orbeline %7.1f %s   fenêtre nue %7.1f %s   rapport %.2f×\n", t, o / d, u, n / d, u, o / n }'
}
echo "== démarrage (Xvfb, médianes de $runs exécutions)"
ligne_rapport "exec → première image" 1000 ms "$(mediane "${im_o[@]}")" "$(mediane "${im_n[@]}")"
ligne_rapport "démarrage, touche, Lancer, Quitter / sortie" 1000 ms "$(mediane "${run_o[@]}")" "$(mediane "${run_n[@]}")"
ligne_rapport "mémoire résidente maximale" 1024 Mio "$(mediane "${rss_o[@]}")" "$(mediane "${rss_n[@]}")"
