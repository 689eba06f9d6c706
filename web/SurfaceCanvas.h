#pragma once
// A picture area of the web page: the drawing surface over two stacked Canvas
// 2D elements (web/surface.js). The lower one keeps what is drawn (retained,
// like the desktop's image); the upper one holds the satellite marker and the
// star, painted again once the running task ends after any of their changes.
// Both canvases have the device pixel ratio's pixels: w·dpr × h·dpr for an
// area of w × h CSS pixels. Everything up to the pixel is worked out here,
// with the same user-unit ↔ pixel conversions as the desktop (EtatSurface);
// the script only multiplies by the pixel ratio and draws.

#include "SurfaceTenue.h"

#include <array>
#include <optional>
#include <string_view>

namespace orbeline {

class SurfaceCanvas final : public SurfaceTenue {
public:
    /// Border of a picture area (sunken), CSS px.
    static constexpr int kBord = 2;

    /// Makes the area in the page's client area (the element `client`): an
    /// element of id `idElement` and accessible name `nom`, its outer box,
    /// border included, at (gauche, haut) and of largeur × hauteur CSS px.
    /// User units are its inner pixels until a scale is set.
    SurfaceCanvas(std::string_view idElement, std::string_view nom, int gauche, int haut, int largeur,
                  int hauteur);
    /// Draws on a canvas the script holds (its number) as an area of
    /// largeur × hauteur CSS px would, keeping no journal and sending no
    /// control: to draw a journal again there.
    SurfaceCanvas(int toile, int largeur, int hauteur);
    SurfaceCanvas(const SurfaceCanvas&) = delete;
    SurfaceCanvas& operator=(const SurfaceCanvas&) = delete;

    /// The script's number for this area.
    int numero() const { return id_; }

    /// A canvas for a printout, of largeur × hauteur CSS px at `ratio` canvas
    /// pixels each, made in the element `parent` under the id `id`; its number.
    static int nouvelleToile(std::string_view id, std::string_view parent, int largeur, int hauteur, int ratio);
    /// Lets the canvas of that number go.
    static void libereToile(int toile);
    /// Draws the area's drawing on a printout's canvas: its journal again,
    /// or, past the journal's bound, its pixels enlarged.
    void imprimeSur(int toile) const;
    /// Moves the area's box to (gauche, haut) CSS px of its container and
    /// shows it `echelle` times its size, its drawing made at that size.
    void montre(int gauche, int haut, double echelle);
    /// Draws the journal again on the area's own canvas, blank after a change
    /// of pixel ratio; false past the journal's bound.
    bool redessine() const;
    /// On a projector: its texts at least `corps` CSS px high as shown, its
    /// light colours darkened (0, false: as the window has them); drawn again.
    void projection(double corps, bool contraste);

    // The drawing surface; see surface.h for each operation, SurfaceTenue for the state it keeps
    // (the controls in inner-area CSS px).
    void scale(double x1, double y1, double x2, double y2) override;
    void cls() override;
    void line(float x1, float y1, float x2, float y2, std::optional<Couleur> c = {}) override;
    void circle(float x, float y, float r) override;
    void pset(float x, float y, std::optional<Couleur> c = {}) override;
    void texte(float x, float y, std::string_view t, Ancre a, std::optional<Couleur> c = {}) override;

    void deplace(Controle c, float gauche, float haut) override;
    void setLargeur(Controle c, float largeur) override;
    void setHauteur(Controle c, float hauteur) override;
    void setVisible(Controle c, bool visible) override;
    void place(Controle c, const GeometrieControle& g) override;
    /// Shows the control as it stands once the running task ends: a page
    /// shows no frame before that.
    void repeint(Controle c) override;
    void fleche(int n, std::optional<Fleche> f) override;

private:
    void envoie(Controle c) const;   // hands a control's geometry to the page
    void envoieFleche(int n) const;  // hands an arrow, in pixels, to the page
    void dessinePoint(float x, float y, std::optional<Couleur> c);   // a point's pixels alone (notePoint records it)

    std::array<std::optional<Fleche>, kNombreFleches> fleches_{};   // over the drawing, user units
    int teinte(Couleur c) const;   // a colour as the script takes it, darkened on a projector
    int id_ = -1;          // the script's number for this area; tenue_: an area of the window, with controls
    double echelle_ = 1;   // how many times its size it is shown
    double corpsMin_ = 0;  // its texts' least height as shown, CSS px
    bool contraste_ = false;
};

} // namespace orbeline
