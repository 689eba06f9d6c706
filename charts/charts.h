#pragma once
// The five small time-series charts beside the orbit view: Vx(t), Vy(t) and
// V(t), X(t) and Y(t), and the two check boxes that show or hide them.
// They draw only through the window's picture areas 2 to 6.

#include "SimulationState.h"
#include "fenetre.h"
#include "langue.h"

#include <array>
#include <string_view>

namespace orbeline {

/// One chart: where it is drawn, what it plots and which box governs it.
/// Its area is the layout's `zone(picture)`, its caption `legendeGraphe(picture)`.
struct Graphe {
    int picture;                       ///< picture area number (Picture n)
    Texte titre;                       ///< the caption's text
    Tableau SimulationState::*serie;   ///< the value of each point
    int couleur;                       ///< palette index of the points
    bool sansMinimum;                  ///< the speed: its floor is 0, not a running minimum
    Case boite;                        ///< the check box that shows it
};

/// The charts, velocity group first; within a group, the order they are drawn in.
inline constexpr std::array<Graphe, 5> kGraphes{{
    {.picture = 2, .titre = Texte::grapheVx, .serie = &SimulationState::Vxt, .couleur = 4, .sansMinimum = false, .boite = Case::Vitesse},
    {.picture = 3, .titre = Texte::grapheVy, .serie = &SimulationState::Vyt, .couleur = 4, .sansMinimum = false, .boite = Case::Vitesse},
    {.picture = 4, .titre = Texte::grapheV, .serie = &SimulationState::Vt, .couleur = 12, .sansMinimum = true, .boite = Case::Vitesse},
    {.picture = 5, .titre = Texte::grapheX, .serie = &SimulationState::Xt, .couleur = 4, .sansMinimum = false, .boite = Case::Xy},
    {.picture = 6, .titre = Texte::grapheY, .serie = &SimulationState::Yt, .couleur = 4, .sansMinimum = false, .boite = Case::Xy},
}};

/// The values of the check boxes (1: checked), by Case.
using ValeursCases = std::array<int, static_cast<std::size_t>(Case::Xy) + 1>;
/// The boxes' values now.
ValeursCases valeursCases(const Fenetre& f);

/// Computes the speeds Vt(0..Nfin), scales each chart to its data and draws
/// the groups of charts whose box is checked, in table order (the velocity
/// charts, box `vitesse`, then the position charts, box `xy`). Does not clear
/// the areas. Nfin is clamped to 1..1000 so that no index leaves the arrays.
/// A speed beyond the double range stops at the largest double; a chart whose
/// values pass the float range is drawn in units of a power of two, so that
/// its points keep their places.
void TraceVitesse(SimulationState& s, Fenetre& f);
/// The same with the boxes' values given, as they were when the launch began.
void TraceVitesse(SimulationState& s, Fenetre& f, const ValeursCases& cases);

/// A box clicked: flips the areas and captions of its charts, each area then
/// its caption, in table order.
void basculeGraphes(Fenetre& f, Case c);
/// Click on `vitesse`, on `xy`.
void vitesse_Click(Fenetre& f);
void xy_Click(Fenetre& f);

} // namespace orbeline
