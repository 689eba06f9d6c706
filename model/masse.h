#pragma once
// The satellite-mass field (Text7) rewrites itself as a non-negative number
// in the regional general form. Kept apart from the window so that the rule
// can be tested and fuzzed without a toolkit.

#include "formes.h"

#include <string_view>

namespace orbeline {

/// What the field becomes.
struct MasseRecrite {
    Nombre texte;              ///< the general form of the reading's magnitude
    bool tropGrande = false;   ///< the reading overflowed: the text is "0"
};

/// The magnitude of the lenient reading of the text, in the general form
/// with the given decimal separator; 0 when the reading overflows. Writing
/// the result back fires the rewrite again until the text no longer changes:
/// a number written here reads back as itself or, when the separator is
/// neither "." nor "," (nor a blank, which the reading would skip), as its
/// whole part, so the rewrites end after two at most.
MasseRecrite recritMasse(std::string_view texte, std::string_view separateur);

} // namespace orbeline
