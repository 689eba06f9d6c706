#pragma once
// The legend of the launches kept on the view, as a table: one row per
// launch, its colour and number, what the window read of it (Vox, Voy, X, Y,
// M, τ) and what it did (the impact, or a turn's period and its nearest and
// farthest points), then what the options of shell/physique.h add (Kepler's
// a and T²/a³, the exact orbit). Both front ends show it and the printout
// prints it from here; "Copier le tableau des lancements" copies it.

#include "fenetre.h"

#include <string_view>

namespace orbeline {

struct Principale;

/// The table of the launches kept on the view (none: no row), the launch
/// under the pointer marked; numbers in the readable form with the decimal separator given.
TableLancements tableLancements(const Principale& p, std::string_view separateurDecimal);
/// Writes the table in the legend while it is shown.
void ecritLegende(const Principale& p, Fenetre& f);
/// The launch of the point under the pointer changed (0: none): its row is marked.
void survoleLancement(Principale& p, Fenetre& f, int numero);

} // namespace orbeline
