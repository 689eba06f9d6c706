#pragma once
// The orbit view (Picture1): window-load setup, the seven scale presets, the
// empty frame (grid, centre lines, attractor, marker), the trajectory plot and
// the impact animation. Everything is drawn through the window interface.

#include "SimulationState.h"
#include "langue.h"
#include "surface.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <utility>

namespace orbeline {

class Fenetre;

/// One scale option button: what it sets and how the orbit view is framed.
struct PresetEchelle {
    Texte legende;              ///< caption of the option button ("1 carreau = " reads before it)
    double Reduction = 0;       ///< display units per user unit
    std::int32_t Echelle = 0;   ///< metres per display unit
    Texte Unite;                ///< unit text appended to captions
    double x1 = 0;              ///< view: left edge
    double y1 = 0;              ///< view: top edge
    double x2 = 0;              ///< view: right edge
    double y2 = 0;              ///< view: bottom edge
    bool xy = true;             ///< whether the X(t), Y(t) check box stays enabled
    std::string_view cle;       ///< how a situation file or link names it
};

/// The scale presets, by option-button index (0 is selected at start).
inline constexpr std::array<PresetEchelle, 7> kPresets{{
    {Texte::echelle10Mkm, 100, 1000, Texte::uniteKm, -500, 500, 500, -500, true, "10000km"},
    {Texte::echelle50Mkm, 500, 1000, Texte::uniteKm, -500, 500, 500, -500, true, "50000km"},
    {Texte::echelle100Mkm, 1000, 1000, Texte::uniteKm, -500, 500, 500, -500, true, "100000km"},
    {Texte::echelle50MMkm, 0.5, 1000000000, Texte::uniteMKm, -500, 500, 500, -500, false, "50Mkm"},
    {Texte::echelle100MMkm, 1, 1000000000, Texte::uniteMKm, -500, 500, 500, -500, false, "100Mkm"},
    {Texte::echelle500MMkm, 5, 1000000000, Texte::uniteMKm, -500, 500, 500, -500, false, "500Mkm"},
    {Texte::echelle500km, 10, 1000, Texte::uniteKm, -250, 1100, 250, 600, true, "500km"},
}};

/// Main window load: km scale around the Earth, default view, empty frame.
void Form_Load(SimulationState& s, Fenetre& f);

/// A scale option button became selected: sets the units and the view, then redraws the frame.
void Option3_Click(SimulationState& s, Fenetre& f, std::int16_t index);

/// Clears every picture area and redraws the empty orbit view with the marker on the typed position.
void efface(SimulationState& s, Fenetre& f);
/// The empty orbit view's drawing: the grid, the centre lines and the
/// attractor, leaving the pen the trajectory points are drawn with.
void traceCadre(const SimulationState& s, Surface& p);

/// Index step between two plotted points: 10 for 100 points, 1 for 1000. A
/// point count that gives no step of at least 1 plots every point.
int pasDeTrace(std::int16_t nbPoints);

/// Plots the computed points (every one or every tenth), leaves the marker on
/// the last one, then, after an impact, plays the star's frames at once.
void Trace(SimulationState& s, Fenetre& f);
/// Trace without the star: the points and the marker only, in the pen's
/// colour or the one given.
void TracePoints(SimulationState& s, Fenetre& f, std::optional<Couleur> c = {});

/// A launch's colour when each launch has its own, and its name.
struct Coloris {
    std::optional<Couleur> couleur;   ///< none: the window's own (the view's pen, a chart's colour)
    Texte nom;
};
/// The first launch keeps the window's colours, the next ones take the
/// Okabe–Ito palette, which colour-blind pupils tell apart, without its
/// yellow (too pale on white), and a wine red, so that eight launches have
/// eight colours; then the list starts again.
inline constexpr std::array<Coloris, 8> kColoris{{
    {std::nullopt, Texte::couleurNoir},
    {Couleur{230, 159, 0}, Texte::couleurOrange},
    {Couleur{86, 180, 233}, Texte::couleurBleuCiel},
    {Couleur{0, 158, 115}, Texte::couleurVert},
    {Couleur{0, 114, 178}, Texte::couleurBleu},
    {Couleur{213, 94, 0}, Texte::couleurVermillon},
    {Couleur{204, 121, 167}, Texte::couleurPourpre},
    {Couleur{136, 34, 85}, Texte::couleurBordeaux},
}};
/// The colours of launch n (from 1).
const Coloris& colorisLancement(int numero);

/// Metres per second that one square of the grid stands for in the velocity arrows.
inline constexpr double kVitesseParCarreau = 2000;
/// The velocity (vx, vy) in m/s as an arrow from (x, y), user units of the
/// orbit view, whatever its scale: a square for kVitesseParCarreau.
Fleche flecheVitesse(const Surface& vue, double x, double y, double vx, double vy, Couleur c);
/// A vector (vx, vy) as an arrow from (x, y), user units of the orbit view: a
/// square (a tenth of the view's width) for `parCarreau` of the vector's unit.
Fleche flecheEchelle(const Surface& vue, double x, double y, double vx, double vy, double parCarreau, Couleur c);
/// What a square stands for so that the longest of vectors up to `plusGrand`
/// fills at most a square and at least two fifths of one: the smallest of 1,
/// 2 and 5 times a power of ten that is not below it; 0 for nothing to draw.
double echelleRonde(double plusGrand);
/// A dashed line through the points (user units), drawn as solid pieces with
/// the pen in force: `plein` pixels of dash, `vide` of gap, running on from
/// one point to the next; what lies far outside the area is skipped.
void traceTirets(Surface& s, std::span<const std::pair<double, double>> points, Couleur c, double plein = 6, double vide = 4);
/// Draws an arrow into the area, kept with the drawing: its shaft and head, with the pen in force.
void traceFleche(Surface& s, const Fleche& f);
/// The user coordinates of a point given in pixels from the area's top-left corner.
std::pair<float, float> pointPx(const Surface& s, double x, double y);
/// Writes a text of several lines ("\n" between them) from a pixel corner of
/// the area, one line every kCorpsTexte + 1 pixels downward.
void ecritLignes(Surface& s, double x, double y, std::string_view t, std::optional<Couleur> c = {});

/// Number of frames of the growing star.
inline constexpr int kImagesEtoile = 16;
/// The growing-star animation on the last computed point, its frames back to back.
void TraceImpact(SimulationState& s, Fenetre& f);
/// The animation in three steps, so that a window can show each frame for a while:
/// the star shown; frame 0 to 15 (the impact point, the star centred on it, grown, repainted);
/// the star hidden and set back to 28 × 23 user units.
void debutImpact(Fenetre& f);
void imageImpact(SimulationState& s, Fenetre& f);
void finImpact(Fenetre& f);

} // namespace orbeline
