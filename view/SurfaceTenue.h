#pragma once
// What every drawing surface does the same way, whatever it draws on: it
// keeps its state (EtatSurface: scale, pen, colours, current position, the
// controls' places) and, for a picture area of a window, the journal of its
// drawing calls. Each setter records the call and updates the state here,
// once for all; a front end's surface adds what it shows (its pixels, its
// controls painted over them).

#include "EtatSurface.h"
#include "journal.h"
#include "pixels.h"
#include "surface.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace orbeline {

class SurfaceTenue : public Surface {
public:
    /// Scale, pen, colours, current position and controls (in inner-area pixels), as they stand.
    virtual const EtatSurface& etat() const { return etat_; }
    /// The drawing calls since the last cls, to draw them again elsewhere (none for a surface that keeps none).
    const Journal& journal() const { return journal_; }

    void scale(double x1, double y1, double x2, double y2) override;
    double scaleLeft() const override { return etat().left; }
    double scaleTop() const override { return etat().top; }
    double scaleWidth() const override { return etat().width; }
    double scaleHeight() const override { return etat().height; }
    int largeurPixels() const override { return etat().largeurPx; }
    int hauteurPixels() const override { return etat().hauteurPx; }

    /// The state's part of a cls: the current position back to the corner, the journal started again.
    void cls() override;
    /// The journal played again after a cls, texts translated (a journal past its bound: nothing changes).
    void retraduitDessin(const Rappel<std::string(std::string_view)>& traduit) override;
    void setDrawWidth(int pixels) override;
    void setDrawStyle(StyleTrait style) override;
    void setForeColor(Couleur c) override;
    void setFillColor(Couleur c) override;
    void setFillStyle(StyleRemplissage s) override;
    float currentX() const override { return etat_.currentX; }
    float currentY() const override { return etat_.currentY; }

    float gauche(Controle c) const override { return etat().gauche(c); }
    float haut(Controle c) const override { return etat().haut(c); }
    float largeur(Controle c) const override { return etat().largeur(c); }
    float hauteur(Controle c) const override { return etat().hauteur(c); }
    void deplace(Controle c, float gauche, float haut) override { etat_.deplace(c, gauche, haut); }
    void setLargeur(Controle c, float largeur) override { etat_.setLargeur(c, largeur); }
    void setHauteur(Controle c, float hauteur) override { etat_.setHauteur(c, hauteur); }
    void setVisible(Controle c, bool visible) override { etat_.geo(c).visible = visible; }
    bool estVisible(Controle c) const override { return etat_.geo(c).visible; }
    /// Puts a control where the window's layout has it, in inner-area pixels.
    virtual void place(Controle c, const GeometrieControle& g) { etat_.geo(c) = g; }

protected:
    /// A surface starting from that state; `tenue`: it keeps a journal (a window's picture area).
    explicit SurfaceTenue(const EtatSurface& e = {}, bool tenue = true);

    /// The pen's width in pixels, as it draws: 1 to kTraitMax.
    int largeurTrait() const { return std::clamp(etat_.drawWidth, 1, kTraitMax); }

    // A drawing call recorded, and the current position it leaves, before the surface draws it.
    void noteLigne(float x1, float y1, float x2, float y2, std::optional<Couleur> c)
    {
        if (tenue_) journal_.line(x1, y1, x2, y2, c);
        etat_.currentX = x2;
        etat_.currentY = y2;
    }
    void noteCercle(float x, float y, float r)
    {
        if (tenue_) journal_.circle(x, y, r);
        etat_.currentX = x;
        etat_.currentY = y;
    }
    void notePoint(float x, float y, std::optional<Couleur> c)
    {
        if (tenue_) journal_.pset(x, y, c);
        etat_.currentX = x;
        etat_.currentY = y;
    }
    void noteTexte(float x, float y, std::string_view t, Ancre a, std::optional<Couleur> c)
    {
        if (tenue_) journal_.texte(x, y, t, a, c);
    }

    // Mutable: a surface whose size may change unseen brings them up to date in its readers.
    mutable EtatSurface etat_;
    mutable Journal journal_;
    bool tenue_;
};

} // namespace orbeline
