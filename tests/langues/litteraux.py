#!/usr/bin/python3
"""Fails on a text a user could read left in product code instead of the catalogue.

A string literal of the C++ sources (model, view, charts, shell, ui, web) or
of the page's script and HTML that reads like words for a person: letters
with a blank between words, accented letters, or a single word ("Maj",
"infini"). Technical strings (CSS, element ids, media types, file patterns,
key names) have no such shape or are listed in the allowed forms below; a
single word is technical when the code uses it as a name of its own (an
identifier, a key of a situation, an element id), when it is shaped like an
identifier ("lblVersion", "DISPLAY", "NaN"), or when it is a word of the
markup, styles and toolkits listed in MOTS_TECHNIQUES.
"""
import re
import sys
from pathlib import Path

RACINE = Path(sys.argv[1]) if len(sys.argv) > 1 else None
DOSSIERS = ['model', 'view', 'charts', 'shell', 'ui', 'web', 'langues']
LITTERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
MOTS = re.compile(r"[A-Za-zÀ-ÿ]{2,}[ ',][A-Za-zÀ-ÿ]{2,}|[À-ÿ]")
MOT_SEUL = re.compile(r'^[A-Za-z]{2,}$')
# An identifier's shape: a capital after the first letter (lblVersion, NaN, DISPLAY).
IDENTIFIANT = re.compile(r'^.+[A-Z]')
# Strings that are not for a person: CSS, style sheets and class lists, font
# names, media types, the toolkit's own words (its messages the program
# recognises, the source texts of its dialogs the catalogue translates).
TECHNIQUE = re.compile(r'^(?:[\w-]+: |[#.\[]|\\u|&[a-z]+;|QGroupBox|QThread::|cadre titre$|compacte deux$)|'
                       r'(?:Sans Serif|Liberation Sans|DejaVu Sans|Microsoft Sans|MS Sans|sans-serif|font-family|'
                       r'text/|image/|application/|Ctrl\+|\(\*\.|could not connect to display|wl_display)')
# Single words of the page's markup and styles, of the toolkits, fonts and
# keys, and the program's own names nothing else in the code spells.
MOTS_TECHNIQUES = {
    'alt', 'autocomplete', 'bold', 'enterkeyhint', 'fieldset', 'go', 'inputmode', 'legend', 'maxlength', 'off',
    'spellcheck', 'status', 'compose', 'xcb', 'qtbase', 'csv', 'Arial', 'Orbeline', 'Enter', 'Return', 'Control',
    'Shift', 'Vx', 'Vy', 'region', 'tabindex', 'pt', 'msat', 'observer', 'tau', 'vox', 'voy', 'starbleue', 'vecteurs', 'exacte', 'kepler', 'Arrow', 'strong',
}
# The toolkit's texts the catalogue fills in (ui/application.cpp), and the
# Windows version record (its fixed words).
FICHIERS_TECHNIQUES = {'ui/application.cpp', 'ui/orbeline.rc.in'}


def sans_commentaires(ligne):
    return ligne.split('//')[0] if not ligne.lstrip().startswith('//') else ''


def pour_une_personne(s, noms):
    """Whether a literal's text reads like words for a person; `noms`: the identifiers of the code."""
    if MOTS.search(s):
        return not TECHNIQUE.search(s)
    return bool(MOT_SEUL.match(s)) and s not in noms and s not in MOTS_TECHNIQUES and not IDENTIFIANT.match(s)


def sources():
    for dossier in DOSSIERS:
        for f in sorted((RACINE / dossier).rglob('*')):
            if f.suffix in ('.cpp', '.h', '.js', '.in', '.html') and str(f.relative_to(RACINE)) not in FICHIERS_TECHNIQUES:
                yield f, f.read_text(encoding='utf-8')


def identifiants():
    """Every name the code spells outside its literals and comments (a member's
    without its trailing "_"), and the page's element ids and classes, in its
    markup and its style sheet."""
    noms = set()
    for f, texte in sources():
        if f.suffix == '.html':
            for valeur in re.findall(r'(?:id|class)="([^"]*)"', texte):
                noms.update(valeur.split())
            noms.update(re.findall(r'[.#]([A-Za-z][\w-]*)\s*[{,:]', texte))   # the style sheet's selectors
            continue
        for ligne in texte.split('\n'):
            noms.update(n.rstrip('_') for n in re.findall(r'[A-Za-z_]\w*', LITTERAL.sub(' ', sans_commentaires(ligne))))
    return noms


def fautes():
    noms = identifiants()
    for f, texte in sources():
        if f.suffix == '.html':
            # The page's own words: text between tags and in attributes a person reads.
            for m in re.finditer(r'>([^<>{}]*[A-Za-zÀ-ÿ]{2,}[^<>{}]*)<|(?:aria-label|title|alt)="([^"]+)"', texte):
                mot = (m.group(1) or m.group(2)).strip()
                if mot and not mot.startswith('{{{') and not re.match(r'^[\s\w.-]*$', mot) or re.search(r'[À-ÿ ]', mot or ''):
                    if mot and not mot.startswith('{{{'):
                        yield f'{f.relative_to(RACINE)}: {mot[:70]}'
            continue
        for n, ligne in enumerate(texte.split('\n'), 1):
            code = sans_commentaires(ligne)
            # (A screen arrangement's piece names layout rows by their names.)
            if '#include' in code or 'static_assert' in code or 'Piece::' in code:
                continue
            for m in LITTERAL.finditer(code):
                if pour_une_personne(m.group(1), noms):
                    yield f'{f.relative_to(RACINE)}:{n}: "{m.group(1)[:70]}"'


# What the check must keep catching, and what it must let through.
assert all(pour_une_personne(s, {'button'}) for s in ['Maj', 'infini', 'Lancer le calcul', 'écart'])
assert not any(pour_une_personne(s, {'button'}) for s in ['button', 'lblVersion', 'DISPLAY', 'text/csv', 'Ctrl+Shift+S'])

if __name__ == '__main__':
    liste = list(fautes())
    for l in liste:
        print(l)
    sys.exit(1 if liste else 0)
