#pragma once
// The five small time-series charts beside the orbit view: Vx(t), Vy(t) and
// V(t), X(t) and Y(t), and the two check boxes that show or hide them.
// They draw only through the window's picture areas 2 to 6.

#include "SimulationState.h"
#include "fenetre.h"
#include "langue.h"
#include "releve.h"
#include "surface.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orbeline {

/// One chart: where it is drawn, what it plots and which box governs it.
/// Its area is the layout's `zone(picture)`, its caption `legendeGraphe(picture)`.
struct Graphe {
    int picture;                       ///< picture area number (Picture n)
    Texte titre;                       ///< the caption's text
    Tableau SimulationState::*serie;   ///< the value of each point; none for a chart of its own kind (the energy)
    int couleur;                       ///< palette index of the points
    bool sansMinimum;                  ///< the speed: its floor is 0, not a running minimum
    Case boite;                        ///< the check box that shows it
    std::string_view symbole = {};     ///< the quantity in a tooltip ("Vx")
    bool longueur = false;             ///< a position, read in the display unit (else a speed, m/s)
};

/// The charts, velocity group first; within a group, the order they are drawn in.
inline constexpr std::array<Graphe, 6> kGraphes{{
    {.picture = 2, .titre = Texte::grapheVx, .serie = &SimulationState::Vxt, .couleur = 4, .sansMinimum = false, .boite = Case::Vitesse, .symbole = "Vx"},
    {.picture = 3, .titre = Texte::grapheVy, .serie = &SimulationState::Vyt, .couleur = 4, .sansMinimum = false, .boite = Case::Vitesse, .symbole = "Vy"},
    {.picture = 4, .titre = Texte::grapheV, .serie = &SimulationState::Vt, .couleur = 12, .sansMinimum = true, .boite = Case::Vitesse, .symbole = "V"},
    {.picture = 5, .titre = Texte::grapheX, .serie = &SimulationState::Xt, .couleur = 4, .sansMinimum = false, .boite = Case::Xy, .symbole = "X", .longueur = true},
    {.picture = 6, .titre = Texte::grapheY, .serie = &SimulationState::Yt, .couleur = 4, .sansMinimum = false, .boite = Case::Xy, .symbole = "Y", .longueur = true},
    // Kinetic, potential and total energy, drawn by TraceEnergie.
    {.picture = 7, .titre = Texte::grapheEnergie, .serie = nullptr, .couleur = 0, .sansMinimum = false, .boite = Case::Energie},
}};
/// The row of a picture area; null when it is no chart.
const Graphe* graphe(int picture);

/// The values of the check boxes (1: checked), by Case.
using ValeursCases = std::array<int, static_cast<std::size_t>(Case::Energie) + 1>;
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

/// A launch on the charts beside others: its points and its colour (none:
/// each chart's own).
struct CourbeLancement {
    const Releve* releve = nullptr;
    std::optional<Couleur> couleur;
};
/// The launches on the same charts, each in its colour, point i of a launch
/// at its time i × pas, on scales that hold them all (each containing 0, as
/// TraceVitesse's). Only the groups whose box is checked; the energy chart is not one.
/// `valeurs`: the decimal separator, to write in each chart the values at
/// its axis' ends with their unit and its time span, in rows above and under
/// the curves.
void TraceLancements(std::span<const CourbeLancement> lancements, Fenetre& f, const ValeursCases& cases,
                     std::optional<std::string_view> valeurs = {});

/// What a chart's axes read, with their units: its values' ends (3 significant
/// digits) and its time span, for the launches given; "" for a chart without a series.
struct TextesAxes {
    std::string haut, bas, duree;
};
TextesAxes textesAxes(const Graphe& g, std::span<const CourbeLancement> lancements, std::string_view separateurDecimal);

/// The energy chart, J/kg against time: kinetic, potential and total energy
/// above, then the total alone on a scale of its own, so that its drift
/// under the step shows; the values and the span written in rows of their
/// own. Several launches: each in its colour, the lower band the drift of
/// each one's total from its start, in per cent of it.
void TraceEnergie(std::span<const CourbeLancement> lancements, Fenetre& f, std::string_view separateurDecimal);

/// A chart's tooltip at abscissa x (its user units): the time there and
/// each launch's value at its nearest point, then what the chart spans.
/// `enTemps`: the abscissa is the time in seconds (TraceLancements), else
/// the point's index (TraceVitesse). "" for a chart without a series.
/// Numbers in the readable form, with the decimal separator given.
std::string bulleGraphe(const Graphe& g, std::span<const CourbeLancement> lancements, bool enTemps, float x,
                        std::string_view separateurDecimal);

/// One launch on the chart of Kepler's third law: its number, a and T as it measured them, its colour.
struct PointKepler {
    int numero = 0;
    double a = 0;    ///< m
    double T = 0;    ///< s
    std::optional<Couleur> couleur;
};
/// The chart of Kepler's third law in an area of its own: T² against a³, one
/// point per launch that closed a turn, with the line of slope 4π²/GM through
/// the origin; under it that constant and each launch's T²/a³. Does not clear the area.
void TraceKepler(Surface& s, std::span<const PointKepler> points, double GM, std::string_view separateurDecimal);

/// The replay's cursor on a chart drawn by TraceVitesse or TraceLancements
/// (`enTemps`) or on the energy chart: an arrow from the chart's top edge
/// down to the launch's value at point i (to the bottom edge on the energy chart).
std::optional<Fleche> curseurGraphe(const Graphe& g, const Surface& s, const Releve& r, int i, bool enTemps,
                                    Couleur c);

/// Writes what an empty chart says (a text of the catalogue) in its top-left corner.
void noteGraphe(Surface& s, Texte t);

/// A box clicked: flips the areas and captions of its charts, each area then
/// its caption, in table order.
void basculeGraphes(Fenetre& f, Case c);
/// Click on `vitesse`, on `xy`.
void vitesse_Click(Fenetre& f);
void xy_Click(Fenetre& f);

} // namespace orbeline
