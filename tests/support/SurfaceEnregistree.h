#pragma once
// A drawing surface that records every call with its arguments, and keeps
// the same state (scale, pen, current position, controls) and journal as the
// real ones: theirs, SurfaceTenue's.

#include "SurfaceTenue.h"

#include <optional>
#include <string>
#include <vector>

namespace orbeline::test {

/// One recorded call.
struct Appel {
    std::string op;               ///< "scale", "cls", "line", "circle", "pset", "drawWidth", …
    std::vector<double> args;     ///< numeric arguments, in call order
    std::optional<Couleur> couleur; ///< colour argument, when the call names one
    int drawWidth = 0;            ///< pen width in force at the call
    StyleTrait drawStyle = StyleTrait::Plein; ///< pen style in force at the call
    std::string texte;            ///< the text written, for "texte"
    friend bool operator==(const Appel&, const Appel&) = default;
};

class SurfaceEnregistree : public SurfaceTenue {
public:
    /// A surface whose inner area is w × h pixels (Picture1: 496 × 496).
    explicit SurfaceEnregistree(int w = 496, int h = 496) : SurfaceTenue(EtatSurface::enPixels(w, h)) {}

    std::vector<Appel> appels;    ///< every call, in order

    /// The recorded calls of one operation.
    std::vector<Appel> appelsDe(const std::string& op) const;
    /// Forgets the recorded calls (the state stays).
    void oublie() { appels.clear(); }

    void scale(double x1, double y1, double x2, double y2) override;
    void cls() override;
    void setDrawWidth(int pixels) override;
    void setDrawStyle(StyleTrait style) override;
    void setForeColor(Couleur c) override;
    void setFillColor(Couleur c) override;
    void setFillStyle(StyleRemplissage s) override;
    void line(float x1, float y1, float x2, float y2, std::optional<Couleur> c = {}) override;
    void circle(float x, float y, float r) override;
    void pset(float x, float y, std::optional<Couleur> c = {}) override;
    void texte(float x, float y, std::string_view t, Ancre a, std::optional<Couleur> c = {}) override;
    void deplace(Controle c, float gauche, float haut) override;
    void setLargeur(Controle c, float largeur) override;
    void setHauteur(Controle c, float hauteur) override;
    void setVisible(Controle c, bool visible) override;
    void repeint(Controle c) override;
    void fleche(int n, std::optional<Fleche> f) override;

private:
    void note(std::string op, std::vector<double> args, std::optional<Couleur> c = {});
};

} // namespace orbeline::test
