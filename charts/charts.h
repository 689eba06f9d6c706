#pragma once
// The five small time-series charts beside the orbit view: Vx(t), Vy(t) and
// V(t), X(t) and Y(t), and the two check boxes that show or hide them.
// They draw only through the window's picture areas 2 to 6.

#include "SimulationState.h"
#include "fenetre.h"

#include <array>
#include <string_view>

namespace orbeline {

/// One chart: where it is drawn, what it plots and which box governs it.
struct Graphe {
    int picture;                    ///< picture area number (2 to 6)
    Element image;                  ///< the same area, as the window shows or hides it
    Element legende;                ///< the caption label under it
    std::string_view titre;         ///< the caption's text
    Tableau SimulationState::*serie;   ///< the value of each point
    int couleur;                    ///< palette index of the points
    bool sansMinimum;               ///< the speed: its floor is 0, not a running minimum
    Case boite;                     ///< the check box that shows it
};

/// The charts, velocity group first; within a group, the order they are drawn in.
inline constexpr std::array<Graphe, 5> kGraphes{{
    {2, Element::Picture2, Element::Label8, "Vx(t)", &SimulationState::Vxt, 4, false, Case::Vitesse},
    {3, Element::Picture3, Element::Label13, "Vy(t)", &SimulationState::Vyt, 4, false, Case::Vitesse},
    {4, Element::Picture4, Element::Label15, "V(t)", &SimulationState::Vt, 12, true, Case::Vitesse},
    {5, Element::Picture5, Element::Label17, "X(t)", &SimulationState::Xt, 4, false, Case::Xy},
    {6, Element::Picture6, Element::Label16, "Y(t)", &SimulationState::Yt, 4, false, Case::Xy},
}};

/// Computes the speeds Vt(0..Nfin), scales each chart to its data and draws
/// the velocity charts (box `vitesse` checked) then the position charts (box
/// `xy` checked). Does not clear the areas. Nfin is clamped to 1..1000 so
/// that no index leaves the arrays. A speed beyond the double range stops at
/// the largest double; a chart whose values pass the float range is drawn in
/// units of a power of two, so that its points keep their places.
void TraceVitesse(SimulationState& s, Fenetre& f);
/// The same with the boxes' values given (1: checked), as they were when the launch began.
void TraceVitesse(SimulationState& s, Fenetre& f, int vitesse, int xy);

/// Click on `vitesse`: flips the areas and captions of the velocity charts.
void vitesse_Click(Fenetre& f);

/// Click on `xy`: flips the areas and captions of the position charts.
void xy_Click(Fenetre& f);

} // namespace orbeline
