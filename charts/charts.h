#pragma once
// The five small time-series charts beside the orbit view: X(t) and Y(t),
// Vx(t), Vy(t) and V(t), and the two check boxes that show or hide them.
// They draw only through the window's picture areas 2 to 6.

namespace orbeline {

struct SimulationState;
class Fenetre;

/// Computes the speeds Vt(0..Nfin), scales each chart to its data and draws
/// the velocity charts (box `vitesse` checked) then the position charts (box
/// `xy` checked). Does not clear the areas. Nfin is clamped to 1..1000 so
/// that no index leaves the arrays. A speed beyond the double range stops at
/// the largest double; a chart whose values pass the float range is drawn in
/// units of a power of two, so that its points keep their places.
void TraceVitesse(SimulationState& s, Fenetre& f);

/// Click on `vitesse`: flips Picture2, Label8, Picture3, Label13, Picture4, Label15.
void vitesse_Click(Fenetre& f);

/// Click on `xy`: flips Picture5, Label16, Picture6, Label17.
void xy_Click(Fenetre& f);

} // namespace orbeline
