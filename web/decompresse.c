/* The page's program is stored as LZMA (web/assemble.py: lc 3, lp 0, pb 0, no
 * header), 11 kB smaller than deflate, which is all DecompressionStream
 * offers. This decoder, built apart as a WebAssembly module of 1.4 kB with no
 * import (web/CMakeLists.txt), inflates it in the page (web/chargeur.js):
 * compiled at once, a few milliseconds, where the same in script runs in its
 * interpreter for tens of them. */
#include <stdint.h>

/* The adaptive probabilities (11 bits) of each decision, one after the other:
 * a match (12 states), a repeated distance (12, and the choice among the four
 * in 3 × 12), a one-byte repeat (12), the distance slots (4 × 64), the
 * distances' low bits (115), the last four bits of long ones (16), the two
 * length decoders (274 each) and the literals (8 × 0x300, by the top three
 * bits of the byte before). */
enum {
  MATCH = 0, REPETE = 12, REPETE0 = 24, REPETE1 = 36, REPETE2 = 48, LONGUE0 = 60,
  CASES = 72, DISTANCES = 328, ALIGNEMENT = 443, LONGUEURS = 459, LONGUEURS_REPETEES = 733,
  LITTERAUX = 1007, TOTAL = LITTERAUX + 8 * 0x300
};
static uint16_t p[TOTAL];
static const uint8_t *e;
static uint32_t rang, code;

static void normalise(void) {
  if (rang < 0x1000000) {
    rang <<= 8;
    code = code << 8 | *e++;
  }
}

static unsigned bit(unsigned k) {
  uint32_t q = p[k], borne = (rang >> 11) * q;
  unsigned b = code >= borne;
  if (b) {
    rang -= borne;
    code -= borne;
    p[k] = (uint16_t)(q - (q >> 5));
  } else {
    rang = borne;
    p[k] = (uint16_t)(q + ((2048 - q) >> 5));
  }
  normalise();
  return b;
}

/* n bits read from the top down a tree of models k + 1 ... */
static unsigned arbre(unsigned k, unsigned n) {
  unsigned m = 1;
  while (m < 1u << n) m = m << 1 | bit(k + m);
  return m - (1u << n);
}

/* ... or from the bottom up. */
static unsigned inverse(unsigned k, unsigned n) {
  unsigned m = 1, v = 0;
  for (unsigned j = 0; j < n; j++) {
    unsigned b = bit(k + m);
    m = m << 1 | b;
    v |= b << j;
  }
  return v;
}

/* A match's length less 2: 3 bits, 3 more after 8, or 8 after 16. */
static unsigned longueur(unsigned k) {
  if (!bit(k)) return arbre(k + 2, 3);
  if (!bit(k + 1)) return 8 + arbre(k + 10, 3);
  return 16 + arbre(k + 18, 8);
}

/* State after a literal: 0 to 6 are after one, 7 to 11 after a match. */
static unsigned apresLitteral(unsigned etat) {
  return etat < 4 ? 0 : etat < 10 ? etat - 3 : etat - 6;
}

/* Writes the taille bytes that the LZMA stream at entree holds into s. */
__attribute__((export_name("decompresse")))
void decompresse(const uint8_t *entree, uint8_t *s, uint32_t taille) {
  for (unsigned k = 0; k < TOTAL; k++) p[k] = 1024;
  e = entree + 5;
  rang = 0xffffffff;
  code = (uint32_t)entree[1] << 24 | (uint32_t)entree[2] << 16 | (uint32_t)entree[3] << 8 | entree[4];
  /* The last four distances, less one. */
  uint32_t etat = 0, r0 = 0, r1 = 0, r2 = 0, r3 = 0, n = 0;
  while (n < taille) {
    if (!bit(MATCH + etat)) {
      unsigned k = LITTERAUX + 0x300 * (n ? s[n - 1] >> 5 : 0), m = 1;
      if (etat >= 7) {
        /* After a match, the byte at the last distance guides the models
         * until the first bit that differs from it. */
        unsigned c = s[n - r0 - 1];
        for (;;) {
          unsigned a = c >> 7 & 1, b = bit(k + ((1 + a) << 8) + m);
          c <<= 1;
          m = m << 1 | b;
          if (a != b || m >= 256) break;
        }
      }
      while (m < 256) m = m << 1 | bit(k + m);
      s[n++] = (uint8_t)m;
      etat = apresLitteral(etat);
      continue;
    }
    unsigned l;
    if (bit(REPETE + etat)) {
      if (!bit(REPETE0 + etat)) {
        if (!bit(LONGUE0 + etat)) {
          etat = etat < 7 ? 9 : 11;
          s[n] = s[n - r0 - 1];
          n++;
          continue;
        }
      } else {
        uint32_t d = r1;
        if (bit(REPETE1 + etat)) {
          if (bit(REPETE2 + etat)) {
            d = r3;
            r3 = r2;
          } else {
            d = r2;
          }
          r2 = r1;
        }
        r1 = r0;
        r0 = d;
      }
      l = longueur(LONGUEURS_REPETEES);
      etat = etat < 7 ? 8 : 11;
    } else {
      r3 = r2;
      r2 = r1;
      r1 = r0;
      l = longueur(LONGUEURS);
      etat = etat < 7 ? 7 : 10;
      unsigned c = arbre(CASES + (l < 3 ? l : 3) * 64, 6);
      r0 = c;
      if (c >= 4) {
        unsigned nb = (c >> 1) - 1;
        r0 = (2 | (c & 1)) << nb;
        if (c < 14) {
          r0 += inverse(DISTANCES + r0 - c, nb);
        } else {
          /* The middle bits at even odds, the last four modelled. */
          uint32_t d = 0;
          for (unsigned j = 4; j < nb; j++) {
            rang >>= 1;
            d <<= 1;
            if (code >= rang) {
              code -= rang;
              d |= 1;
            }
            normalise();
          }
          r0 += (d << 4) + inverse(ALIGNEMENT, 4);
        }
      }
    }
    for (l += 2; l > 0 && n < taille; l--, n++) s[n] = s[n - r0 - 1];
  }
}
