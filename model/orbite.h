#pragma once
// What the exact motion says beside the computed points, from closed forms:
// the conic the start values give (its a, e and period), how far the computed
// points stray from it and the exact impact with the attractor's surface;
// then what a pupil constructs at a plotted point on paper (the velocity, the
// change of velocity between the neighbouring plotted points, the force
// GMm/r²), and Kepler's third law as the points measure it. Nothing here
// integrates a step: these are the numbers the computed points are set against.

#include "releve.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orbeline {

/// The kind of a conic, as the legend names it.
enum class FormeOrbite : std::uint8_t {
    Aucune,      ///< none: a start at the centre, no attraction, or values past the double range
    Cercle,      ///< an ellipse whose e shows as 0 (under kCercle)
    Ellipse,
    Parabole,    ///< e shows as 1 (within kParabole of it)
    Hyperbole,
    Droite,      ///< no angular momentum: the motion stays on a radius
};
/// Below this eccentricity the conic is named a circle; within this of 1, a parabola: the legend writes e to three decimals.
inline constexpr double kCercle = 5e-4;
inline constexpr double kParabole = 5e-4;

/// The conic of a start, in the orbit's plane with the attractor at the origin.
struct Conique {
    FormeOrbite forme = FormeOrbite::Aucune;
    double GM = 0;        ///< m³/s²
    double a = 0;         ///< semi-major axis, m: negative for a hyperbola, infinite for a parabola
    double e = 0;         ///< eccentricity
    double p = 0;         ///< semi-latus rectum h²/GM, m (0 along a radius)
    double periode = 0;   ///< 2π√(a³/GM) for a circle or an ellipse, s; 0 otherwise
    double omega = 0;     ///< direction of the periapsis from the centre, rad
    double sens = 1;      ///< +1 when the satellite turns anticlockwise, −1 clockwise
    double nu0 = 0;       ///< true anomaly of the start, rad, in (−π, π]
    double energie = 0;   ///< v²/2 − GM/r, J/kg
    double r0 = 0;        ///< the start's distance to the centre, m
    double vr0 = 0;       ///< its radial speed, m/s (> 0 moving away)
    double ux = 1, uy = 0;   ///< the start's direction from the centre

    /// Distance to the centre at true anomaly nu, m.
    double rayon(double nu) const;
    /// The point at true anomaly nu, m.
    std::pair<double, double> point(double nu) const;
    /// Time from the periapsis to true anomaly nu, s (negative before it).
    double temps(double nu) const;
};

/// The conic that a start at (x, y) m with velocity (vx, vy) m/s describes around GM.
Conique conique(double x, double y, double vx, double vy, double GM);
/// The conic of a launch's start values.
Conique conique(const Releve& r);

/// The exact impact with a sphere of radius R, m, going forward in time from the start.
struct ImpactExact {
    double temps = 0;     ///< s after the start
    double vitesse = 0;   ///< m/s at the surface
};
/// None when the motion never reaches the sphere; at once for a start inside it.
std::optional<ImpactExact> impactExact(const Conique& c, double R);

/// What to draw of the conic, as points in metres: the whole curve (an open
/// one within rMax of the centre), or for a fall the arc from the start to the surface.
std::vector<std::pair<double, double>> arcConique(const Conique& c, double R, double rMax, int n = 720);

/// How far the computed points stray from the conic: the largest distance of
/// points 0 to `fin` from the curve, m, and at which point.
struct Ecart {
    double distance = 0;
    int point = 0;
};
Ecart ecartConique(const Releve& r, const Conique& c, int fin);
/// The last point of the first turn (of the launch when no turn closes).
int finPremierTour(const Releve& r);

/// What a pupil constructs at plotted point i of a launch, in the orbit's plane.
struct VecteursPoint {
    std::array<double, 2> vitesse{};                    ///< m/s
    std::optional<std::array<double, 2>> variation;     ///< Δv = v(next plotted point) − v(previous one), m/s
    int precedent = 0, suivant = 0;                     ///< those two points
    double duree = 0;                                   ///< t(next) − t(previous), s: Δv ≈ a × duree
    std::optional<std::array<double, 2>> force;         ///< G·M·m / r² towards the centre, N
};
/// Why a point has no arrow of a kind.
enum class SansFleche : std::uint8_t { Aucune, PremierPoint, DernierPoint, Centre, MasseNulle, SansAttraction };
/// The vectors at point i; `masse` the satellite's, kg. The previous plotted
/// point of the first one is the start (index 0) when it lies one step before.
VecteursPoint vecteursPoint(const Releve& r, int i, double masse);
/// Why Δv (`variation`) or the force is missing at point i (Aucune when it is there).
SansFleche sansVariation(const Releve& r, int i);
SansFleche sansForce(const Releve& r, int i, double masse);
/// The plotted points that carry arrows: every one at 100 points, every tenth at 1000.
std::vector<int> pointsFleches(const Releve& r);

/// Kepler's third law as a launch measures it: a = (nearest + farthest
/// distance) / 2 over its first turn, T the time of that turn.
struct Kepler {
    bool tour = false;   ///< the launch closed a turn
    double a = 0;        ///< m
    double T = 0;        ///< s
    double rapport = 0;  ///< T²/a³, s²/m³
};
Kepler mesureKepler(const Releve& r);
/// 4π²/GM, s²/m³: what T²/a³ is for every satellite of that attractor.
double constanteKepler(double GM);

/// A number in scientific notation for the legend: `chiffres` significant
/// digits, the decimal separator given, "× 10" and a superscript exponent
/// ("9,865 × 10⁻¹⁴"); between 0.001 and 10⁶ written plainly.
std::string ecritureScientifique(double v, int chiffres, std::string_view separateur);

} // namespace orbeline
