#pragma once
// The drawing surface of a picture area, as the orbit view and the charts
// see it: a user coordinate system, a pen, lines, circles and points, and the
// controls that sit inside the area (the satellite marker and the star).
// The Qt picture area implements it over a retained image; the tests record
// every call. Neither the view nor the charts reach Qt any other way.

#include "Rappel.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace orbeline {

/// An RGB colour.
struct Couleur {
    std::uint8_t r = 0, g = 0, b = 0;  ///< red, green, blue, 0..255
    friend bool operator==(const Couleur&, const Couleur&) = default;
};

/// Colour of the 16-colour console palette (0 black … 15 white).
Couleur couleurPalette(int index);

/// Pen styles used by the program.
enum class StyleTrait { Plein, Tirets, TiretPointPoint };  ///< solid, dash, dash-dot-dot
/// Fill styles used by the program.
enum class StyleRemplissage { Plein, Transparent };        ///< solid, none
/// The controls that live inside a picture area.
enum class Controle { Sat, Etoile };                       ///< `Sat`, `starbleue`
/// Which corner (or the middle) of a text stands on the point given.
enum class Ancre : std::uint8_t { HautGauche, HautDroite, BasGauche, BasDroite, Centre };
/// Height of the areas' text, logical pixels: small enough for a chart.
inline constexpr int kCorpsTexte = 10;
/// An arrow painted over the drawing like the marker (kept in no drawing),
/// from its tail to its head, in user units.
struct Fleche {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Couleur couleur{};
    friend bool operator==(const Fleche&, const Fleche&) = default;
};
/// How many arrows an area shows over its drawing (the start's velocity, the pointed point's).
inline constexpr int kNombreFleches = 2;

class Surface {
public:
    virtual ~Surface() = default;

    /// Sets the user scale from the upper-left (x1, y1) and lower-right (x2, y2) corners.
    virtual void scale(double x1, double y1, double x2, double y2) = 0;
    /// ScaleLeft: user abscissa of the left edge.
    virtual double scaleLeft() const = 0;
    /// ScaleTop: user ordinate of the top edge.
    virtual double scaleTop() const = 0;
    /// ScaleWidth: x2 − x1.
    virtual double scaleWidth() const = 0;
    /// ScaleHeight: y2 − y1 (negative when y grows upward).
    virtual double scaleHeight() const = 0;
    /// Width of the inner area in (logical) pixels.
    virtual int largeurPixels() const = 0;
    /// Height of the inner area in (logical) pixels.
    virtual int hauteurPixels() const = 0;

    /// Erases everything drawn; controls keep their places.
    virtual void cls() = 0;
    /// Pen width in pixels.
    virtual void setDrawWidth(int pixels) = 0;
    /// Pen style; a pen wider than one pixel draws every style solid.
    virtual void setDrawStyle(StyleTrait style) = 0;
    /// Colour used by drawings that name none, and by circle outlines.
    virtual void setForeColor(Couleur c) = 0;
    /// Fill colour of circles.
    virtual void setFillColor(Couleur c) = 0;
    /// Fill style of circles.
    virtual void setFillStyle(StyleRemplissage s) = 0;

    /// Line between two points, in the given colour or the foreground one.
    virtual void line(float x1, float y1, float x2, float y2, std::optional<Couleur> c = {}) = 0;
    /// Circle of centre (x, y) and radius r (user units along x), filled per the fill settings.
    virtual void circle(float x, float y, float r) = 0;
    /// Point with the pen width; it becomes the current position.
    virtual void pset(float x, float y, std::optional<Couleur> c = {}) = 0;
    /// A line of text in the areas' sans-serif of kCorpsTexte pixels, the
    /// anchor's corner on (x, y); the current position does not move.
    virtual void texte(float x, float y, std::string_view t, Ancre a, std::optional<Couleur> c = {}) = 0;
    /// CurrentX: abscissa of the current position.
    virtual float currentX() const = 0;
    /// CurrentY: ordinate of the current position.
    virtual float currentY() const = 0;

    /// Left edge of a control, in user units.
    virtual float gauche(Controle c) const = 0;
    /// Top edge of a control, in user units (the larger ordinate when y grows upward).
    virtual float haut(Controle c) const = 0;
    /// Width of a control, a positive length in user units.
    virtual float largeur(Controle c) const = 0;
    /// Height of a control, a positive length in user units.
    virtual float hauteur(Controle c) const = 0;
    /// Moves a control to a new left and top edge, its size unchanged.
    virtual void deplace(Controle c, float gauche, float haut) = 0;
    /// Sets a control's width in user units, keeping its top-left corner.
    virtual void setLargeur(Controle c, float largeur) = 0;
    /// Sets a control's height in user units, keeping its top-left corner.
    virtual void setHauteur(Controle c, float hauteur) = 0;
    /// Shows or hides a control.
    virtual void setVisible(Controle c, bool visible) = 0;
    /// True when the control is shown.
    virtual bool estVisible(Controle c) const = 0;
    /// Repaints a control at once: each of the star's frames shows before the next one is drawn.
    virtual void repeint(Controle c) = 0;
    /// Shows arrow n (0 to kNombreFleches − 1) over the drawing; none hides it.
    /// It keeps its place in user units when the scale changes.
    virtual void fleche(int n, std::optional<Fleche> f) = 0;
    /// Draws again, on a blank area, what was drawn since the last cls, each
    /// text through `traduit`: a text written in the language left, in the
    /// new one. A surface that keeps no drawing keeps what it shows.
    virtual void retraduitDessin(const Rappel<std::string(std::string_view)>& traduit) { (void)traduit; }
};

/// A coordinate in single precision, as the surfaces take them: beyond the
/// float range it stays at the range's edge, far outside any view, instead
/// of becoming infinite. Inline: the charts convert 5 000 values a launch.
inline float enFloat(double v)
{
    constexpr double kMax = std::numeric_limits<float>::max();
    return static_cast<float>(std::clamp(v, -kMax, kMax));
}

/// A colour as a projector shows it legibly: a light one (grid grey, light
/// grey, sky blue) darkened, its hue kept, until it stands out on white;
/// a dark one as it is.
Couleur contrastee(Couleur c);

/// How wide a line of text is in the areas' sans-serif (Arial, or the
/// wider DejaVu Sans it may fall back on) for a type `corps` high: a bound
/// the text stays within, in the unit of `corps`, to lay out texts apart.
double largeurTexte(std::string_view t, double corps);

/// Centring rule for a control of width w and height h on (x, y): left edge
/// at x − w/2, top edge at y + h/2 (y grows upward). Used for every marker.
void centre(Surface& s, Controle c, double x, double y);

} // namespace orbeline
