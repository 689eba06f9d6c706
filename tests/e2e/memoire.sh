#!/usr/bin/env bash
# Memory running short never leaves the program hanging: under each
# address-space limit, on the private session bus or on none, it ends at some
# step with the French message and code 1, or goes through the start screen,
# a launch and the guide (F1) to "Quitter" and code 0. Usage: memoire.sh ORBELINE
set -u
ORBELINE=$1
. "$(dirname "$0")/../../scripts/xvfb-lib.sh"
demarre_xvfb || exit 1
erreurs=$(mktemp)
bus=$DBUS_SESSION_BUS_ADDRESS
echecs=0
# Runs "$@" every 0.1 s until it succeeds (0), the program ends (1) or 10 s pass (2).
attends() { for _ in $(seq 100); do "$@" && return 0; kill -0 "$APP_PID" 2>/dev/null || return 1; sleep 0.1; done; return 2; }
vue() { fenetre=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1); [ -n "$fenetre" ]; }
suite() { clique "$accueil" 432 328; vue --name '^orbelines$'; }
fini() { ! kill -0 "$APP_PID" 2>/dev/null; }

for mo in 90 100 110 120 150; do
  for avec in "$bus" unix:path=/nonexistent; do
    DBUS_SESSION_BUS_ADDRESS=$avec QT_QPA_PLATFORM=xcb prlimit --as=$((mo * 1000000)) "$ORBELINE" 2>"$erreurs" &
    APP_PID=$!
    etape=accueil; attends vue --pid "$APP_PID"; r=$?
    [ $r -eq 0 ] && { accueil=$fenetre; etape=principale; attends suite; r=$?; }
    if [ $r -eq 0 ]; then
      p=$fenetre; etape=guide; menu=$(hauteur_menu "$p")
      clique "$p" 600 $((316 + menu)); xdotool key F1   # "Lancer" takes the keyboard there
      attends vue --name "^Guide de l'élève\$"; r=$?
      [ $r -eq 0 ] && { etape=Quitter; clique "$p" 756 $((522 + menu)); attends fini; r=$?; }
    fi
    [ $r -eq 2 ] && kill -9 "$APP_PID"
    wait "$APP_PID"; rc=$?
    # Where the system cannot even load the libraries (code 127), no code of the program ran.
    if [ $r -eq 2 ] || ! { { [ $rc -eq 1 ] && grep -q "mémoire insuffisante, le programme s'arrête" "$erreurs"; } ||
      { [ $rc -eq 127 ] && grep -q "error while loading shared libraries" "$erreurs"; } || [ $rc$etape = 0Quitter ]; }; then
      echo "ÉCHEC $mo Mo, bus ${avec%%,*} : code $rc, $( ((r == 2)) && echo bloqué || echo fini) à l'étape $etape" >&2
      echecs=$((echecs + 1))
    else echo "$mo Mo, bus ${avec%%,*} : code $rc à l'étape $etape"; fi
  done
done
APP_PID=""
rm -f "$erreurs"
[ "$echecs" -eq 0 ]
