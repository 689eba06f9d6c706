#include "impression.h"

#include "FrmSat.h"
#include "PictureBox.h"
#include "SurfacePeintre.h"
#include "mesures.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace orbeline {

namespace {

QString qs(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }

} // namespace

bool dessineFeuille(QPainter& p, QPagedPaintDevice& pages, const Feuille& f, double pxParMm, const FrmSat& w, bool gris)
{
    const auto px = [&](const CadreMm& c) {
        return QRectF(c.gauche * pxParMm, c.haut * pxParMm, c.largeur * pxParMm, c.hauteur * pxParMm);
    };
    const QPen trait(Qt::black, 0.25 * pxParMm);
    for (int page = 0; page < f.pages; ++page) {
        if (page > 0 && !pages.newPage()) return false;

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

        // The pictures: the same calls as on screen, at the device's resolution;
        // past the journal's bound, the area's pixels, each one a block.
        for (const ElementFeuille& e : f.elements) {
            if (e.page != page) continue;
            const QRectF r = px(e.cadre);
            switch (e.sorte) {
            case ElementFeuille::Sorte::Image: {
                const PictureBox& zone = *w.pictureBox(e.picture);
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
                break;
            }
            case ElementFeuille::Sorte::Pave: {
                const QColor c(e.couleur.r, e.couleur.g, e.couleur.b);
                p.fillRect(r, gris ? QColor::fromHsl(0, 0, c.lightness()) : c);
                break;
            }
            case ElementFeuille::Sorte::Regle:
            case ElementFeuille::Sorte::Pointille: {
                const bool points = e.sorte == ElementFeuille::Sorte::Pointille;
                p.setPen(QPen(Qt::black, (points ? 0.3 : 0.2) * pxParMm, points ? Qt::DotLine : Qt::SolidLine));
                p.drawLine(r.topLeft(), r.topRight());
                break;
            }
            case ElementFeuille::Sorte::Texte: {
                p.setPen(Qt::black);
                p.setFont(police("Arial", e.corps, e.gras));
                const Qt::Alignment a = e.alignement == ElementFeuille::Alignement::Centre   ? Qt::AlignHCenter
                                        : e.alignement == ElementFeuille::Alignement::Droite ? Qt::AlignRight
                                                                                             : Qt::AlignLeft;
                p.drawText(r, a | Qt::AlignVCenter, qs(e.texte));
                break;
            }
            }
        }
    }
    return true;
}

} // namespace orbeline
