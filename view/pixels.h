#pragma once
// Where a drawing lands in whole pixels, shared by every drawing surface (the
// Qt picture area, the browser's canvas) so that a line, a point or the star
// falls on the same pixels in both.

#include <array>
#include <cmath>
#include <optional>

namespace orbeline {

/// Beyond this distance from the area, in pixels, nothing drawn could show,
/// and a rasteriser's arithmetic is no longer safe.
inline constexpr double kLoin = 1e6;
/// Widest pen accepted, px.
inline constexpr int kTraitMax = 32767;
/// A whole number of periods of both dash patterns, in pen widths.
inline constexpr double kPeriodeTirets = 12;

/// A point in pixels of an area's inner part.
struct PointPx {
    double x = 0, y = 0;
};

/// True for a finite coordinate near enough the area to be drawn.
inline bool proche(double v) { return std::isfinite(v) && std::fabs(v) <= kLoin; }

/// Where a pen of w pixels centred on p falls: the w whole pixels whose middle
/// is nearest p. Drawing there puts a line or a point on the same logical
/// pixels, whole, at every pixel ratio (a rasteriser's own choice wavers when
/// an edge falls on a pixel boundary).
inline double cale(double p, int w) { return std::floor(p + 0.5 - w / 2.0) + w / 2.0; }

/// The square a point of a w-pixel pen draws at (x, y) px: whole pixels,
/// centred on it; none when it is far off or outside an area of largeur ×
/// hauteur px.
struct CarrePx {
    int gauche, haut, cote;
};
inline std::optional<CarrePx> carrePoint(double x, double y, int w, int largeur, int hauteur)
{
    if (!proche(x) || !proche(y)) return std::nullopt;
    const double g = std::floor(x + 0.5 - w / 2.0), h = std::floor(y + 0.5 - w / 2.0);
    if (g >= largeur || h >= hauteur || g + w <= 0 || h + w <= 0) return std::nullopt;
    return CarrePx{static_cast<int>(g), static_cast<int>(h), w};
}

/// Cohen–Sutherland: cuts the segment a–b to the box, false when nothing of it
/// is inside. Lines may come from far outside the view, and cutting them first
/// keeps the rasteriser (and its dash generator) on the pixels that can show.
/// Each cut end lands exactly on an edge, so a line from 10^30 px away along an
/// axis still falls on its pixel row.
bool coupe(PointPx& a, PointPx& b, double gauche, double haut, double droite, double bas);

/// A line as it lands on an area of largeur × hauteur pixels with a pen of
/// `trait` pixels: the part that can show (cut a pen's width and two pixels
/// outside the area), each end placed by `cale`, and where its dashes start,
/// in pen widths, so that they run on from where the whole line would have.
struct SegmentPx {
    PointPx debut, fin;
    double decalage = 0;
};
std::optional<SegmentPx> segment(PointPx a, PointPx b, int trait, int largeur, int hauteur);

/// The two barbs of an arrow's head at `b`, pointing away from `a`: their
/// free ends, px, 25° off the shaft and 7 px long (half the shaft at most).
/// None when the ends are not finite or lie within half a pixel.
std::optional<std::array<PointPx, 2>> barbes(PointPx a, PointPx b);

/// The star's outline on its 14 × 12 design grid, clockwise from the top
/// point: a regular pentagram stretched a little sideways so that its points
/// touch all four edges of the grid.
inline constexpr int kLargeurEtoile = 14;
inline constexpr int kHauteurEtoile = 12;
inline constexpr std::array<PointPx, 10> kSommetsEtoile{{
    {7.0, 0.0}, {8.7, 4.6},     // top point, then the notch to its right
    {14.0, 4.6}, {9.7, 7.4},    // right point
    {11.3, 12.0}, {7.0, 9.2},   // lower right point
    {2.7, 12.0}, {4.3, 7.4},    // lower left point
    {0.0, 4.6}, {5.3, 4.6},     // left point
}};

} // namespace orbeline
