#!/usr/bin/env python3
"""Writes the web page, one HTML file holding everything.

Usage: assemble.py PAGE.html CHARGEUR.js PROGRAMME.js PROGRAMME.wasm DECODEUR.wasm SORTIE.html LANGUE...

PAGE.html's `{{{ SCRIPT }}}` becomes one inline script, the loader
(web/chargeur.js) then emscripten's script with the page's own (web/surface.js,
web/page.js) as the function `programme(Module)`, which the loader calls with
the WebAssembly; that follows, compressed (LZMA) then in base64, in a data
block, whose attributes hold its size and the decoder (web/decompresse.c),
deflated. `{{{ ILLISIBLE }}}` becomes the catalogue's text for a page whose
program cannot start, in each LANGUE, French first: the loader shows it where
the program could not be read, before anything knows the reader's language.
Inline, so that the page also works opened from a disk, where it may load
nothing. The data last: gzip, which a server may apply to the page, then
compresses the text before it 2 kB better.
"""

import base64
import html
import lzma
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), 'langues'))
import catalogue  # noqa: E402  (langues/catalogue.py, beside this folder)


def compresse(octets):
    """The bytes as LZMA with the five bytes of its properties first, as the
    LZMA SDK's LzmaDecode reads them (web/decompresse.c): literals by the top
    three bits of the byte before (lc 3, lp 0, pb 0) and a dictionary that
    spans them; 11 % smaller than zopfli's deflate."""
    taille = max(1 << 12, len(octets))
    filtre = {'id': lzma.FILTER_LZMA1, 'preset': 9 | lzma.PRESET_EXTREME, 'lc': 3, 'lp': 0, 'pb': 0,
              'dict_size': taille, 'nice_len': 273}
    proprietes = bytes([(0 * 5 + 0) * 9 + 3]) + taille.to_bytes(4, 'little')
    return proprietes + lzma.compress(octets, format=lzma.FORMAT_RAW, filters=[filtre])


def leb(octets, i):
    """The unsigned LEB128 number at i, and where it ends."""
    n = decalage = 0
    while True:
        b = octets[i]
        i += 1
        n |= (b & 0x7f) << decalage
        decalage += 7
        if b < 0x80:
            return n, i


def en_leb(n, signe=False):
    """n as LEB128, signed (an i32.const's) or not."""
    sortie = bytearray()
    while True:
        b = n & 0x7f
        n >>= 7
        if (not signe and n == 0) or (signe and ((n == 0 and not b & 0x40) or (n == -1 and b & 0x40))):
            sortie.append(b)
            return bytes(sortie)
        sortie.append(b | 0x80)


def joint(wasm):
    """The module with its data in one segment. binaryen splits the data where
    zeros run, which saves raw bytes, but each piece's header (its place and
    size) costs the LZMA stream more than the zeros it leaves out: 1.1 kB of
    the page. Memory starts zeroed, so the zeros written back change nothing.
    A module whose data is not all plain active segments is left as it is."""
    sections, i = [], 8
    while i < len(wasm):
        n, debut = leb(wasm, i + 1)
        sections.append((wasm[i], wasm[debut:debut + n]))
        i = debut + n
    donnees = next((corps for ident, corps in sections if ident == 11), None)
    if donnees is None:
        return wasm
    morceaux, (nombre, i) = [], leb(donnees, 0)
    for _ in range(nombre):
        if donnees[i] != 0 or donnees[i + 1] != 0x41:   # active, in memory 0, at an i32.const
            return wasm
        # Its place, a signed number read as an unsigned one: the sign bit of its last byte says which.
        place, i = leb(donnees, i + 2)
        if donnees[i - 1] & 0x40 or donnees[i] != 0x0b:
            return wasm
        taille, i = leb(donnees, i + 1)
        morceaux.append((place, donnees[i:i + taille]))
        i += taille
    debut = min(p for p, _ in morceaux)
    memoire = bytearray(max(p + len(m) for p, m in morceaux) - debut)
    for p, m in morceaux:
        memoire[p - debut:p - debut + len(m)] = m
    un = en_leb(1) + bytes([0, 0x41]) + en_leb(debut, True) + bytes([0x0b]) + en_leb(len(memoire)) + bytes(memoire)
    sortie = bytearray(wasm[:8])
    for ident, corps in sections:
        corps = un if ident == 11 else en_leb(1) if ident == 12 else corps   # the data, its count
        sortie += bytes([ident]) + en_leb(len(corps)) + corps
    return bytes(sortie)


def minifie(script):
    """The script with its names shortened and what it never uses left out
    (web/minifie.cjs, Debian's terser): 2 kB less once gzipped."""
    environnement = dict(os.environ, NODE_PATH='/usr/share/nodejs')
    try:
        fait = subprocess.run(['node', os.path.join(os.path.dirname(os.path.abspath(__file__)), 'minifie.cjs')],
                              input=script, capture_output=True, check=True, text=True, env=environnement)
    except FileNotFoundError:
        sys.exit('assemble.py : programme node introuvable')
    except subprocess.CalledProcessError as e:
        sys.exit('assemble.py : terser a échoué (paquet node-terser) : ' + e.stderr)
    return fait.stdout


def allege(modele):
    """The page's markup and style without their comments and indentation,
    which the reader of web/page.html wants and the browser does not, and the
    style without the spaces its syntax does not need: around braces,
    semicolons, commas, child combinators and "!important", after colons (in
    a selector no space follows one), and a rule's last semicolon. No string
    in the style holds any of those characters."""
    modele = re.sub(r'<!--.*?-->\n?', '', modele, flags=re.S)
    modele = re.sub(r'/\*.*?\*/', '', modele, flags=re.S)
    modele = re.sub(r'\n\s+', '\n', modele)
    # Nor the line breaks between elements, whose text nodes show nothing.
    modele = re.sub(r'>\n<', '><', modele)
    debut, fin = modele.index('<style>') + len('<style>'), modele.index('</style>')
    style = re.sub(r'\s*([{};,>!])\s*', r'\1', modele[debut:fin])
    style = re.sub(r':\s+', ':', style).replace(';}', '}')
    return modele[:debut] + style + modele[fin:]


def illisible(langues):
    """The text for a page whose program cannot start, in each language that
    translates it, each but the first marked with its language."""
    textes = []
    for langue in langues:
        t = catalogue.texte('pageIllisible', langue)
        if all(t != autre for _, autre in textes):
            textes.append((langue, t))
    return '<br>'.join(html.escape(t, quote=False) if i == 0 else f'<span lang="{l}">{html.escape(t, quote=False)}</span>'
                       for i, (l, t) in enumerate(textes))


def main(page, chargeur, programme, wasm, decodeur, sortie, *langues):
    with open(wasm, 'rb') as f:
        octets = joint(f.read())
    # The decoder deflated, which the browser inflates itself: 1.3 kB less gzip;
    # by zopfli, 0.1 kB less than zlib's best.
    try:
        fait = subprocess.run(['zopfli', '--zlib', '-c', decodeur], capture_output=True, check=True)
    except FileNotFoundError:
        sys.exit('assemble.py : programme zopfli introuvable (paquet zopfli)')
    except subprocess.CalledProcessError as e:
        sys.exit('assemble.py : zopfli a échoué : ' + e.stderr.decode(errors='replace'))
    decodeur = base64.b64encode(fait.stdout).decode('ascii')
    with open(chargeur, encoding='utf-8') as f:
        script = f.read().strip()
    with open(programme, encoding='utf-8') as f:
        script += '\nfunction programme(Module) {\n' + f.read().strip() + '\n}'
    script = minifie(script)
    donnees = base64.b64encode(compresse(octets)).decode('ascii')
    # Inside <script>, the text may not close the element.
    if '</script' in script.lower() or '<!--' in script:
        sys.exit('assemble.py : le script contient « </script » ou « <!-- »')
    with open(page, encoding='utf-8') as f:
        modele = allege(f.read())
    for marque in ('SCRIPT', 'ILLISIBLE'):
        if modele.count('{{{ %s }}}' % marque) != 1:
            sys.exit(f'assemble.py : {page} doit contenir une fois {{{{{{ {marque} }}}}}}')
    modele = modele.replace('{{{ ILLISIBLE }}}', illisible(langues))
    with open(sortie, 'w', encoding='utf-8', newline='\n') as f:
        f.write(modele.replace('{{{ SCRIPT }}}', '<script>\n' + script + '\n</script>\n'
                               f'<script type="application/octet-stream" id="programme" data-octets="{len(octets)}" data-decodeur="{decodeur}">'
                               + donnees + '</script>'))


if __name__ == '__main__':
    if len(sys.argv) < 8:
        sys.exit(__doc__.strip().splitlines()[2])
    main(*sys.argv[1:])
