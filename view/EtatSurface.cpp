#include "EtatSurface.h"

#include <cmath>
#include <utility>

namespace orbeline {

EtatSurface EtatSurface::enPixels(int w, int h)
{
    EtatSurface e;
    e.largeurPx = w;
    e.hauteurPx = h;
    e.scale(0, 0, w, h);
    return e;
}

void EtatSurface::change(double l, double t, double w, double h, int lPx, int hPx)
{
    std::array<std::pair<double, double>, 2> enUnites{};
    for (std::size_t i = 0; i < controles.size(); ++i)
        enUnites[i] = {largeur(Controle(i)), hauteur(Controle(i))};
    left = l;
    top = t;
    width = w;
    height = h;
    largeurPx = lPx;
    hauteurPx = hPx;
    for (std::size_t i = 0; i < controles.size(); ++i) {
        GeometrieControle& g = controles[i];
        if (!g.tailleEnUnites) continue;
        g.largeur = longueurPxX(enUnites[i].first);
        g.hauteur = longueurPxY(enUnites[i].second);
    }
}

void EtatSurface::scale(double x1, double y1, double x2, double y2) { change(x1, y1, x2 - x1, y2 - y1, largeurPx, hauteurPx); }
void EtatSurface::redimensionne(int l, int h) { change(left, top, width, height, l, h); }

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

void EtatSurface::setLargeur(Controle c, float l)
{
    geo(c).largeur = longueurPxX(l);
    geo(c).tailleEnUnites = true;
}

void EtatSurface::setHauteur(Controle c, float h)
{
    geo(c).hauteur = longueurPxY(h);
    geo(c).tailleEnUnites = true;
}

} // namespace orbeline
