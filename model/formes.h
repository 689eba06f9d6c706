#pragma once
// Number-to-text forms shared by every caption and field the program writes.
// All keep at most 15 significant digits and switch to exponent notation
// ("1.5E+15", "1E-05") for magnitudes of 10^15 and more or below 10^-4.

#include "TexteFixe.h"

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

} // namespace orbeline
