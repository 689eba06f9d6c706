#pragma once
// The state a drawing surface keeps besides its pixels: user scale, pen,
// colours, current position and the geometry of the controls inside it.
// Shared by the Qt picture area and the recording surface of the tests, so
// that both convert between user units and pixels the same way.

#include "surface.h"

#include <array>

namespace orbeline {

/// Geometry of a control inside a picture area, in pixels of the inner area
/// (so that a control keeps its place on screen when the user scale changes).
/// A size the program set in user units is kept in user units instead: the
/// star reset to 28 × 23 units covers twice the pixels in a view of half the
/// width.
struct GeometrieControle {
    double gauche = 0;          ///< left edge, px
    double haut = 0;            ///< top edge, px
    double largeur = 0;         ///< width, px
    double hauteur = 0;         ///< height, px
    bool visible = false;       ///< shown or hidden
    bool tailleEnUnites = false;  ///< size last set in user units: it follows the scale
};

struct EtatSurface {
    int largeurPx = 1;              ///< width of the inner area, logical pixels
    int hauteurPx = 1;              ///< height of the inner area, logical pixels
    double left = 0;                ///< ScaleLeft
    double top = 0;                 ///< ScaleTop
    double width = 1;               ///< ScaleWidth
    double height = 1;              ///< ScaleHeight
    float currentX = 0;             ///< CurrentX, user units
    float currentY = 0;             ///< CurrentY, user units
    int drawWidth = 1;              ///< pen width, px
    StyleTrait drawStyle = StyleTrait::Plein;          ///< pen style
    Couleur foreColor{0, 0, 0};                        ///< pen colour when none is named
    Couleur fillColor{0, 0, 0};                        ///< circle fill colour
    StyleRemplissage fillStyle = StyleRemplissage::Transparent; ///< circle fill style
    std::array<GeometrieControle, 2> controles{};      ///< Sat, starbleue

    /// An area of w × h pixels whose user scale is its pixels.
    static EtatSurface enPixels(int w, int h);

    /// Applies the scale operation from two corners.
    void scale(double x1, double y1, double x2, double y2);
    /// Sets the inner area's size in pixels (the user scale is kept).
    void redimensionne(int largeur, int hauteur);
    /// User abscissa to pixel abscissa.
    double versPxX(double x) const { return (x - left) * largeurPx / width; }
    /// User ordinate to pixel ordinate.
    double versPxY(double y) const { return (y - top) * hauteurPx / height; }
    /// Pixel abscissa to user abscissa.
    double versUserX(double px) const { return left + px * width / largeurPx; }
    /// Pixel ordinate to user ordinate.
    double versUserY(double py) const { return top + py * height / hauteurPx; }
    /// Horizontal user length to pixels (always positive for a positive length).
    double longueurPxX(double l) const;
    /// Vertical user length to pixels.
    double longueurPxY(double l) const;

    /// The geometry of a control.
    GeometrieControle& geo(Controle c) { return controles[static_cast<std::size_t>(c)]; }
    /// The geometry of a control.
    const GeometrieControle& geo(Controle c) const { return controles[static_cast<std::size_t>(c)]; }
    /// Control's left edge in user units.
    float gauche(Controle c) const;
    /// Control's top edge in user units.
    float haut(Controle c) const;
    /// Control's width in user units.
    float largeur(Controle c) const;
    /// Control's height in user units.
    float hauteur(Controle c) const;
    /// Moves a control (user units).
    void deplace(Controle c, float gauche, float haut);
    /// Resizes a control's width (user units), top-left corner kept.
    void setLargeur(Controle c, float l);
    /// Resizes a control's height (user units), top-left corner kept.
    void setHauteur(Controle c, float h);

private:
    /// Sets the scale and the pixel size, keeping the user-unit sizes of the
    /// controls that have one: one body for scale and redimensionne, not inlined twice.
    [[gnu::noinline]] void change(double l, double t, double w, double h, int lPx, int hPx);
};

} // namespace orbeline
