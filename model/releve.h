#pragma once
// The points of the last finished launch and their text forms (the copy to
// the clipboard, the CSV file). Kept apart from the record: every keystroke
// in a field runs init, which clears Xt and Yt, and a scale change alters
// Echelle and Unite, so the export cannot read the record afterwards.

#include "SimulationState.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orbeline {

/// What the window showed of a launch when it ran and the points do not say.
struct TextesLancement {
    std::string masseSatellite;          ///< Text7
};

/// A copy of one launch's points, taken as soon as calcule has finished.
struct Releve {
    std::int16_t Nfin = -1;        ///< index of the last point; -1 when nothing is kept
    std::int32_t pas = 0;          ///< seconds between two computed points
    int numero = 0;                ///< the launch's number on the view since it was last cleared (1, 2…)
    int pasTrace = 1;              ///< the view plotted every point (1) or every tenth (10)
    int coloris = 0;               ///< its colours on the view and the charts, a row of the launches' palette (0: the window's)
    bool numerote = false;         ///< its number was written by its last point
    bool flecheDepart = false;     ///< its start's velocity was drawn as an arrow
    double rayon = 0;              ///< the attractor's radius the run tested the impact against, m
    double GM = 0;                 ///< the attractor's G × M, m³/s²
    double masse = 0;              ///< the attractor's mass as read, kg
    double dt = 0;                 ///< τ as read, s
    std::int32_t Echelle = 1000;   ///< metres per display unit of X and Y
    std::array<char, kLargeurUnite> Unite{};   ///< the display unit's text, blank-padded
    Tableau Xt{};                  ///< abscissa of each point, m
    Tableau Yt{};                  ///< ordinate of each point, m
    Tableau Vxt{};                 ///< x velocity of each point, m/s
    Tableau Vyt{};                 ///< y velocity of each point, m/s
    /// The launch's texts while its drawing is on screen; none once the
    /// orbit view has been wiped ("Effacer", a scale), although the points
    /// stay to be exported.
    std::optional<TextesLancement> textes;

    /// True when no launch has left points to export.
    bool estVide() const { return Nfin < 0; }
    /// Forgets the points and the texts (a launch refused or stopped keeps none).
    void vide()
    {
        Nfin = -1;
        textes.reset();
    }
};

/// The display unit without its padding blanks ("km", "M. de km").
std::string_view uniteAffichee(const Releve& r);

/// Copies the points 0..Nfin of the record, with the step, the attractor and the scale in force.
void retiens(Releve& r, const SimulationState& s, std::int32_t pas);

/// What a launch measures of one turn around the centre. A turn closes when
/// the direction of the satellite seen from the centre has swept 2π; the
/// period is the time of that, interpolated between the two points around
/// it. The extremes are the points of the first turn (of the whole launch
/// when no turn closes) nearest to and farthest from the centre.
struct Tour {
    bool boucle = false;   ///< a whole turn was swept
    double periode = 0;    ///< s, when it closes
    double duree = 0;      ///< s, the whole launch
    int proche = 0;        ///< the point nearest the centre
    int loin = 0;          ///< the point farthest from it
    double rProche = 0, rLoin = 0;   ///< their distances to the centre, m
    double vProche = 0, vLoin = 0;   ///< their speeds, m/s
};
Tour mesureTour(const Releve& r);

/// Kinetic, potential and total energy of the satellite at a point, in
/// joules per kilogram of satellite: v²/2, −GM/r and their sum. At the
/// centre itself the potential stops at the lowest double.
struct Energies {
    double cinetique = 0, potentielle = 0, totale = 0;
};
Energies energies(const Releve& r, int i);

/// How a table is written: what stands between two fields and in a decimal number.
struct FormatTable {
    std::string_view separateurChamp;     ///< "\t", ";" or ","
    std::string_view separateurDecimal;   ///< the user's regional one
};

/// The clipboard's form: tab-separated, so that a spreadsheet splits the columns.
FormatTable formatCopie(std::string_view separateurDecimal);
/// The CSV form: ";" between fields where the decimal separator is a comma, "," elsewhere.
FormatTable formatCsv(std::string_view separateurDecimal);

/// A header row naming each column with its unit (t in s, X and Y in the
/// display unit, Vx, Vy and V in m/s), then one row per point 0..Nfin, each
/// line ended by "\n". Numbers keep 15 significant digits; V is the speed the
/// V(t) chart plots. Empty for an empty relevé.
std::string texteTable(const Releve& r, const FormatTable& f);
/// Several launches in one table: the same columns after a first one, the
/// launch's number, and the rows of each launch in turn. One launch alone
/// is written as above.
std::string texteTable(std::span<const Releve* const> lancements, const FormatTable& f);

} // namespace orbeline
