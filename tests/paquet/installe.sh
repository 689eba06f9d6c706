#!/usr/bin/env bash
# The package as a technician installs it: unpacked into a temporary root,
# its menu entry, icons, manual page and software-centre record where the
# freedesktop conventions put them, then the command-line and end-to-end
# tests run against the program found there.
# Usage: installe.sh PAQUET
set -u
PAQUET=$1
e2e=$(cd "$(dirname "$0")/../e2e" && pwd)
racine=$(mktemp -d)
trap 'rm -rf "$racine"' EXIT
echecs=0
echec() { echo "ÉCHEC : $*" >&2; echecs=$((echecs + 1)); }

dpkg-deb -x "$PAQUET" "$racine" || { echo "ÉCHEC : dpkg-deb -x $PAQUET" >&2; exit 1; }
orbeline=$racine/usr/bin/orbeline
[ -x "$orbeline" ] || echec "programme absent de /usr/bin"

entree=$racine/usr/share/applications/orbeline.desktop
[ -f "$entree" ] || echec "entrée de menu absente de /usr/share/applications"
[ "$(sed -n 's/^Exec=//p' "$entree")" = "orbeline %f" ] || echec "l'entrée de menu ne lance pas orbeline"
# It opens the situation files, whose type the package declares; the ready-made ones are installed.
type=$(sed -n 's/^MimeType=\(.*\);$/\1/p' "$entree")
grep -q "type=\"$type\"" "$racine"/usr/share/mime/packages/orbeline.xml 2>/dev/null || echec "type « $type » non déclaré"
[ "$(ls "$racine"/usr/share/orbeline/situations/*.orbeline 2>/dev/null | wc -l)" -ge 5 ] || echec "situations toutes prêtes absentes"

# Each icon named by the menu entry has the size its folder announces; a
# software centre needs one of at least 64 × 64.
icone=$(sed -n 's/^Icon=//p' "$entree")
grande=0
for png in "$racine"/usr/share/icons/hicolor/*/apps/"$icone".png; do
  [ -f "$png" ] || { echec "aucune icône « $icone » dans /usr/share/icons/hicolor/NxN/apps"; break; }
  dossier=$(basename "$(dirname "$(dirname "$png")")")
  reel=$(file -b "$png" | sed -n 's/^PNG image data, \([0-9]*\) x \([0-9]*\),.*/\1x\2/p')
  [ "$reel" = "$dossier" ] || echec "icône du dossier $dossier de taille « $reel »"
  [ "${reel%%x*}" -ge 64 ] 2>/dev/null && grande=1
done
[ "$grande" -eq 1 ] || echec "aucune icône d'au moins 64 × 64"

# The manual page names the files the program writes and every menu shortcut.
page=$(zcat "$racine"/usr/share/man/man1/orbeline.1.gz)
for mot in CSV PNG PDF .orbeline Ctrl+O Ctrl+Maj+S Ctrl+S Ctrl+Maj+C Ctrl+P Ctrl+Q F1 Alt+F Alt+D Alt+A; do
  [[ $page == *"$mot"* ]] || echec "la page de manuel ne nomme pas « $mot »"
done

# man shows the English page to an English user, the French one by default.
[[ $(export MANPATH=$racine/usr/share/man LC_ALL=C.UTF-8 LANGUAGE=; man -L en orbeline; man orbeline) == *"User Commands"*"Commandes de l'utilisateur"* ]] 2>/dev/null || echec "man -L en ne montre pas la page anglaise, ou man pas la française par défaut"

# The record is in /usr/share/metainfo and its launchable is the menu entry above.
ls "$racine"/usr/share/metainfo/*.metainfo.xml >/dev/null 2>&1 || echec "fiche AppStream absente de /usr/share/metainfo"
appstreamcli validate-tree --no-net "$racine" >&2 || echec "fiche AppStream et entrée de menu incohérentes"

"$e2e/options.sh" "$orbeline" "$(dpkg-deb -f "$PAQUET" Version)" || echec "ligne de commande du programme installé"
"$e2e/lancement.sh" "$orbeline" || echec "test de bout en bout du programme installé"

echo "$((echecs == 0)) passed, $((echecs != 0)) failed"
[ "$echecs" -eq 0 ]
