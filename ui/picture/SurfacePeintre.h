#pragma once
// A drawing surface over a painter on any device (a printer, a PDF, an
// image): an area of largeur × hauteur logical pixels laid onto a rectangle of
// the device, at the device's own resolution. A picture area's journal drawn
// again here lands where it did on screen, its lines on the same logical
// pixels (view/pixels.h) but as fine as the device allows. The controls only
// keep their geometry: nothing of them is drawn.

#include "EtatSurface.h"
#include "surface.h"

#include <QRectF>
#include <QTransform>

class QColor;
class QPainter;
class QPen;

namespace orbeline {

class SurfacePeintre final : public Surface {
public:
    /// Draws into `cible` (device coordinates) through `p`, clipped to it;
    /// `gris` turns every colour to its grey.
    SurfacePeintre(QPainter& p, const QRectF& cible, int largeur, int hauteur, bool gris = false);
    ~SurfacePeintre() override;
    SurfacePeintre(const SurfacePeintre&) = delete;
    SurfacePeintre& operator=(const SurfacePeintre&) = delete;

    void scale(double x1, double y1, double x2, double y2) override { etat_.scale(x1, y1, x2, y2); }
    double scaleLeft() const override { return etat_.left; }
    double scaleTop() const override { return etat_.top; }
    double scaleWidth() const override { return etat_.width; }
    double scaleHeight() const override { return etat_.height; }
    int largeurPixels() const override { return etat_.largeurPx; }
    int hauteurPixels() const override { return etat_.hauteurPx; }

    void cls() override;
    void setDrawWidth(int pixels) override { etat_.drawWidth = pixels; }
    void setDrawStyle(StyleTrait style) override { etat_.drawStyle = style; }
    void setForeColor(Couleur c) override { etat_.foreColor = c; }
    void setFillColor(Couleur c) override { etat_.fillColor = c; }
    void setFillStyle(StyleRemplissage s) override { etat_.fillStyle = s; }

    void line(float x1, float y1, float x2, float y2, std::optional<Couleur> c = {}) override;
    void circle(float x, float y, float r) override;
    void pset(float x, float y, std::optional<Couleur> c = {}) override;
    void texte(float x, float y, std::string_view t, Ancre a, std::optional<Couleur> c = {}) override;
    float currentX() const override { return etat_.currentX; }
    float currentY() const override { return etat_.currentY; }

    float gauche(Controle c) const override { return etat_.gauche(c); }
    float haut(Controle c) const override { return etat_.haut(c); }
    float largeur(Controle c) const override { return etat_.largeur(c); }
    float hauteur(Controle c) const override { return etat_.hauteur(c); }
    void deplace(Controle c, float gauche, float haut) override { etat_.deplace(c, gauche, haut); }
    void setLargeur(Controle c, float largeur) override { etat_.setLargeur(c, largeur); }
    void setHauteur(Controle c, float hauteur) override { etat_.setHauteur(c, hauteur); }
    void setVisible(Controle c, bool visible) override { etat_.geo(c).visible = visible; }
    bool estVisible(Controle c) const override { return etat_.geo(c).visible; }
    void repeint(Controle) override {}
    void fleche(int, std::optional<Fleche>) override {}

private:
    int largeurTrait() const;
    QColor couleur(Couleur c) const;
    QPen stylo(Couleur c) const;

    QPainter& p_;
    QRectF cible_;
    QTransform versDevice_;   // logical pixels of the area to the device
    EtatSurface etat_;
    bool gris_;
};

} // namespace orbeline
