#include "Etoile.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QTransform>

#include <array>

namespace orbeline {

namespace {

// Points and notches of the star on its 14 × 12 grid, clockwise from the top
// point. A regular pentagram stretched a little sideways so that its points
// touch all four edges of the grid.
constexpr std::array<QPointF, 10> kSommets{{
    {7.0, 0.0},  {8.7, 4.6},   // top point, then the notch to its right
    {14.0, 4.6}, {9.7, 7.4},   // right point
    {11.3, 12.0}, {7.0, 9.2},  // lower right point
    {2.7, 12.0}, {4.3, 7.4},   // lower left point
    {0.0, 4.6},  {5.3, 4.6},   // left point
}};

const QColor kBleu{0, 0, 255};

} // namespace

const QPainterPath& cheminEtoile()
{
    static const QPainterPath chemin = [] {
        QPainterPath c;
        c.moveTo(kSommets[0]);
        for (std::size_t i = 1; i < kSommets.size(); ++i)
            c.lineTo(kSommets[i]);
        c.closeSubpath();
        return c;
    }();
    return chemin;
}

QPainterPath seulementVisible(const QPainter& p, const QPainterPath& chemin)
{
    if (!p.hasClipping()) return chemin;
    // A shape stretched far beyond what shows would cost the rasteriser its
    // whole size; cut it to the clip first.
    const QRectF clip = p.clipBoundingRect();
    const QRectF boite = chemin.boundingRect();
    if (boite.width() <= 2 * clip.width() + 64 && boite.height() <= 2 * clip.height() + 64)
        return chemin;
    QPainterPath fenetre;
    fenetre.addRect(clip.adjusted(-2, -2, 2, 2));
    return chemin.intersected(fenetre);
}

void dessineEtoile(QPainter& p, const QRectF& cadre)
{
    if (cadre.isEmpty())
        return;
    // Stretch the design grid onto the control, as a picture is stretched to
    // its image control; the outline is scaled, not the pixels.
    QTransform t;
    t.translate(cadre.left(), cadre.top());
    t.scale(cadre.width() / kLargeurEtoile, cadre.height() / kHauteurEtoile);
    const QPainterPath chemin = seulementVisible(p, t.map(cheminEtoile()));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(kBleu);
    p.drawPath(chemin);
    p.restore();
}

} // namespace orbeline
