#!/usr/bin/python3
"""Builds what the program needs from the gettext catalogues of langues/.

orbeline.pot holds every text of the program in French, the program's own
language, each under an id (msgctxt); LANG.po holds its translation in one
language under the same id and French text. Documents have their French home
elsewhere and are translated by unit, the unit's French text as msgid, under
the document's context:

  "guide"      the README's "Guide de l'élève" section, by block (`blocs`)
  "manuel"     paquet/orbeline.1.in, by title, .TP tag line or paragraph
  "appstream"  paquet/fr.talvenor.orbeline.metainfo.xml.in (name, summary,
               paragraphs, items, keywords) and paquet/orbeline.desktop.in
               (Name, GenericName, Comment, each keyword): one text, one
               translation for both

  catalogue.py textes    OUT.h LANG... [-- DIR...]
                                                the C++ header: ids, texts, guide;
                                                with folders, the page's: only the
                                                texts their sources name
  catalogue.py manuel    IN.1 OUT.1 LANG        the manual page in that language
  catalogue.py appstream IN.xml OUT.xml LANG... the AppStream record, English
                                                untagged, the others xml:lang
  catalogue.py bureau    IN OUT LANG...         the desktop entry, likewise
  catalogue.py verifie   LANG... [-- LANG...]   fails on a text or unit missing
                                                from a language before "--", a
                                                placeholder that differs from
                                                the French one, or a
                                                translation of a French text
                                                that is no more

A language may lack texts and units: the program shows those in French, the
manual page keeps them in French, the AppStream record and the desktop entry
leave them out for that language (their readers fall back on the untagged
English). `verifie` holds the languages before "--", those shipped whole, to
every text; the ones after it, still partial, only to what they have.

Nothing here is a program the build made: python3 with polib and markdown,
both Debian packages.
"""
import os
import re
import sys
from xml.sax.saxutils import escape, unescape

import markdown
import polib

ICI = os.path.dirname(os.path.abspath(__file__))
RACINE = os.path.dirname(ICI)
SOURCE = 'fr'   # the language of orbeline.pot, of the README and of the manual page


def modele():
    return polib.pofile(os.path.join(ICI, 'orbeline.pot'))


def catalogue(langue):
    """{(context, French text): translation} of one language; the French one maps each text to itself."""
    if langue == SOURCE:
        return None
    return {(e.msgctxt, e.msgid): e.msgstr for e in polib.pofile(os.path.join(ICI, langue + '.po'))
            if e.msgstr and not e.obsolete and 'fuzzy' not in e.flags}


def traduit(cat, contexte, francais):
    if cat is None:
        return francais
    return cat.get((contexte, francais))


def texte(ident, langue):
    """The text `ident` in a language, in French where it has no translation yet."""
    francais = next(e.msgid for e in modele() if e.msgctxt == ident and not e.obsolete)
    return traduit(catalogue(langue), ident, francais) or francais


def guide_francais():
    texte = open(os.path.join(RACINE, 'README.md'), encoding='utf-8').read()
    debut = texte.index("## Guide de l'élève")
    fin = texte.find('\n## ', debut + 1)
    return texte[debut:fin if fin >= 0 else len(texte)].rstrip() + '\n'


LISTE = re.compile(r'^( *)(\d+\.|-|#{2,4}) +(.*)$')


def blocs(md):
    """The guide as (prefix, text) blocks: a heading, a list item with its
    continuation lines, a paragraph. A blank line gives the block (None, '')."""
    resultat = []
    for ligne in md.split('\n'):
        m = LISTE.match(ligne)
        if not ligne.strip():
            resultat.append((None, ''))
        elif m:
            resultat.append((m.group(1) + m.group(2) + ' ', m.group(3).strip()))
        elif resultat and resultat[-1][0] is not None:
            prefixe, texte = resultat[-1]
            resultat[-1] = (prefixe, texte + ' ' + ligne.strip())
        else:
            retrait = len(ligne) - len(ligne.lstrip())
            resultat.append((' ' * retrait, ligne.strip()))
    return resultat


def retrait_markdown(prefixe):
    """The README nests by three blanks (under "1. "); Python-Markdown wants four."""
    n = len(prefixe) - len(prefixe.lstrip(' '))
    return ' ' * ((n + 2) // 3 * 4) + prefixe.lstrip(' ')


def guide(langue):
    """The guide's markdown in a language, a block without a translation in French."""
    cat = catalogue(langue)
    lignes = []
    for prefixe, texte in blocs(guide_francais()):
        if prefixe is None:
            lignes.append('')
            continue
        t = traduit(cat, 'guide', texte) or texte
        # A list item right after a paragraph starts a new item, as on GitHub,
        # where Python-Markdown would take it for the paragraph's next line.
        if LISTE.match(prefixe + 'x') and lignes and lignes[-1] and not LISTE.match(lignes[-1]):
            lignes.append('')
        lignes.append(retrait_markdown(prefixe) + t)
    return '\n'.join(lignes)


def cpp(texte):
    """A C++ string literal."""
    echappe = texte.replace('\\', '\\\\').replace('"', '\\"').replace('\n', '\\n').replace('\t', '\\t')
    # "??" would start a trigraph in older modes; an escaped "?" never does.
    return '"' + echappe.replace('?', '\\?') + '"'


NOMME = re.compile(r'\bTexte::(\w+)')


def nommes(dossiers):
    """The ids the C++ sources under these folders name (`Texte::id`). The
    page's catalogue keeps only those: the others are the desktop's own (its
    command line, its dialogs, its file system's messages)."""
    ids = set()
    for dossier in dossiers:
        for racine, _, fichiers in os.walk(dossier):
            for nom in fichiers:
                if not nom.endswith(('.cpp', '.h')):
                    continue
                source = open(os.path.join(racine, nom), encoding='utf-8').read()
                # A text reached otherwise than by its id would be left out unseen.
                if re.search(r'using\s+enum\s+Texte\b|static_cast<\s*Texte\s*>', source):
                    sys.exit('%s : un texte y est désigné autrement que par Texte::id' % os.path.join(racine, nom))
                ids.update(NOMME.findall(source))
    return ids


def textes(sortie, langues, dossiers=None):
    """The header; with `dossiers`, the page's: the texts no source there names are left empty."""
    entrees = [e for e in modele() if not e.obsolete]
    ids = [e.msgctxt for e in entrees]
    assert len(ids) == len(set(ids)), 'an id appears twice in orbeline.pot'
    gardes = set(ids) if dossiers is None else nommes(dossiers)
    # Every text of every language end to end in one literal, and each one's
    # length: a quarter of the size of a table of string_views.
    tout, longueurs = '', []
    for langue in langues:
        cat = catalogue(langue)
        for e in entrees:
            # A text without a translation shows in French; `verifie` names it.
            texte = (traduit(cat, e.msgctxt, e.msgid) or e.msgid) if e.msgctxt in gardes else ''
            tout += texte
            longueurs.append(len(texte.encode('utf-8')))
    entier = 'std::uint16_t' if max(longueurs) < 1 << 16 else 'std::uint32_t'
    h = ['// Generated by langues/catalogue.py from langues/*.po: do not edit.',
         '#pragma once', '#include <array>', '#include <cstdint>', '#include <string_view>', '',
         'namespace orbeline {', '',
         '/// The languages of the program, French first (the default).',
         'enum class Langue : std::uint8_t { ' + ', '.join(langues) + ' };',
         'inline constexpr std::array<std::string_view, %d> kCodesLangues{%s};'
         % (len(langues), ', '.join(cpp(l) for l in langues)), '',
         '/// Every text of the program, by id.',
         'enum class Texte : std::uint16_t {']
    h += ['    %s,' % i for i in ids]
    h += ['};', 'inline constexpr std::size_t kNombreTextes = %d;' % len(ids), '', 'namespace catalogue {',
          '/// The texts of every language, French first, each language in the order of `Texte`;',
          '/// text t of language l is the kLongueurs[l * kNombreTextes + t] bytes after those before it.',
          '/// Lengths rather than where each starts: in the page, they compress to half as much.',
          'inline constexpr char kTout[] =']
    h += ['    %s' % cpp(tout[k:k + 100]) for k in range(0, len(tout), 100)]
    h[-1] += ';'
    h.append('inline constexpr std::array<%s, %d> kLongueurs{%s};'
             % (entier, len(longueurs), ', '.join(map(str, longueurs))))
    for langue in langues:
        h.append('inline constexpr std::string_view kGuide_%s = %s;' % (langue, cpp(
            markdown.markdown(guide(langue), output_format='html'))))
    h.append('inline constexpr std::array<std::string_view, %d> kGuides{%s};'
             % (len(langues), ', '.join('kGuide_' + l for l in langues)))
    h += ['} // namespace catalogue', '} // namespace orbeline', '']
    ecrit(sortie, '\n'.join(h))


def ecrit(chemin, texte):
    # Rewritten only when it changes, so that nothing rebuilds for nothing.
    if os.path.exists(chemin) and open(chemin, encoding='utf-8').read() == texte:
        return
    with open(chemin, 'w', encoding='utf-8') as f:
        f.write(texte)


class Manque(Exception):
    """A source the units cannot be cut from."""


def traducteur(langue, contexte, repli=True):
    """The function that turns a unit of a document into a language: the French
    unit where it has no translation yet, or None when not `repli`."""
    cat = catalogue(langue)

    def traduis(francais):
        t = traduit(cat, contexte, francais)
        return francais if t is None and repli else t
    return traduis


# The manual page. A unit is a .TH page's section name, a .SH or .SS title, a
# .TP tag line, or a paragraph: its text lines joined by one blank. These
# requests carry no text and end a paragraph; any other (.B, .BR, .I…) would
# cut a sentence in two, so the French page writes fonts inline, \fB…\fR.
SEPARATIONS = {'.PP', '.P', '.LP', '.br', '.sp', '.RS', '.RE', '.TP'}
FIN_DE_PHRASE = re.compile(r'(?<=[.!?])\s+(?=[A-ZÀ-Ý\\])')


def lignes_roff(texte):
    """A unit as roff text lines: a sentence a line (so that roff spaces sentences), none starting as a request."""
    return [('\\&' + l if l[:1] in ('.', "'") else l) for l in FIN_DE_PHRASE.split(texte.strip())]


def manuel(source, traduis, nom='orbeline.1'):
    sortie, paragraphe, etiquette = [], [], False

    def fin_paragraphe():
        if paragraphe:
            sortie.extend(lignes_roff(traduis(' '.join(paragraphe))))
            paragraphe.clear()
    for n, ligne in enumerate(source.rstrip('\n').split('\n'), 1):
        if ligne.startswith(('.\\"', "'\\\"")):
            pass   # the French page's notes for its writers
        elif ligne.startswith(('.', "'")):
            fin_paragraphe()
            requete, _, argument = ligne.partition(' ')
            m = re.match(r'(.*)"([^"]*)"\s*$', ligne)
            if requete == '.TH' and m:
                sortie.append('%s"%s"' % (m.group(1), traduis(m.group(2))))
            elif requete in ('.SH', '.SS') and argument.strip():
                titre = traduis(argument.strip().strip('"'))
                sortie.append('%s %s' % (requete, '"%s"' % titre if ' ' in titre else titre))
            elif requete in SEPARATIONS and not argument.strip():
                sortie.append(ligne)
            else:
                raise Manque('%s:%d: « %s » coupe une phrase : écrivez les polices dans le texte (\\fB…\\fR)'
                             % (nom, n, requete))
            etiquette = requete == '.TP'
        elif not ligne.strip():
            raise Manque('%s:%d: ligne vide : séparez les paragraphes par .PP' % (nom, n))
        elif etiquette:
            sortie.extend(lignes_roff(traduis(ligne.strip())))
            etiquette = False
        else:
            paragraphe.append(ligne.strip())
    fin_paragraphe()
    return '\n'.join(['.\\" Written by langues/catalogue.py from %s and the catalogues: do not edit.' % nom]
                     + sortie) + '\n'


# The AppStream record: each of these elements, on its own lines, is a unit;
# it is written untagged in English, then once per other language with xml:lang.
TRADUISIBLE_XML = re.compile(r'^([ \t]*)<(name|summary|p|li|keyword)>(.*?)</\2>[ \t]*\n', re.M | re.S)
LANGUES_XML = re.compile(r'^([ \t]*)<languages>.*?</languages>[ \t]*\n', re.M | re.S)
NON_ANGLAIS = 'en'


def texte_xml(m):
    # Only the file's own line breaks and indents go: a no-break space is the text's.
    return re.sub(r'[ \t\n]+', ' ', unescape(m.group(3))).strip()


def appstream(source, langues):
    autres = [l for l in langues if l != NON_ANGLAIS]
    traducteurs = {l: traducteur(l, 'appstream', l == NON_ANGLAIS) for l in langues}

    def element(m):
        retrait, balise, francais = m.group(1), m.group(2), texte_xml(m)
        lignes = ['%s<%s>%s</%s>' % (retrait, balise, escape(traducteurs[NON_ANGLAIS](francais)), balise)]
        lignes += ['%s<%s xml:lang="%s">%s</%s>' % (retrait, balise, l, escape(t), balise)
                   for l in autres if (t := traducteurs[l](francais)) is not None]
        return '\n'.join(lignes) + '\n'

    def liste(m):
        return '%s<languages>\n%s%s</languages>\n' % (
            m.group(1), ''.join('%s  <lang>%s</lang>\n' % (m.group(1), l) for l in langues), m.group(1))
    return LANGUES_XML.sub(liste, TRADUISIBLE_XML.sub(element, source))


# The desktop entry: these keys, untagged in the French source, become English
# and each other language's [LANG]; Keywords a keyword at a time.
TRADUISIBLE_BUREAU = re.compile(r'^(Name|GenericName|Comment|Keywords)=(.*)$')


def bureau(source, langues):
    autres = [l for l in langues if l != NON_ANGLAIS]
    sortie = []
    for ligne in source.rstrip('\n').split('\n'):
        m = TRADUISIBLE_BUREAU.match(ligne)
        if not m:
            sortie.append(ligne)
            continue
        cle, francais = m.groups()
        for l in [NON_ANGLAIS] + autres:
            traduis = traducteur(l, 'appstream', l == NON_ANGLAIS)
            valeurs = [traduis(k) for k in (francais.split(';') if cle == 'Keywords' else [francais]) if k]
            if None in valeurs:
                continue   # the untagged English stands in for it
            valeur = ''.join(v + ';' for v in valeurs) if cle == 'Keywords' else valeurs[0]
            sortie.append('%s%s=%s' % (cle, '' if l == NON_ANGLAIS else '[%s]' % l, valeur))
    return '\n'.join(sortie) + '\n'


def source(chemin):
    return open(os.path.join(RACINE, chemin), encoding='utf-8').read()


MANUEL, APPSTREAM, BUREAU = 'paquet/orbeline.1.in', 'paquet/fr.talvenor.orbeline.metainfo.xml.in', 'paquet/orbeline.desktop.in'


def unites_documents():
    """Every (context, French unit) of the documents, as their writers cut them."""
    unites = {('guide', t) for p, t in blocs(guide_francais()) if p is not None}

    def note(contexte):
        def f(t):
            unites.add((contexte, t))
            return t
        return f
    manuel(source(MANUEL), note('manuel'), MANUEL)
    for m in TRADUISIBLE_XML.finditer(source(APPSTREAM)):
        unites.add(('appstream', texte_xml(m)))
    for ligne in source(BUREAU).split('\n'):
        m = TRADUISIBLE_BUREAU.match(ligne)
        if m:
            unites.update(('appstream', k) for k in (m.group(2).split(';') if m.group(1) == 'Keywords' else [m.group(2)])
                          if k)
    return unites


MARQUE = re.compile(r'%\d')


def verifie(langues, partielles=()):
    fautes = []
    entrees = [e for e in modele() if not e.obsolete]
    try:
        documents = unites_documents()
    except Manque as e:
        print(e, file=sys.stderr)
        return 1
    francais = {(e.msgctxt, e.msgid) for e in entrees} | documents
    for langue in [*langues, *partielles]:
        if langue == SOURCE:
            continue
        cat = catalogue(langue)
        entiere = langue not in partielles
        for e in entrees:
            t = traduit(cat, e.msgctxt, e.msgid)
            if t is None:
                if entiere:
                    fautes.append('%s: « %s » sans traduction' % (langue, e.msgctxt))
            elif sorted(MARQUE.findall(t)) != sorted(MARQUE.findall(e.msgid)):
                fautes.append('%s: « %s » n’a pas les mêmes %%1, %%2… que le français' % (langue, e.msgctxt))
        for contexte, texte in sorted(documents):
            if entiere and traduit(cat, contexte, texte) is None:
                fautes.append('%s: %s sans traduction : %s…' % (langue, contexte, texte[:60]))
        for contexte, texte in sorted(set(cat) - francais, key=str):
            fautes.append('%s: traduction d’un texte français qui n’existe plus (%s) : %s…'
                          % (langue, contexte, texte[:60]))
    for f in fautes:
        print(f, file=sys.stderr)
    return 1 if fautes else 0


if __name__ == '__main__':
    action = sys.argv[1]
    try:
        if action == 'textes':
            arguments = sys.argv[3:] + ['--']
            coupe = arguments.index('--')
            textes(sys.argv[2], arguments[:coupe], arguments[coupe + 1:-1] if coupe < len(sys.argv[3:]) else None)
        elif action == 'manuel':
            ecrit(sys.argv[3], manuel(open(sys.argv[2], encoding='utf-8').read(), traducteur(sys.argv[4], 'manuel'),
                                      os.path.basename(sys.argv[2])))
        elif action == 'appstream':
            ecrit(sys.argv[3], appstream(open(sys.argv[2], encoding='utf-8').read(), sys.argv[4:]))
        elif action == 'bureau':
            ecrit(sys.argv[3], bureau(open(sys.argv[2], encoding='utf-8').read(), sys.argv[4:]))
        elif action == 'verifie':
            langues = sys.argv[2:] + ['--']
            coupe = langues.index('--')
            sys.exit(verifie(langues[:coupe], langues[coupe + 1:-1]))
        else:
            sys.exit('action inconnue : ' + action)
    except Manque as e:
        sys.exit(str(e))
