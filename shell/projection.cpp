#include "projection.h"

#include <algorithm>

namespace orbeline {

double echelleProjection(double largeur, double hauteur) { return std::max(1.0, std::min(hauteur / 540, largeur / 800)); }

Disposee disposeProjection(std::span<const Disposition> table, double largeur, double hauteur, bool barre)
{
    const double k = echelleProjection(largeur, hauteur);
    Disposee a = dispose(table, kPiecesProjection, largeur / k, hauteur / k, true, barre);
    const auto agrandi = [k](Cadre c) { return Cadre{c.gauche * k, c.haut * k, c.largeur * k, c.hauteur * k}; };
    for (PlaceCompacte& p : a.places) {
        p.cadre = agrandi(p.cadre);
        p.corps *= k;
        p.echelle *= k;
    }
    a.largeur *= k;
    a.hauteur *= k;
    a.menus = agrandi(a.menus);
    return a;
}

} // namespace orbeline
