#include "pixels.h"

namespace orbeline {

bool coupe(PointPx& a, PointPx& b, double gauche, double haut, double droite, double bas)
{
    const auto code = [&](const PointPx& p) {
        return (p.x < gauche ? 1 : p.x > droite ? 2 : 0) | (p.y < haut ? 4 : p.y > bas ? 8 : 0);
    };
    int ca = code(a), cb = code(b);
    // Each cut settles one edge for one end: eight at most.
    for (int i = 0; i < 8; ++i) {
        if ((ca | cb) == 0) return true;
        if ((ca & cb) != 0) return false;
        const bool premier = ca != 0;
        const int c = premier ? ca : cb;
        const double dx = b.x - a.x, dy = b.y - a.y;
        PointPx p;
        if (c & 3) {
            const double x = c & 1 ? gauche : droite;
            p = {x, a.y + (x - a.x) / dx * dy};
        } else {
            const double y = c & 4 ? haut : bas;
            p = {a.x + (y - a.y) / dy * dx, y};
        }
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
        (premier ? a : b) = p;
        (premier ? ca : cb) = code(p);
    }
    return false;
}

} // namespace orbeline
