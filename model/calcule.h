#pragma once
// Step-by-step integration of the satellite's motion around the attractor.

#include "SimulationState.h"
#include "TexteFixe.h"
#include "init.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace orbeline {

/// Number of integration steps of a full run.
inline constexpr int kPas = 999;

/// What the pupil reads when a run is refused or stopped ("%1": the field's
/// name, or the point where the run stopped).
inline constexpr Texte kTauTropGrand = Texte::tauTropGrand;
inline constexpr Texte kRayonTropGrand = Texte::rayonTropGrand;
inline constexpr Texte kCalculArrete = Texte::calculArrete;

/// What a run tells the window besides the arrays.
struct ResultatCalcul {
    Libelle label11;          ///< impact time caption ("" without impact)
    Libelle label12;          ///< impact velocity caption ("" without impact)
    CompteRendu compteRendu;  ///< !ok when the run was refused or stopped early
    std::int32_t pas = 0;     ///< the step used, s (0 when the run was refused)
};

/// Rounds to the nearest whole number, halves to the even one (86.5 → 86,
/// 87.5 → 88); empty when the result lies outside the 32-bit signed range.
std::optional<std::int32_t> arrondiPair32(double v);

/// Integrates up to 999 semi-implicit Euler steps of dt / 10 seconds from the
/// state left by init, filling Xt, Yt, Vxt, Vyt at 1..Nfin. The impact test
/// uses the distance at the start of each step, so a run stops one step
/// after the first point strictly inside the radius.
///
/// Arithmetic errors: a step or radius outside the 32-bit range refuses the
/// run and changes nothing; a zero distance has no direction, so its
/// acceleration is taken as 0 (the point is inside the attractor: impact);
/// a value leaving the double range stops the run at the last finite point,
/// with 1 ≤ Nfin ≤ 999 and every stored value finite. Allocates nothing.
ResultatCalcul calcule(SimulationState& s);

} // namespace orbeline
