#!/usr/bin/env bash
# End to end, on a real X display: the program opened on the ready-made
# situation "chute" (the window's own values, both chart groups shown), the
# start screen, "Suite", the situation's box of what to observe, the launch, a screenshot checked at known pixels,
# the points saved with Ctrl+S through the file dialog, then "Quitter" ends
# the process, having written nothing but the points in its empty home folder.
set -u
ORBELINE=$1
travail=$(mktemp -d)
. "$(dirname "$0")/../../scripts/xvfb-lib.sh"

# Under the sanitizers a report fails the test, even if the program went on.
rapport() { grep -qE "ERROR: (Address|Leak)Sanitizer|runtime error:|UndefinedBehaviorSanitizer" "$travail/stderr" 2>/dev/null; }
echec() {
  rapport && set -- "$* ; rapport d'un sanitizer"
  echo "ÉCHEC : $*" >&2; cat "$travail/stderr" >&2 2>/dev/null; exit 1
}

# Runs "$@" every 0.2 s until it succeeds, 10 s at most.
jusqua() { for _ in $(seq 50); do "$@" && return 0; sleep 0.2; done; false; }

demarre_xvfb || echec "pas d'écran virtuel"
maison="$travail/maison"
mkdir "$maison"
chute=$(dirname "$ORBELINE")/../share/orbeline/situations/chute.orbeline
[ -f "$chute" ] || echec "situation « chute » absente à côté du programme"
HOME="$maison" XDG_CONFIG_HOME="" XDG_DATA_HOME="" XDG_CACHE_HOME="" lance_orbeline "$travail/stderr" "$chute"

# The start screen has no title: find it as the only visible window of the program.
accueil_visible() { accueil=$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | head -n 1); [ -n "$accueil" ]; }
jusqua accueil_visible || echec "l'écran d'accueil ne s'est pas ouvert"
xdotool search --onlyvisible --name '^orbelines$' >/dev/null 2>&1 && echec "la fenêtre principale est ouverte trop tôt"

# "Suite" (it has the focus; a click is the same continue event). A click
# that arrives before the window is ready to take it is simply repeated.
principale=""
for _ in 1 2 3 4 5; do
  clique "$accueil" 432 328
  principale=$(attends_fenetre orbelines 2>/dev/null) && break
done
[ -n "$principale" ] || echec "la fenêtre principale ne s'est pas ouverte"
xdotool search --onlyvisible --pid "$APP_PID" | grep -qx "$accueil" && echec "l'écran d'accueil est resté visible"
# The layout's coordinates start under the menu bar.
menu=$(hauteur_menu "$principale")
[ "$menu" -gt 0 ] 2>/dev/null || echec "barre de menus attendue au-dessus de la zone de travail (hauteur $menu)"
# The situation shows what to observe in a box over the window; Enter closes it.
consigne=$(attends_fenetre "À observer") || echec "la fenêtre « À observer » de la situation ne s'est pas ouverte"
clique "$consigne" 20 20
xdotool key Return
jusqua eval '! xdotool search --onlyvisible --name "^À observer\$" >/dev/null 2>&1' || echec "la fenêtre « À observer » ne se ferme pas"

# Picture1's inner area starts at (8, 50); the origin is at its centre.
image="$travail/capture.png"
teal() { [ "$(couleur "$image" 256 298)" = "0 128 128" ]; }
# The trajectory runs along the x axis from x = -300 to x = -54 user units,
# drawn over the red axis in the window text colour.
trajectoire() {
  local noirs=0 ux r g b
  for ux in -280 -240 -200 -160 -120 -80; do
    read -r r g b < <(couleur "$image" $((8 + (ux + 500) * 496 / 1000)) 298)
    [ "$r" -lt 80 ] && [ "$g" -lt 80 ] && [ "$b" -lt 80 ] && noirs=$((noirs + 1))
  done
  [ "$noirs" -ge 5 ]
}
capture() {
  import -window "$principale" "$travail/fenetre.png" 2>/dev/null &&
    convert "$travail/fenetre.png" -crop "792x571+0+$menu" +repage "$image"
}

# The empty view is drawn before "Lancer" is pressed, and the situation
# showed the Vx(t) chart: its white area where the window is grey.
jusqua eval 'capture && teal' || echec "disque de la Terre attendu au centre de la vue vide"
[ "$(couleur "$image" 560 380)" = "255 255 255" ] || echec "graphique Vx(t) attendu : la situation n'a pas été ouverte"
trajectoire && echec "une trajectoire est tracée avant le lancement"

# "Lancer".
clique "$principale" 600 $((316 + menu))
jusqua eval 'capture && trajectoire' || echec "trajectoire absente de l'axe des x"
teal || echec "disque de la Terre attendu au centre après le lancement"
# Far from the trajectory the axis stays light red.
read -r r g b < <(couleur "$image" $((8 + 900 * 496 / 1000)) 298)
[ "$r" -gt 200 ] && [ "$g" -lt 60 ] || echec "axe rouge attendu, vu $r $g $b"

# Ctrl+S, a file name typed into the dialog, Enter: a header and the 103
# points 0..102, the last one at the impact time.
points="$maison/points.csv"
xdotool key ctrl+s
attends_fenetre "Enregistrer les points" >/dev/null || echec "la boîte d'enregistrement ne s'est pas ouverte"
sleep 0.5
xdotool type "$points"
xdotool key Return
jusqua test -s "$points" || echec "fichier des points absent"
sep=,
head -n 1 "$points" | grep -q ';' && sep=';'
[ "$(head -n 1 "$points")" = "t (s)${sep}X (km)${sep}Y (km)${sep}Vx (m/s)${sep}Vy (m/s)${sep}V (m/s)" ] ||
  echec "en-tête inattendu : $(head -n 1 "$points")"
# The rows' format is the unit tests' matter: here, the whole table reached the file.
[ "$(wc -l <"$points")" -eq 104 ] || echec "en-tête et 103 points attendus, vu $(wc -l <"$points") lignes"
tail -n 1 "$points" | grep -q "^8772${sep}-5354" || echec "dernier point inattendu : $(tail -n 1 "$points")"

# "Quitter" ends the process.
clique "$principale" 756 $((522 + menu))
jusqua eval '! kill -0 "$APP_PID" 2>/dev/null' || echec "le programme tourne encore après « Quitter »"
wait "$APP_PID"; rc=$?
APP_PID=""
rapport && echec "fin du programme"
[ "$rc" -eq 0 ] || echec "code de sortie $rc"
restes=$(cd "$maison" && find . -mindepth 1 | sort | tr '\n' ' ')
[ "$restes" = "./points.csv " ] || echec "fichiers écrits en plus des points : $restes"
echo "1 passed, 0 failed"
