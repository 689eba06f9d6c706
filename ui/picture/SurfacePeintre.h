#pragma once
// A drawing surface over a painter on any device (a printer, a PDF, an
// image): an area of largeur × hauteur logical pixels laid onto a rectangle of
// the device, at the device's own resolution. A picture area's journal drawn
// again here lands where it did on screen, its lines on the same logical
// pixels (view/pixels.h) but as fine as the device allows. The controls only
// keep their geometry: nothing of them is drawn.

#include "SurfaceTenue.h"

#include <QRectF>
#include <QTransform>

class QColor;
class QPainter;
class QPen;

namespace orbeline {

class SurfacePeintre final : public SurfaceTenue {
public:
    /// Draws into `cible` (device coordinates) through `p`, clipped to it;
    /// `gris` turns every colour to its grey.
    SurfacePeintre(QPainter& p, const QRectF& cible, int largeur, int hauteur, bool gris = false);
    ~SurfacePeintre() override;
    SurfacePeintre(const SurfacePeintre&) = delete;
    SurfacePeintre& operator=(const SurfacePeintre&) = delete;

    void cls() override;
    void line(float x1, float y1, float x2, float y2, std::optional<Couleur> c = {}) override;
    void circle(float x, float y, float r) override;
    void pset(float x, float y, std::optional<Couleur> c = {}) override;
    void texte(float x, float y, std::string_view t, Ancre a, std::optional<Couleur> c = {}) override;
    void repeint(Controle) override {}
    void fleche(int, std::optional<Fleche>) override {}

private:
    QColor couleur(Couleur c) const;
    QPen stylo(Couleur c) const;

    QPainter& p_;
    QRectF cible_;
    QTransform versDevice_;   // logical pixels of the area to the device
    bool gris_;
};

} // namespace orbeline
