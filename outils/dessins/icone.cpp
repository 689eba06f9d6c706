// The application icon: a teal Earth, an orbit around it and a satellite on
// the orbit. Bold shapes and a dark outline on everything keep it readable
// from a 16-px task bar entry to a 256-px launcher tile, on light or dark
// backgrounds alike.

#include "art.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orbeline {
namespace {

// Everything below is laid out on a 256-unit square and scaled.
constexpr double cote = 256;
constexpr QPointF centre{126, 146};
constexpr double rayonTerre = 64;
constexpr double orbiteA = 120, orbiteB = 80, orbiteInclinaison = -28;  // degrees
// Where the satellite sits on the orbit (angle from the orbit's major axis),
// well clear of the disc so it reads on its own at small sizes.
constexpr double angleSatellite = -32;

const QColor contour(12, 40, 48);

QTransform repereOrbite()
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(orbiteInclinaison);
    return t;
}

QPointF pointOrbite(double degres)
{
    const double a = degres * std::numbers::pi / 180;
    return repereOrbite().map(QPointF(orbiteA * std::cos(a), orbiteB * std::sin(a)));
}

// The orbit line, widened in units so it stays at least about a pixel and a
// half thick once scaled down. It clears the disc, so it is drawn whole.
void peindreOrbite(QPainter& p, double unitesParPixel)
{
    const double epaisseur = std::max(7.0, 1.5 * unitesParPixel);
    QPainterPath chemin;
    chemin.addEllipse(QPointF(0, 0), orbiteA, orbiteB);
    chemin = repereOrbite().map(chemin);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(contour, epaisseur + std::max(5.0, 1.0 * unitesParPixel)));
    p.drawPath(chemin);
    p.setPen(QPen(QColor(250, 245, 225), epaisseur));
    p.drawPath(chemin);
}

void peindreTerre(QPainter& p, double unitesParPixel)
{
    QRadialGradient degrade(centre + QPointF(-30, -34), rayonTerre * 1.35);
    degrade.setColorAt(0, QColor(96, 220, 205));
    degrade.setColorAt(0.55, QColor(0, 150, 146));
    degrade.setColorAt(1, QColor(0, 88, 98));
    p.setPen(QPen(contour, std::max(6.0, 1.2 * unitesParPixel)));
    p.setBrush(degrade);
    p.drawEllipse(centre, rayonTerre, rayonTerre);

    // Continents only where there are pixels enough to show them.
    if (unitesParPixel > 4) return;
    p.save();
    QPainterPath disque;
    disque.addEllipse(centre, rayonTerre - 3, rayonTerre - 3);
    p.setClipPath(disque);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 195, 140, 150));
    QPainterPath terres;
    terres.moveTo(centre + QPointF(-70, -40));
    terres.cubicTo(centre + QPointF(-40, -70), centre + QPointF(-5, -50), centre + QPointF(-20, -25));
    terres.cubicTo(centre + QPointF(-30, -5), centre + QPointF(-5, 10), centre + QPointF(-20, 40));
    terres.cubicTo(centre + QPointF(-30, 60), centre + QPointF(-60, 40), centre + QPointF(-65, 10));
    terres.cubicTo(centre + QPointF(-75, -10), centre + QPointF(-90, -20), centre + QPointF(-70, -40));
    terres.moveTo(centre + QPointF(20, -65));
    terres.cubicTo(centre + QPointF(60, -70), centre + QPointF(85, -30), centre + QPointF(60, -10));
    terres.cubicTo(centre + QPointF(45, 5), centre + QPointF(55, 35), centre + QPointF(30, 45));
    terres.cubicTo(centre + QPointF(10, 30), centre + QPointF(25, 0), centre + QPointF(10, -20));
    terres.cubicTo(centre + QPointF(0, -40), centre + QPointF(5, -60), centre + QPointF(20, -65));
    // Drawn on a disc of radius ~85 and shrunk to leave plenty of ocean.
    QTransform reduit;
    reduit.translate(centre.x() + 4, centre.y() + 4);
    reduit.rotate(22);
    reduit.scale(0.62, 0.62);
    reduit.translate(-centre.x(), -centre.y());
    p.drawPath(reduit.map(terres));
    p.restore();
}

// A satellite: a gold body between two blue panel wings, lined up with the
// orbit. Below 32 px the panels' grid is left out: it would only blur.
void peindreSatellite(QPainter& p, double unitesParPixel)
{
    const QPointF position = pointOrbite(angleSatellite);
    p.save();
    p.translate(position);
    p.rotate(orbiteInclinaison + 75);
    // Bigger at tiny sizes, where it would otherwise shrink to a speck.
    const double agrandi = unitesParPixel > 8 ? 1.3 : 0.85;
    p.scale(agrandi, agrandi);
    const double trait = std::max(5.0, 0.8 * unitesParPixel / agrandi);

    p.setPen(QPen(contour, trait, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(-40, 0), QPointF(40, 0));
    const QRectF gauche(-50, -13, 34, 26), droite(16, -13, 34, 26);
    p.setBrush(QColor(70, 130, 230));
    p.drawRect(gauche);
    p.drawRect(droite);
    if (unitesParPixel <= 8) {
        p.setPen(QPen(QColor(190, 215, 255), std::max(2.0, 0.6 * unitesParPixel)));
        for (const QRectF& aile : {gauche, droite}) {
            p.drawLine(QPointF(aile.center().x(), aile.top() + 3), QPointF(aile.center().x(), aile.bottom() - 3));
            p.drawLine(QPointF(aile.left() + 3, aile.center().y()), QPointF(aile.right() - 3, aile.center().y()));
        }
    }
    p.setPen(QPen(contour, trait, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(245, 190, 60));
    p.drawRect(QRectF(-13, -15, 26, 30));
    p.restore();
}

} // namespace

QImage imageIcone(int taille)
{
    taille = std::max(1, taille);
    QImage image(taille, taille, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double echelle = taille / cote;
    p.scale(echelle, echelle);
    const double unitesParPixel = 1 / echelle;

    peindreOrbite(p, unitesParPixel);
    peindreTerre(p, unitesParPixel);
    peindreSatellite(p, unitesParPixel);
    p.end();
    return image;
}

} // namespace orbeline
