#include "impression.h"

#include "FrmSat.h"
#include "PictureBox.h"
#include "SurfacePeintre.h"
#include "mesures.h"

#include <QFontMetricsF>
#include <QPainter>

namespace orbeline {

namespace {

QString qs(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }

} // namespace

void dessineFeuille(QPainter& p, const Feuille& f, double pxParMm, const FrmSat& w, bool gris)
{
    const auto px = [&](const CadreMm& c) {
        return QRectF(c.gauche * pxParMm, c.haut * pxParMm, c.largeur * pxParMm, c.hauteur * pxParMm);
    };
    const QPen trait(Qt::black, 0.25 * pxParMm);

    // Each label on the box's baseline, then a dotted rule to its right edge.
    p.setFont(police("Arial", kCorpsNom));
    const QFontMetricsF mesure(p.font(), p.device());
    for (const ChampNom& c : f.nom) {
        const QRectF r = px(c.cadre);
        const double ligne = r.bottom() - mesure.descent();
        const QString libelle = qs(c.libelle);
        p.setPen(Qt::black);
        p.drawText(QPointF(r.left(), ligne), libelle);
        p.setPen(QPen(Qt::black, 0.3 * pxParMm, Qt::DotLine));
        p.drawLine(QPointF(r.left() + mesure.horizontalAdvance(libelle) + 2 * pxParMm, ligne), QPointF(r.right(), ligne));
    }

    // The same calls as on screen, at the device's resolution; past the
    // journal's bound, the area's pixels, each one a block.
    p.setFont(police("Arial", kCorpsGraphe, true));
    for (const ImageFeuille& im : f.images) {
        const PictureBox& zone = *w.pictureBox(im.picture);
        const QRectF r = px(im.cadre);
        bool rejoue = false;
        {
            SurfacePeintre s(p, r, zone.largeurPixels(), zone.hauteurPixels(), gris);
            rejoue = zone.journal().rejoue(s);
        }
        if (!rejoue) {
            p.setRenderHint(QPainter::SmoothPixmapTransform, false);
            p.drawImage(r, gris ? zone.image().convertToFormat(QImage::Format_Grayscale8) : zone.image());
        }
        p.setPen(trait);
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
        if (!im.legende.empty()) {
            p.setPen(Qt::black);
            p.drawText(px(im.cadreLegende), Qt::AlignCenter, qs(im.legende));
        }
    }

    p.setFont(police("Arial", kCorpsLegende));
    p.setPen(Qt::black);
    const QRectF legende = px(f.cadreLegende);
    const double interligne = kInterligneLegende * pxParMm;
    double y = legende.top();
    for (const std::string& l : f.lignes) {
        p.drawText(QRectF(legende.left(), y, legende.width(), interligne), Qt::AlignLeft | Qt::AlignVCenter, qs(l));
        y += interligne;
    }
}

} // namespace orbeline
