#include "pixels.h"

#include <algorithm>

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

std::optional<SegmentPx> segment(PointPx a, PointPx b, int trait, int largeur, int hauteur)
{
    if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y)) return std::nullopt;
    const double marge = trait + 2;
    PointPx debut = a, fin = b;
    if (!coupe(debut, fin, -marge, -marge, largeur + marge, hauteur + marge)) return std::nullopt;
    SegmentPx s{{cale(debut.x, trait), cale(debut.y, trait)}, {cale(fin.x, trait), cale(fin.y, trait)}};
    if (debut.x != a.x || debut.y != a.y) {
        const double avant = std::hypot(debut.x - a.x, debut.y - a.y) / trait;
        if (std::isfinite(avant)) s.decalage = std::fmod(avant, kPeriodeTirets);
    }
    return s;
}

std::optional<std::array<PointPx, 2>> barbes(PointPx a, PointPx b)
{
    const double dx = b.x - a.x, dy = b.y - a.y, l = std::hypot(dx, dy);
    if (!std::isfinite(l) || l < 0.5) return std::nullopt;
    constexpr double kLongueur = 7, kCos = 0.90630778703665, kSin = 0.42261826174070;   // 25°
    const double k = std::min(kLongueur, l / 2) / l;
    // The shaft's direction turned back by 180° ± 25°.
    const double ux = -dx * k, uy = -dy * k;
    return std::array<PointPx, 2>{{{b.x + ux * kCos - uy * kSin, b.y + ux * kSin + uy * kCos},
                                   {b.x + ux * kCos + uy * kSin, b.y - ux * kSin + uy * kCos}}};
}

} // namespace orbeline
