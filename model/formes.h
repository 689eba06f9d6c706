#pragma once
// Number-to-text forms shared by every caption and field the program writes.
// All keep at most 15 significant digits and switch to exponent notation
// ("1.5E+15", "1E-05") for magnitudes of 10^15 and more or below 10^-4.

#include "TexteFixe.h"

#include <string>
#include <string_view>

namespace orbeline {

/// A formatted number; fits any double in any of the forms below.
using Nombre = TexteFixe<40>;

/// Signed form, used in captions: a blank for a value ≥ 0 or "-", then the
/// magnitude with "." as decimal separator whatever the locale, and no digit
/// before the point below 1 (" .5", "-.5"). The text form of whole numbers in
/// the impact captions (" 8772", "-13") is this form of a whole value.
Nombre formeSignee(double v);

/// General form, used when a number is written into a field: no leading
/// blank, "-" for a negative value, no group separator, the decimal
/// separator given (the user's regional one), "0" before it below 1.
Nombre formeGenerale(double v, std::string_view separateur);

/// v rounded to n significant digits (as it is when not finite or 0).
double significatifs(double v, int n);

/// The form of what the program writes beside its numbers (tooltips, the
/// launches' table, the charts, the printout), never into a field or a file:
/// the general form with the separator given, its whole part grouped by three
/// from 10 000 on as the language groups them ("86 400", "6,130,000.5"; a
/// no-break space where that mark is the separator given); from 10^9
/// on and below 10^-3, 4 significant digits times a power of ten ("2,15 × 10¹³").
std::string formeLisible(double v, std::string_view separateur);

/// The readable form to a tenth (the tooltips' lengths and speeds).
std::string dixieme(double v, std::string_view separateur);

/// m × 10^e as the language writes it ("2,15 × 10¹³"), m in the general form.
std::string puissanceDix(double mantisse, int exposant, std::string_view separateur);

} // namespace orbeline
