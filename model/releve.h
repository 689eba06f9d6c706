#pragma once
// The points of the last finished launch and their text forms (the copy to
// the clipboard, the CSV file). Kept apart from the record: every keystroke
// in a field runs init, which clears Xt and Yt, and a scale change alters
// Echelle and Unite, so the export cannot read the record afterwards.

#include "SimulationState.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbeline {

/// What the window showed of a launch when it ran, for the printout's legend:
/// the texts as the pupil typed them and the captions as they read.
struct TextesLancement {
    std::array<std::string, 6> champs;   ///< Text1 to Text6
    std::string echelle;                 ///< the selected scale's caption ("10 mille km")
    std::string nbPoints;                ///< the selected point count's caption ("1000")
    std::string masseSatellite;          ///< Text7
    std::string impactTemps;             ///< Label11, empty without impact
    std::string impactVitesse;           ///< Label12, empty without impact
};

/// A copy of one launch's points, taken as soon as calcule has finished.
struct Releve {
    std::int16_t Nfin = -1;        ///< index of the last point; -1 when nothing is kept
    std::int32_t pas = 0;          ///< seconds between two computed points
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

/// Copies the points 0..Nfin of the record, with the step and the scale in force.
void retiens(Releve& r, const SimulationState& s, std::int32_t pas);

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

/// The printout's legend: the inputs of the launch on screen with their
/// units, its scale and point count, the satellite's mass and the impact
/// captions if any. No line when no launch is on screen.
std::vector<std::string> lignesLegende(const Releve& r);

} // namespace orbeline
