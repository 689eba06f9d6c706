#pragma once
// Lenient reading of a number typed in a field: what every field of the
// program goes through before the simulation sees it.

#include <cstddef>
#include <string_view>

namespace orbeline {

/// What the reading of a text found.
struct Lecture {
    double valeur = 0;         ///< the number read (0 when there is none)
    bool nombre = false;       ///< the text began with a number (after its blanks)
    std::size_t arret = 0;     ///< offset of the character that stopped the reading; the text's size when none did
};

/// Reads the leading numeric part of a field's text.
///
/// "." or "," is the decimal separator whatever the locale, a comma only when
/// a digit follows it ("6,5" reads 6.5, "6," reads 6); only the first
/// separator counts ("1,5.3" reads 1.5). An optional sign, an optional
/// exponent (E or D, "1.99E+6"); blanks (space, tab, line feed, and the
/// no-break, narrow no-break and thin spaces U+00A0, U+202F, U+2009) are
/// skipped anywhere ("30 000" reads 30000); "&H" and "&O" introduce a
/// hexadecimal or octal whole number. Reading stops at the first character
/// that cannot continue the number; an empty or non-numeric text reads 0. A
/// magnitude beyond the double range reads as ±infinity, which callers treat
/// as an arithmetic error. The result is correctly rounded however many
/// digits the text holds. Allocates nothing.
Lecture litNombre(std::string_view texte);

/// The number litNombre reads.
inline double lisNombre(std::string_view texte) { return litNombre(texte).valeur; }

/// Byte length of the blank the reading skips at offset i of the text, 0 when there is none.
std::size_t longueurBlanc(std::string_view texte, std::size_t i);
/// The text without the blanks the reading skips at either end.
std::string_view sansBlancs(std::string_view texte);
/// A digit's value in a base up to 16 (either case for letters), or -1 for any other character.
int valeurChiffre(char c, int base);

} // namespace orbeline
