#!/usr/bin/env bash
# Command line, without any display: --version and --help answer on standard
# output with exit 0; every other argument still leads to the windows, Qt's
# own options (-platform, -display) honoured, its diagnostics let through.
# Usage: options.sh ORBELINE VERSION
set -u
ORBELINE=$1
VERSION=$2
echecs=0
total=0

# [VARIABLE=VALEUR] cas NOM CODE_ATTENDU MOTIF_SORTIE MOTIF_ERREURS ARGUMENTS... (motifs:
# bash regex on the whole text, standard output keeping its final line break)
cas() {
  local nom=$1 code=$2 motif_sortie=$3 motif_erreurs=$4 sortie erreurs rc
  shift 4
  total=$((total + 1))
  erreurs=$(mktemp)
  sortie=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$ORBELINE" "$@" 2>"$erreurs"; echo "code=$?")
  rc=${sortie##*code=}
  sortie=${sortie%code=*}
  if [ "$rc" != "$code" ] || ! [[ $sortie =~ $motif_sortie ]] || ! [[ $(cat "$erreurs") =~ $motif_erreurs ]]; then
    echo "ÉCHEC $nom : code $rc, sortie « $sortie », erreurs « $(cat "$erreurs") »" >&2
    echecs=$((echecs + 1))
  fi
  rm -f "$erreurs"
}

nl=$'\n'
cas version       0 "^Orbeline ${VERSION//./\\.}$nl\$" '^$' --version
cas aide          0 "^Usage.: orbeline .*--version.*$nl\$" '^$' --help
cas premier_gagne 0 '^Usage.: ' '^$' -style fusion --help --version
cas autre         1 '^$' 'aucun écran graphique' --inconnu
# Qt's options are tried, and what failed is said: the display, or Qt's start.
cas ecran_absent  1 '^$' 'could not connect to display :4999.*aucun écran graphique' -display :4999
cas plateforme    1 '^$' 'no Qt platform plugin.*affichage de Qt n.a pas pu démarrer' -platform inexistante
QT_DEBUG_PLUGINS=1 cas diagnostic 1 '^$' 'plugin.factoryloader.*affichage de Qt' -platform inexistante

# A version that cannot be written is a failure, not a silent success.
total=$((total + 1))
env -u DISPLAY "$ORBELINE" --version >/dev/full 2>/dev/null &&
  { echo "ÉCHEC sortie_pleine : code 0 alors que rien n'a été écrit" >&2; echecs=$((echecs + 1)); }

echo "$((total - echecs)) passed, $echecs failed"
[ "$echecs" -eq 0 ]
