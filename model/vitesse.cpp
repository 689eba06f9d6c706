#include "vitesse.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orbeline {

double vitesseScalaire(double vx, double vy)
{
    const double v = std::sqrt(vx * vx + vy * vy);
    if (std::isfinite(v)) return v;
    const double h = std::hypot(vx, vy);
    return std::isfinite(vx) && std::isfinite(vy) ? std::min(h, std::numeric_limits<double>::max()) : h;
}

} // namespace orbeline
