#include "SurfaceTenue.h"

namespace orbeline {

SurfaceTenue::SurfaceTenue(const EtatSurface& e, bool tenue) : etat_(e), tenue_(tenue) { journal_.recommence(etat_); }

void SurfaceTenue::scale(double x1, double y1, double x2, double y2)
{
    if (tenue_) journal_.scale(x1, y1, x2, y2);
    etat_.scale(x1, y1, x2, y2);
}

void SurfaceTenue::cls()
{
    etat_.currentX = etat_.currentY = 0;
    if (tenue_) journal_.recommence(etat_);
}

void SurfaceTenue::retraduitDessin(const Rappel<std::string(std::string_view)>& traduit)
{
    if (!tenue_ || !journal_.complet()) return;
    const Journal dessin = journal_;   // the cls starts the surface's own again
    cls();
    dessin.rejoue(*this, traduit);
}

void SurfaceTenue::setDrawWidth(int pixels)
{
    if (tenue_) journal_.setDrawWidth(pixels);
    etat_.drawWidth = pixels;
}

void SurfaceTenue::setDrawStyle(StyleTrait style)
{
    if (tenue_) journal_.setDrawStyle(style);
    etat_.drawStyle = style;
}

void SurfaceTenue::setForeColor(Couleur c)
{
    if (tenue_) journal_.setForeColor(c);
    etat_.foreColor = c;
}

void SurfaceTenue::setFillColor(Couleur c)
{
    if (tenue_) journal_.setFillColor(c);
    etat_.fillColor = c;
}

void SurfaceTenue::setFillStyle(StyleRemplissage s)
{
    if (tenue_) journal_.setFillStyle(s);
    etat_.fillStyle = s;
}

} // namespace orbeline
