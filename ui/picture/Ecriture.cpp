#include "Ecriture.h"

#include "pixels.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <cmath>

namespace orbeline {

void dessineTexte(QPainter& p, QPointF point, std::string_view t, Ancre a, const QColor& c, double corps)
{
    QFont police(QStringLiteral("Arial"));
    police.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    police.setPixelSize(static_cast<int>(std::lround(corps)));
    const QString texte = QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
    // Measured in the painter's units, whatever device it paints on.
    const QFontMetricsF m(police);
    const double l = m.horizontalAdvance(texte);
    double x = point.x(), y = point.y();
    switch (a) {
    case Ancre::HautGauche: y += m.ascent(); break;
    case Ancre::HautDroite: x -= l, y += m.ascent(); break;
    case Ancre::BasGauche: y -= m.descent(); break;
    case Ancre::BasDroite: x -= l, y -= m.descent(); break;
    case Ancre::Centre: x -= l / 2, y += (m.ascent() - m.descent()) / 2; break;
    }
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setFont(police);
    p.setPen(c);
    p.drawText(QPointF(x, y), texte);
    p.restore();
}

void dessineFleche(QPainter& p, QPointF a, QPointF b, const QColor& c, double largeur)
{
    const auto pointe = barbes({a.x(), a.y()}, {b.x(), b.y()});
    if (!pointe) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(c, largeur);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(a, b);
    for (const PointPx& q : *pointe) p.drawLine(b, QPointF(q.x, q.y));
    p.restore();
}

} // namespace orbeline
