#!/usr/bin/python3
"""Fails on a text a user could read left in product code instead of the catalogue.

A string literal of the C++ sources (model, view, charts, shell, ui, web) or
of the page's script and HTML that reads like words for a person: letters
with a blank between words, or accented letters. Technical strings (CSS,
element ids, media types, file patterns, key names) have no such shape or
are listed in the page's allowed forms below.
"""
import re
import sys
from pathlib import Path

RACINE = Path(sys.argv[1])
DOSSIERS = ['model', 'view', 'charts', 'shell', 'ui', 'web', 'langues']
LITTERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
MOTS = re.compile(r"[A-Za-zÀ-ÿ]{2,}[ ',][A-Za-zÀ-ÿ]{2,}|[À-ÿ]")
# Strings that are not for a person: CSS, style sheets and class lists, font
# names, media types, the toolkit's own words (its messages the program
# recognises, the source texts of its dialogs the catalogue translates).
TECHNIQUE = re.compile(r'^(?:[\w-]+: |[#.\[]|\\u|&[a-z]+;|QGroupBox|QThread::|cadre titre$)|'
                       r'(?:Sans Serif|Liberation Sans|DejaVu Sans|Microsoft Sans|MS Sans|sans-serif|font-family|'
                       r'text/|image/|application/|Ctrl\+|\(\*\.|could not connect to display|wl_display)')
# The toolkit's texts the catalogue fills in (ui/application.cpp), and the
# Windows version record (its fixed words).
FICHIERS_TECHNIQUES = {'ui/application.cpp', 'ui/orbeline.rc.in'}


def sans_commentaires(ligne):
    return ligne.split('//')[0] if not ligne.lstrip().startswith('//') else ''


def fautes():
    for dossier in DOSSIERS:
        for f in sorted((RACINE / dossier).rglob('*')):
            if f.suffix not in ('.cpp', '.h', '.js', '.in', '.html') or str(f.relative_to(RACINE)) in FICHIERS_TECHNIQUES:
                continue
            texte = f.read_text(encoding='utf-8')
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
                    s = m.group(1)
                    if MOTS.search(s) and not TECHNIQUE.search(s):
                        yield f'{f.relative_to(RACINE)}:{n}: "{s[:70]}"'


if __name__ == '__main__':
    liste = list(fautes())
    for l in liste:
        print(l)
    sys.exit(1 if liste else 0)
