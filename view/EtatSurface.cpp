#include "EtatSurface.h"

#include <cmath>

namespace orbeline {

EtatSurface EtatSurface::enPixels(int w, int h)
{
    EtatSurface e;
    e.largeurPx = w;
    e.hauteurPx = h;
    e.scale(0, 0, w, h);
    return e;
}

void EtatSurface::scale(double x1, double y1, double x2, double y2)
{
    left = x1;
    top = y1;
    width = x2 - x1;
    height = y2 - y1;
}

double EtatSurface::longueurPxX(double l) const { return l * largeurPx / std::fabs(width); }
double EtatSurface::longueurPxY(double l) const { return l * hauteurPx / std::fabs(height); }

float EtatSurface::gauche(Controle c) const { return static_cast<float>(versUserX(geo(c).gauche)); }
float EtatSurface::haut(Controle c) const { return static_cast<float>(versUserY(geo(c).haut)); }

float EtatSurface::largeur(Controle c) const
{
    return static_cast<float>(geo(c).largeur * std::fabs(width) / largeurPx);
}

float EtatSurface::hauteur(Controle c) const
{
    return static_cast<float>(geo(c).hauteur * std::fabs(height) / hauteurPx);
}

void EtatSurface::deplace(Controle c, float g, float h)
{
    geo(c).gauche = versPxX(g);
    geo(c).haut = versPxY(h);
}

void EtatSurface::setLargeur(Controle c, float l) { geo(c).largeur = longueurPxX(l); }
void EtatSurface::setHauteur(Controle c, float h) { geo(c).hauteur = longueurPxY(h); }

} // namespace orbeline
