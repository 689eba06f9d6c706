// The browser tests in one engine, ORBELINE_MOTEUR (see navigateur.mjs),
// started once for all the files: every file in chromium; in firefox and
// webkit the launch, the situation's round trips, the scenarios' numbers and
// the arrangement by the room.
const fichiers = (process.env.ORBELINE_MOTEUR ?? 'chromium') === 'chromium'
  ? ['lancement', 'scenarios', 'page', 'situations', 'physique', 'agencement']
  : ['lancement', 'scenarios', 'agencement'];
for (const f of fichiers) await import(`./${f}.test.mjs`);
