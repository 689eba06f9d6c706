#pragma once
// A picture area: a sunken frame around a drawing surface that keeps what is
// drawn in a retained image (so drawings survive covering, hiding, and are
// there when the window first opens), with the satellite marker and the star
// painted over it as lightweight controls.

#include "SurfaceTenue.h"

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QMargins>
#include <QRect>

#include <array>

class QMouseEvent;
class QPaintEvent;
class QPainter;
class QPen;
class QResizeEvent;
class QTransform;

namespace orbeline {

class PictureBox : public QFrame, public SurfaceTenue {
    Q_OBJECT

public:
    /// A picture area with a 2-px sunken border, pixel scale and default controls.
    explicit PictureBox(QWidget* parent = nullptr);

    /// Scale, pen, colours and control geometry, brought up to the area's present size.
    const EtatSurface& etat() const override;
    /// The retained drawing, at the widget's device pixel ratio.
    const QImage& image() const;

    // The drawing surface; see surface.h for each operation, SurfaceTenue for the state it keeps.
    void scale(double x1, double y1, double x2, double y2) override;
    void cls() override;
    void line(float x1, float y1, float x2, float y2, std::optional<Couleur> c = {}) override;
    void circle(float x, float y, float r) override;
    void pset(float x, float y, std::optional<Couleur> c = {}) override;
    void texte(float x, float y, std::string_view t, Ancre a, std::optional<Couleur> c = {}) override;

    void deplace(Controle c, float gauche, float haut) override;
    void setLargeur(Controle c, float largeur) override;
    void setHauteur(Controle c, float hauteur) override;
    /// Shows or hides the picture area itself.
    using QFrame::setVisible;
    void setVisible(Controle c, bool visible) override;
    void repeint(Controle c) override;
    void fleche(int n, std::optional<Fleche> f) override;

    /// Shows the area `zoom` times its size, its drawing made again at that
    /// size (lines and points as much thicker), its texts at least `corps`
    /// widget pixels high, its light colours darkened when `contraste`;
    /// the procedures see the same pixels as before. 1, 0, false: as the window has it.
    void agrandit(double zoom, double corps, bool contraste);

signals:
    /// A mouse button pressed: button 1/2/4, Shift 1 | Ctrl 2 | Alt 4, user coordinates.
    void souris(int bouton, int shift, float x, float y);
    /// The pointer moved: buttons held, Shift 1 | Ctrl 2 | Alt 4, user coordinates.
    void deplacement(int bouton, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* e) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // The inner area, in the widget's pixels. Asking the widget for its pixel
    // ratio or its margins (which take in the window's safe area) walks up to
    // the window: too dear for every point of a launch, so both are read again
    // only at a paint or after an event that can change them; the size is the
    // widget's own, always current.
    QRect interieur() const
    {
        if (dpr_ <= 0) litGeometrie();
        return rect() - marges_;
    }
    // Brings the inner size, the scale that depends on it and the image up to
    // date; inline, for the usual case where nothing moved.
    void ajuste() const
    {
        QSize taille = interieur().size();
        if (zoom_ != 1) taille = QSize(qRound(taille.width() / zoom_), qRound(taille.height() / zoom_));
        taille = taille.expandedTo(QSize(1, 1));
        if (taille != tailleImage_) refait(taille);
    }
    void dessinePoint(float x, float y, std::optional<Couleur> c);   // a point's pixels alone (notePoint records it)
    void litGeometrie() const;
    Couleur vue(Couleur c) const { return contraste_ ? contrastee(c) : c; }   // as it is painted
    void refait(const QSize& taille) const;
    QTransform versPixels() const;
    void prepare(QPainter& p) const;
    QPen stylo(const QColor& couleur) const;
    QColor couleurTrait(std::optional<Couleur> c) const;
    void abime(const QRectF& zonePx);
    void salit(const QRect& zone);
    void planifieRendu();
    QRect zoneSale() const;   // all the damage not yet handed over, widget pixels
    void rendSale();
    std::optional<QRectF> cadreControle(Controle c) const;
    QRect rectControle(Controle c) const;
    template <class Modif> void modifieControle(Controle c, Modif&& modif);

    // The widget can be resized while hidden without any resize event, so
    // the inner size, the scale that depends on it (etat_, journal_) and the
    // image are brought up to date lazily by ajuste(), from const readers as well.
    mutable QImage image_;
    bool echelleEnPixels_ = true;           // no scale set yet: user units are pixels
    std::array<QRect, 2> affiche_{};        // where each control was last painted
    std::array<std::optional<Fleche>, kNombreFleches> fleches_{};   // over the drawing, user units
    mutable double dpr_ = 0;                // pixel ratio in force; 0 until read again
    mutable QMargins marges_;               // contents margins, read with the pixel ratio
    mutable QSize tailleImage_;             // inner size the image fits, since dpr_ was read
    mutable QRgb* pixels_ = nullptr;        // image_'s pixels while it is not shared; null: ask again
    mutable int largeurImage_ = 0, hauteurImage_ = 0;  // image_'s size in device pixels
    mutable qsizetype pasImage_ = 0;        // image_'s pixels per line
    QRect sale_;                            // damage not yet handed to update()
    QRect pointsSales_;                     // the same for points, inner-area pixels, unclipped
    bool renduPrevu_ = false;               // a call of rendSale() is queued
    double zoom_ = 1;                       // widget pixels per pixel of the area (agrandit)
    double corpsMin_ = 0;                   // the texts' least height, widget pixels
    bool contraste_ = false;                // light colours darkened
};

} // namespace orbeline
