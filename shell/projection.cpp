#include "projection.h"

#include <algorithm>
#include <vector>

namespace orbeline {

double echelleProjection(double largeur, double hauteur) { return std::max(1.0, std::min(hauteur / 540, largeur / 800)); }

Disposee disposeProjection(std::span<const Disposition> table, const Ecran& e, const Naturelle& n, bool barre,
                           std::span<const HauteurTexte> textes)
{
    const double k = echelleProjection(e.largeur, e.hauteur);
    // One by one: push_back, which the page has already, rather than a range constructor.
    std::vector<HauteurTexte> reduits;
    for (const HauteurTexte t : textes) reduits.push_back({t.nom, t.hauteur / k});
    // Arranged as for a finger, whatever points: the window as it is would not take the screen.
    Disposee a = dispose(table, kPiecesProjection, Ecran{e.largeur / k, e.hauteur / k, true}, n, barre, reduits);
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
