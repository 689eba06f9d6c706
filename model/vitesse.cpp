#include "vitesse.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orbeline {

double vitesseScalaire(double vx, double vy)
{
    // Below the square root of the smallest normal double a square loses
    // digits, then vanishes: the speed would fall under its own components.
    static const double kPlusPetite = std::sqrt(std::numeric_limits<double>::min());
    if (std::max(std::fabs(vx), std::fabs(vy)) < kPlusPetite) return std::hypot(vx, vy);
    const double v = std::sqrt(vx * vx + vy * vy);
    if (std::isfinite(v)) return v;
    const double h = std::hypot(vx, vy);
    return std::isfinite(vx) && std::isfinite(vy) ? std::min(h, std::numeric_limits<double>::max()) : h;
}

} // namespace orbeline
