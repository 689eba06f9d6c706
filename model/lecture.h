#pragma once
// Lenient reading of a number typed in a field: what every field of the
// program goes through before the simulation sees it.

#include <string_view>

namespace orbeline {

/// Reads the leading numeric part of a field's text.
///
/// "." is the decimal separator whatever the locale; an optional sign, an
/// optional exponent (E or D, "1.99E+6"); blanks, tabs and line feeds are
/// skipped anywhere ("30 000" reads 30000); "&H" and "&O" introduce a
/// hexadecimal or octal whole number. Reading stops at the first character
/// that cannot continue the number; an empty or non-numeric text reads 0
/// ("6,00" reads 6). A magnitude beyond the double range reads as ±infinity,
/// which callers treat as an arithmetic error. The result is correctly
/// rounded however many digits the text holds. Allocates nothing.
double lisNombre(std::string_view texte);

} // namespace orbeline
