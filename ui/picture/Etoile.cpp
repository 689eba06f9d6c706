#include "Etoile.h"

#include "pixels.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QTransform>

#include <array>

namespace orbeline {

namespace {

const QColor kBleu{0, 0, 255};

} // namespace

const QPainterPath& cheminEtoile()
{
    static const QPainterPath chemin = [] {
        QPainterPath c;
        c.moveTo(kSommetsEtoile[0].x, kSommetsEtoile[0].y);
        for (std::size_t i = 1; i < kSommetsEtoile.size(); ++i) c.lineTo(kSommetsEtoile[i].x, kSommetsEtoile[i].y);
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
