#pragma once
// Rules every launch must keep, checked by the fuzz target on any six texts;
// the GUI monkey test checks the surfaces' states. Each returns "" when the
// rule holds, else what broke.

#include "FenetreEnregistree.h"
#include "SimulationState.h"

#include <string>
#include <string_view>

namespace orbeline::test {

/// After a run that calcule did not refuse: 1 ≤ Nfin ≤ 999, every stored value
/// finite up to Nfin, and, for a run that was not stopped, the impact captions
/// present exactly when a point before Nfin lies inside the attractor, naming
/// the time of point Nfin and its velocity. A stopped run shows no caption.
std::string ecartCalcul(const SimulationState& s, std::string_view label11, std::string_view label12,
                        bool arrete);

/// A surface's scale, current position and controls' places and sizes finite.
std::string ecartEtat(const EtatSurface& e);

/// Every number handed to the six recording surfaces, and their state, finite.
std::string ecartDessin(const FenetreEnregistree& f);

} // namespace orbeline::test
