#!/usr/bin/python3
"""Plants one-line faults in the Qt-free core, one at a time, and reports those
no test catches: what the tests miss, to be looked at (not a score to tune to).

  outils/mutants/mutants.py [--nombre N] [--graine G] [--fichiers GLOB...] [--liste]

Each mutant is one change on one line of model/, view/, charts/ or shell/ (a
comparison flipped, an operator swapped, a whole-number constant off by one,
a check or a statement dropped, a boolean inverted). It is built in its own
build folder (build-mutants, RelWithDebInfo) and the test programs that use
the core run on it; the file is put back whatever happens. A mutant that does
not build counts as caught (the compiler caught it). Survivors are printed
with their file, line and change; equivalent mutants among them are expected.
"""
import argparse
import glob
import os
import random
import re
import subprocess
import sys
import time

RACINE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
CONSTRUCTION = os.path.join(RACINE, 'build-mutants')
COUCHES = ['model', 'view', 'charts', 'shell']
# The test programs over the core: its own (the number reader's fall-backs too), the windows' (they run the
# shell's procedures), the picture area's.
PROGRAMMES = ['tests/model/test_model', 'tests/model/test_nombres_repli', 'tests/view/test_view', 'tests/charts/test_charts',
              'tests/shell/test_shell', 'tests/ui/fenetre/test_fenetres', 'tests/ui/picture/test_picture']

ECHANGES = [(' < ', ' <= '), (' <= ', ' < '), (' > ', ' >= '), (' >= ', ' > '), (' == ', ' != '), (' != ', ' == '),
            (' && ', ' || '), (' || ', ' && '), (' + ', ' - '), (' - ', ' + '), (' * ', ' / '), (' / ', ' * '),
            ('true', 'false'), ('false', 'true'), ('++', '--'), ('std::min', 'std::max'), ('std::max', 'std::min'),
            ('std::floor', 'std::ceil')]
ENTIER = re.compile(r'(?<![\w.])(\d+)(?![\w.])')


def lignes_utiles(texte):
    """Lines of code worth mutating: not comments, includes, blank lines or braces alone."""
    for n, ligne in enumerate(texte.split('\n')):
        code = ligne.split('//')[0]
        s = code.strip()
        if not s or s.startswith(('#', '*', '/*', '///')) or s in ('{', '}', '};', '});', 'namespace {', 'public:', 'private:'):
            continue
        if 'static_assert' in s or s.startswith(('namespace ', 'using ', 'template', 'struct ', 'class ', 'enum ')):
            continue
        yield n, ligne, code


def mutants_de(chemin):
    texte = open(chemin, encoding='utf-8').read()
    for n, ligne, code in lignes_utiles(texte):
        for avant, apres in ECHANGES:
            debut = 0
            while (i := code.find(avant, debut)) >= 0:
                if not (avant.strip() in '<>' and ('<' in code[:i].split('(')[-1] and 'std::' in code)):
                    yield n, ligne[:i] + apres + ligne[i + len(avant):], f'« {avant.strip()} » → « {apres.strip()} »'
                debut = i + len(avant)
        for m in ENTIER.finditer(code):
            v = int(m.group(1))
            yield n, ligne[:m.start()] + str(v + 1) + ligne[m.end():], f'{v} → {v + 1}'
        s = code.strip()
        if (s.startswith('if (') and ('return' in s or 'continue' in s or 'break' in s)) or \
                (s.endswith(';') and not s.startswith(('return', 'const ', 'constexpr', 'case ', 'default')) and '=' in s):
            yield n, '', 'ligne retirée'


def construit_dossier():
    if not os.path.exists(os.path.join(CONSTRUCTION, 'build.ninja')):
        subprocess.run(['cmake', '-S', RACINE, '-B', CONSTRUCTION, '-G', 'Ninja', '-DCMAKE_BUILD_TYPE=RelWithDebInfo',
                        '-DORBELINE_BENCH=OFF'], check=True, stdout=subprocess.DEVNULL)
    cibles = [os.path.basename(p) for p in PROGRAMMES]
    return subprocess.run(['ninja', '-C', CONSTRUCTION] + cibles, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode == 0


def tests_passent():
    env = dict(os.environ, QT_QPA_PLATFORM='offscreen', DBUS_SESSION_BUS_ADDRESS='unix:path=/nonexistent')
    for p in PROGRAMMES:
        try:
            r = subprocess.run([os.path.join(CONSTRUCTION, p), '--gtest_brief=1'], env=env, timeout=120,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        except subprocess.TimeoutExpired:
            return False
        if r.returncode != 0:
            return False
    return True


def main():
    a = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    a.add_argument('--nombre', type=int, default=60, help='mutants drawn at random (0: all)')
    a.add_argument('--graine', type=int, default=1)
    a.add_argument('--fichiers', nargs='*', help='only these files (globs from the project root)')
    a.add_argument('--liste', action='store_true', help='list the mutants drawn, without running them')
    o = a.parse_args()
    fichiers = sorted(f for c in COUCHES for f in glob.glob(os.path.join(RACINE, c, '*.[ch]*')))
    if o.fichiers:
        fichiers = sorted({f for g in o.fichiers for f in glob.glob(os.path.join(RACINE, g))})
    tous = [(f, n, nouvelle, quoi) for f in fichiers for n, nouvelle, quoi in mutants_de(f)]
    random.Random(o.graine).shuffle(tous)
    tires = tous if o.nombre == 0 else tous[:o.nombre]
    print(f'{len(tous)} mutants possibles, {len(tires)} tirés (graine {o.graine})', flush=True)
    if o.liste:
        for f, n, _, quoi in tires:
            print(f'{os.path.relpath(f, RACINE)}:{n + 1}: {quoi}')
        return 0
    if not construit_dossier() or not tests_passent():
        sys.exit('les tests ne passent pas sans mutant : rien à mesurer')
    survivants, debut = [], time.time()
    for k, (f, n, nouvelle, quoi) in enumerate(tires, 1):
        original = open(f, encoding='utf-8').read()
        lignes = original.split('\n')
        lignes[n] = nouvelle
        try:
            with open(f, 'w', encoding='utf-8') as sortie:
                sortie.write('\n'.join(lignes))
            pris = not construit_dossier() or not tests_passent()
        finally:
            with open(f, 'w', encoding='utf-8') as sortie:
                sortie.write(original)
        if not pris:
            survivants.append((f, n, quoi))
            print(f'  survit : {os.path.relpath(f, RACINE)}:{n + 1}: {quoi}', flush=True)
        print(f'[{k}/{len(tires)}] {len(survivants)} survivants, {time.time() - debut:.0f} s', flush=True)
    construit_dossier()   # the files as they are
    pris = len(tires) - len(survivants)
    print(f'{pris}/{len(tires)} mutants pris par les tests ({100 * pris / max(len(tires), 1):.0f} %)')
    return 0


if __name__ == '__main__':
    sys.exit(main())
