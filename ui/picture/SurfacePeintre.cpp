#include "SurfacePeintre.h"

#include "Ecriture.h"
#include "pixels.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace orbeline {

SurfacePeintre::SurfacePeintre(QPainter& p, const QRectF& cible, int largeur, int hauteur, bool gris)
    : SurfaceTenue(EtatSurface::enPixels(largeur, hauteur), false), p_(p), cible_(cible),
      versDevice_(cible.width() / largeur, 0, 0, cible.height() / hauteur, cible.left(), cible.top()), gris_(gris)
{
    p_.save();
    p_.setClipRect(cible_, Qt::IntersectClip);
    p_.setTransform(versDevice_);
}

SurfacePeintre::~SurfacePeintre() { p_.restore(); }

void SurfacePeintre::cls()
{
    // The paper is the area's blank.
    SurfaceTenue::cls();
    p_.fillRect(QRectF(0, 0, etat_.largeurPx, etat_.hauteurPx), Qt::white);
}

QColor SurfacePeintre::couleur(Couleur c) const
{
    if (!gris_) return QColor(c.r, c.g, c.b);
    const int g = qGray(c.r, c.g, c.b);
    return QColor(g, g, g);
}

QPen SurfacePeintre::stylo(Couleur c) const
{
    // In the area's pixels, which the transform takes to the device's: the
    // dash patterns, in pen widths, are the screen's.
    const int w = largeurTrait();
    QPen pen(couleur(c), w);
    pen.setCapStyle(Qt::SquareCap);
    if (w == 1 && etat_.drawStyle != StyleTrait::Plein) {
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern(etat_.drawStyle == StyleTrait::Tirets ? QList<qreal>{4, 2} : QList<qreal>{4, 2, 1, 2, 1, 2});
    }
    return pen;
}

void SurfacePeintre::line(float x1, float y1, float x2, float y2, std::optional<Couleur> c)
{
    noteLigne(x1, y1, x2, y2, c);
    const int w = largeurTrait();
    const auto seg = segment({etat_.versPxX(x1), etat_.versPxY(y1)}, {etat_.versPxX(x2), etat_.versPxY(y2)}, w,
                             etat_.largeurPx, etat_.hauteurPx);
    if (!seg) return;
    QPen pen = stylo(c.value_or(etat_.foreColor));
    if (pen.style() != Qt::SolidLine) pen.setDashOffset(seg->decalage);
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.setPen(pen);
    p_.drawLine(QLineF(seg->debut.x, seg->debut.y, seg->fin.x, seg->fin.y));
}

void SurfacePeintre::circle(float x, float y, float r)
{
    noteCercle(x, y, r);
    const double cx = etat_.versPxX(x), cy = etat_.versPxY(y);
    // Round in pixels: the radius is measured along x, whatever the y scale.
    const double rayon = etat_.longueurPxX(std::fabs(r));
    if (!proche(cx) || !proche(cy) || !proche(rayon)) return;
    if (2 * rayon < largeurTrait()) {
        // Narrower than the pen: what shows is the pen's dot.
        pset(x, y);
        return;
    }
    p_.setRenderHint(QPainter::Antialiasing, true);
    p_.setPen(stylo(etat_.foreColor));
    p_.setBrush(etat_.fillStyle == StyleRemplissage::Plein ? QBrush(couleur(etat_.fillColor)) : QBrush());
    p_.drawEllipse(QPointF(cx, cy), rayon, rayon);
    p_.setBrush(QBrush());
}

void SurfacePeintre::pset(float x, float y, std::optional<Couleur> c)
{
    notePoint(x, y, c);
    const auto q = carrePoint(etat_.versPxX(x), etat_.versPxY(y), largeurTrait(), etat_.largeurPx, etat_.hauteurPx);
    if (!q) return;
    p_.setRenderHint(QPainter::Antialiasing, false);
    p_.fillRect(QRectF(q->gauche, q->haut, q->cote, q->cote), couleur(c.value_or(etat_.foreColor)));
}

void SurfacePeintre::texte(float x, float y, std::string_view t, Ancre a, std::optional<Couleur> c)
{
    const double px = etat_.versPxX(x), py = etat_.versPxY(y);
    if (!proche(px) || !proche(py)) return;
    dessineTexte(p_, QPointF(px, py), t, a, couleur(c.value_or(etat_.foreColor)));
}

} // namespace orbeline
