#!/usr/bin/env bash
# Produces docs/capture.png, the README's picture of the main window: the
# real program on a private Xvfb display, past the start screen, both chart
# groups checked, a launch on the geostationary orbit, then the default
# launch (the fall onto the Earth) with its impact texts.
set -eu
cd "$(dirname "$0")/.."
ORBELINE=${ORBELINE:-build/ui/orbeline}
. scripts/xvfb-lib.sh
journal=$(mktemp)

demarre_xvfb
lance_orbeline "$journal"
accueil=""
for _ in $(seq 100); do
  accueil=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | head -n 1)
  [ -n "$accueil" ] && break
  sleep 0.1
done
clique "$accueil" 432 328
principale=$(attends_fenetre orbelines)
sleep 0.5
# The layout's coordinates start under the menu bar; the picture shows the bar.
menu=$(hauteur_menu "$principale")
clique "$principale" 712 $((290 + menu))   # vitesse
clique "$principale" 712 $((320 + menu))   # xy
# First launch: X initial 0, Y initial 42164, Vox 3078, the geostationary orbit.
tape() {
  for champ in "$@"; do
    set -- $champ
    clique "$principale" "$1" $(($2 + menu))
    xdotool key ctrl+a BackSpace
    case $3 in -*) xdotool key minus; xdotool type "${3#-}" ;; *) xdotool type "$3" ;; esac
  done
}
tape "180 17 0" "285 17 42164" "35 17 3078"
clique "$principale" 600 $((316 + menu))
sleep 1
# Second launch: the window's initial values, the fall onto the Earth.
tape "180 17 -30000" "285 17 0" "35 17 0"
clique "$principale" 600 $((316 + menu))
sleep 1.5
mkdir -p docs
import -window "$principale" docs/capture.png
echo "docs/capture.png écrit"
