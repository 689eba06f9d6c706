/* The page's program is stored as LZMA (web/assemble.py), 11 kB smaller than
 * deflate, which is all DecompressionStream offers. This module, built apart
 * as WebAssembly with no import around the LZMA SDK's decoder
 * (web/CMakeLists.txt), inflates it in the page (web/chargeur.js): compiled
 * at once, a few milliseconds, where a decoder in script runs in the
 * interpreter for tens of them. */
#include <LzmaDec.h>

/* The decoder's probabilities (16 kB for lc 3, lp 0): its one allocation. */
static unsigned char tas[1 << 15];
static void *prend(void *p, size_t n) { (void)p; return n <= sizeof tas ? tas : 0; }
static void rend(void *p, void *a) { (void)p; (void)a; }
static ISzAlloc alloue = {prend, rend};

/* Writes the taille bytes that the l bytes of LZMA at entree (its five bytes
 * of properties first) hold into s; 0 when they were read whole. */
__attribute__((export_name("decompresse")))
int decompresse(const unsigned char *entree, unsigned l, unsigned char *s, unsigned taille) {
  ELzmaStatus etat;
  SizeT lu = l - LZMA_PROPS_SIZE, ecrit = taille;
  const SRes r = LzmaDecode(s, &ecrit, entree + LZMA_PROPS_SIZE, &lu, entree, LZMA_PROPS_SIZE, LZMA_FINISH_ANY,
                            &etat, &alloue);
  return r != SZ_OK || ecrit != taille;
}
