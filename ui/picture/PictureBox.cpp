#include "PictureBox.h"

#include "Ecriture.h"
#include "Etoile.h"
#include "pixels.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QResizeEvent>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <utility>

namespace orbeline {

namespace {

const QColor kTeal{0, 128, 128};
const QColor kBleu{0, 0, 255};

QColor versQColor(Couleur c) { return QColor(c.r, c.g, c.b); }
// The same colour as a pixel of the retained image (opaque RGB32).
QRgb versRgb(Couleur c) { return qRgb(c.r, c.g, c.b); }

Couleur versCouleur(const QColor& c)
{
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

bool proche(const QPointF& p) { return orbeline::proche(p.x()) && orbeline::proche(p.y()); }

// Mouse buttons and modifier keys as the program's handlers number them.
int boutons(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) |
           (b & Qt::MiddleButton ? 4 : 0);
}

int touches(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setMouseTracking(true);

    // The image is made at the first use, once the area has its real size:
    // made now, it would be made again and copied at every resize.
    etat_.foreColor = versCouleur(palette().color(QPalette::WindowText));
    etat_.fillColor = versCouleur(kTeal);
    etat_.fillStyle = StyleRemplissage::Plein;
    etat_.geo(Controle::Sat) = {352, 32, 9, 9, true};
    etat_.geo(Controle::Etoile) = {0, 0, 14, 12, false};
    journal_.recommence(etat_);
}

const EtatSurface& PictureBox::etat() const
{
    ajuste();
    return etat_;
}

const QImage& PictureBox::image() const
{
    ajuste();
    return image_;
}

void PictureBox::litGeometrie() const
{
    dpr_ = devicePixelRatioF();
    marges_ = contentsMargins();
    tailleImage_ = QSize();   // the image is checked against them again
}

void PictureBox::refait(const QSize& taille) const
{
    if (taille.width() != etat_.largeurPx || taille.height() != etat_.hauteurPx) {
        etat_.redimensionne(taille.width(), taille.height());
        if (echelleEnPixels_)
            etat_.scale(0, 0, taille.width(), taille.height());
        journal_.redimensionne(etat_);
    }

    const double dpr = dpr_ * zoom_;
    const QSize enPixels(static_cast<int>(std::ceil(taille.width() * dpr)),
                         static_cast<int>(std::ceil(taille.height() * dpr)));
    tailleImage_ = taille;
    if (image_.size() == enPixels && image_.devicePixelRatio() == dpr)
        return;
    QImage neuve(enPixels, QImage::Format_RGB32);
    neuve.setDevicePixelRatio(dpr);
    neuve.fill(palette().color(QPalette::Light));
    if (!image_.isNull()) {
        // Keep what was drawn, at its place in logical pixels.
        QPainter p(&neuve);
        p.setRenderHint(QPainter::SmoothPixmapTransform, image_.devicePixelRatio() != dpr);
        p.drawImage(QPointF(0, 0), image_);
    }
    image_ = std::move(neuve);
    pixels_ = nullptr;
    largeurImage_ = image_.width();
    hauteurImage_ = image_.height();
    pasImage_ = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
}

QTransform PictureBox::versPixels() const
{
    const double x0 = etat_.versPxX(0), y0 = etat_.versPxY(0);
    return QTransform(etat_.versPxX(1) - x0, 0, 0, etat_.versPxY(1) - y0, x0, y0);
}

void PictureBox::prepare(QPainter& p) const
{
    // User units to logical pixels; the image's pixel ratio takes them on to
    // device pixels. Aliased, so that points and lines fall on whole pixels.
    p.begin(&image_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setTransform(versPixels());
}

QPen PictureBox::stylo(const QColor& couleur) const
{
    // Cosmetic, so the width is in pixels whatever the user scale; cosmetic
    // widths count device pixels, hence the pixel ratio.
    QPen pen(couleur, largeurTrait() * image_.devicePixelRatio());
    pen.setCosmetic(true);
    if (largeurTrait() == 1) {
        switch (etat_.drawStyle) {
        case StyleTrait::Plein: break;
        case StyleTrait::Tirets: pen.setStyle(Qt::DashLine); break;
        case StyleTrait::TiretPointPoint: pen.setStyle(Qt::DashDotDotLine); break;
        }
    }
    return pen;
}

QColor PictureBox::couleurTrait(std::optional<Couleur> c) const
{
    return versQColor(vue(c.value_or(etat_.foreColor)));
}

void PictureBox::abime(const QRectF& zonePx)
{
    const QRect dedans = interieur();
    const QRectF z(zonePx.topLeft() * zoom_, zonePx.size() * zoom_);
    salit(z.translated(dedans.topLeft()).toAlignedRect() & dedans);
}

void PictureBox::salit(const QRect& zone)
{
    if (zone.isEmpty()) return;
    // The damaged rectangles of one handler are gathered and handed to the
    // widget once, when the event loop takes over again.
    planifieRendu();
    sale_ |= zone;
}

void PictureBox::planifieRendu()
{
    if (renduPrevu_) return;
    QMetaObject::invokeMethod(this, &PictureBox::rendSale, Qt::QueuedConnection);
    renduPrevu_ = true;
}

QRect PictureBox::zoneSale() const
{
    // The points' damage is clipped only now: clipping each square to the
    // area and then gathering gives the same box as gathering then clipping.
    const QRect dedans = interieur();
    const QRect points = zoom_ == 1 ? pointsSales_
                                    : QRectF(QPointF(pointsSales_.topLeft()) * zoom_, QSizeF(pointsSales_.size()) * zoom_).toAlignedRect();
    return sale_ | (points.translated(dedans.topLeft()) & dedans);
}

void PictureBox::rendSale()
{
    const QRect zone = zoneSale();
    if (!zone.isEmpty()) update(zone);
    sale_ = pointsSales_ = QRect();
    renduPrevu_ = false;
}

bool PictureBox::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::Show:
    case QEvent::Resize:
    case QEvent::Move:
    case QEvent::ContentsRectChange:
    case QEvent::ScreenChangeInternal:
    case QEvent::ParentChange:
    case QEvent::WindowChangeInternal:
        dpr_ = 0;
        break;
    default:
        break;
    }
    return QFrame::event(e);
}

void PictureBox::scale(double x1, double y1, double x2, double y2)
{
    ajuste();
    SurfaceTenue::scale(x1, y1, x2, y2);
    echelleEnPixels_ = false;
}

void PictureBox::cls()
{
    ajuste();
    image_.fill(palette().color(QPalette::Light));
    SurfaceTenue::cls();
    update(interieur());
}

void PictureBox::line(float x1, float y1, float x2, float y2, std::optional<Couleur> c)
{
    noteLigne(x1, y1, x2, y2, c);
    ajuste();
    const int w = largeurTrait();
    const auto seg = segment({etat_.versPxX(x1), etat_.versPxY(y1)}, {etat_.versPxX(x2), etat_.versPxY(y2)}, w,
                             etat_.largeurPx, etat_.hauteurPx);
    if (!seg) return;
    QPen pen = stylo(couleurTrait(c));
    if (pen.style() != Qt::SolidLine) pen.setDashOffset(seg->decalage);
    const auto enUser = [&](const PointPx& q) { return QPointF(etat_.versUserX(q.x), etat_.versUserY(q.y)); };
    QPainter p;
    prepare(p);
    p.setPen(pen);
    p.drawLine(QLineF(enUser(seg->debut), enUser(seg->fin)));
    p.end();
    const double marge = w + 2;
    abime(QRectF(QPointF(seg->debut.x, seg->debut.y), QPointF(seg->fin.x, seg->fin.y))
              .normalized()
              .adjusted(-marge, -marge, marge, marge));
}

void PictureBox::circle(float x, float y, float r)
{
    noteCercle(x, y, r);
    ajuste();
    const QPointF centre(etat_.versPxX(x), etat_.versPxY(y));
    const double rayonPx = etat_.longueurPxX(std::fabs(r));
    if (!proche(centre) || !proche(rayonPx)) return;
    const double marge = largeurTrait() + 2;
    const QRectF zone = QRectF(centre.x() - rayonPx, centre.y() - rayonPx, 2 * rayonPx, 2 * rayonPx)
                            .adjusted(-marge, -marge, marge, marge);
    if (!zone.intersects(QRectF(0, 0, etat_.largeurPx, etat_.hauteurPx))) return;

    if (2 * rayonPx < largeurTrait()) {
        // Narrower than the pen: what shows is the pen's dot.
        dessinePoint(x, y, {});
        return;
    }
    QPainter p;
    prepare(p);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(stylo(couleurTrait({})));
    if (etat_.fillStyle == StyleRemplissage::Plein)
        p.setBrush(versQColor(etat_.fillColor));
    // Round in pixels: the radius is measured along x, whatever the y scale.
    const double ry = rayonPx * std::fabs(etat_.height) / etat_.hauteurPx;
    p.drawEllipse(QPointF(x, y), std::fabs(double(r)), ry);
    p.end();
    abime(zone);
}

void PictureBox::pset(float x, float y, std::optional<Couleur> c)
{
    notePoint(x, y, c);
    dessinePoint(x, y, c);
}

void PictureBox::dessinePoint(float x, float y, std::optional<Couleur> c)
{
    ajuste();
    const QPointF centre(etat_.versPxX(x), etat_.versPxY(y));
    if (!proche(centre)) return;
    // A square of the pen width, on whole pixels, centred on the point (its
    // corner is cale(centre, w) less half the pen, a whole number of pixels).
    // Near the area, so the floor is taken in ints, without the library's
    // general case.
    const int w = largeurTrait();
    const auto plancher = [](double v) {
        const int i = static_cast<int>(v);
        return i > v ? i - 1 : i;
    };
    const QRect carre(plancher(centre.x() + 0.5 - w / 2.0), plancher(centre.y() + 0.5 - w / 2.0), w, w);
    // Thousands of points per launch: the square goes straight into the
    // image's pixels, without a painter for each one.
    const double dpr = dpr_ * zoom_;
    const auto enDevice = [dpr](int v) { return dpr == 1 ? v : static_cast<int>(std::lround(v * dpr)); };
    const int x0 = std::max(0, enDevice(carre.left()));
    const int y0 = std::max(0, enDevice(carre.top()));
    const int x1 = std::min(largeurImage_, enDevice(carre.left() + w));
    const int y1 = std::min(hauteurImage_, enDevice(carre.top() + w));
    if (x0 >= x1 || y0 >= y1) return;
    const QRgb couleur = versRgb(vue(c.value_or(etat_.foreColor)));
    // The pixels' address is kept from one point to the next, and asked for
    // again (which detaches the image) whenever the image may be shared.
    if (!pixels_ || !image_.isDetached()) pixels_ = reinterpret_cast<QRgb*>(image_.bits());
    QRgb* ligne = pixels_ + y0 * pasImage_;
    if (x1 - x0 == 1 && y1 - y0 == 1) {
        // The usual pen, one pixel: the loop below, which the compiler
        // vectorises, costs more to enter than the store itself.
        ligne[x0] = couleur;
    } else {
        // A pen a pixel or two wide: a plain loop beats a general fill.
        for (int y = y0; y < y1; ++y, ligne += pasImage_)
            for (int x = x0; x < x1; ++x) ligne[x] = couleur;
    }

    // The damage, gathered in the area's own pixels with the bounds alone.
    if (pointsSales_.isEmpty()) {
        pointsSales_ = carre;
        planifieRendu();
    } else {
        pointsSales_.setCoords(std::min(pointsSales_.left(), carre.left()), std::min(pointsSales_.top(), carre.top()),
                               std::max(pointsSales_.right(), carre.right()),
                               std::max(pointsSales_.bottom(), carre.bottom()));
    }
}

void PictureBox::texte(float x, float y, std::string_view t, Ancre a, std::optional<Couleur> c)
{
    noteTexte(x, y, t, a, c);
    ajuste();
    const QPointF point(etat_.versPxX(x), etat_.versPxY(y));
    if (!proche(point)) return;
    QPainter p(&image_);
    dessineTexte(p, point, t, a, couleurTrait(c), std::max<double>(kCorpsTexte, corpsMin_ / zoom_));
    p.end();
    pixels_ = nullptr;
    salit(interieur());
}

void PictureBox::fleche(int n, std::optional<Fleche> f)
{
    if (n < 0 || n >= kNombreFleches || fleches_[static_cast<std::size_t>(n)] == f) return;
    fleches_[static_cast<std::size_t>(n)] = f;
    salit(interieur());
}

std::optional<QRectF> PictureBox::cadreControle(Controle c) const
{
    const GeometrieControle& g = etat().geo(c);
    if (!g.visible || !proche(g.gauche) || !proche(g.haut) || !proche(g.largeur) ||
        !proche(g.hauteur) || g.largeur <= 0 || g.hauteur <= 0)
        return std::nullopt;
    return QRectF(g.gauche * zoom_, g.haut * zoom_, g.largeur * zoom_, g.hauteur * zoom_).translated(contentsRect().topLeft());
}

QRect PictureBox::rectControle(Controle c) const
{
    const auto cadre = cadreControle(c);
    if (!cadre) return {};
    // One pixel more each side for the antialiased edges.
    return cadre->toAlignedRect().adjusted(-1, -1, 1, 1) & contentsRect();
}

template <class Modif>
void PictureBox::modifieControle(Controle c, Modif&& modif)
{
    const QRect avant = rectControle(c);
    std::forward<Modif>(modif)();
    const QRect apres = rectControle(c);
    if (avant == apres) return;
    salit(avant);
    salit(apres);
}

void PictureBox::deplace(Controle c, float gauche, float haut)
{
    modifieControle(c, [&] { SurfaceTenue::deplace(c, gauche, haut); });
}

void PictureBox::setLargeur(Controle c, float largeur)
{
    modifieControle(c, [&] { SurfaceTenue::setLargeur(c, largeur); });
}

void PictureBox::setHauteur(Controle c, float hauteur)
{
    modifieControle(c, [&] { SurfaceTenue::setHauteur(c, hauteur); });
}

void PictureBox::setVisible(Controle c, bool visible)
{
    modifieControle(c, [&] { SurfaceTenue::setVisible(c, visible); });
}

void PictureBox::repeint(Controle c)
{
    // Also where it was last shown at once: the updates queued by the moves
    // in between only run once the handler returns. The damage gathered so
    // far goes with it, so that the trajectory an impact ends is on screen
    // before the first frame of the star.
    auto& ancien = affiche_[static_cast<std::size_t>(c)];
    const QRect actuel = rectControle(c);
    const QRect zone = ancien | actuel | zoneSale();
    ancien = actuel;
    // The queued request, if any, still runs and finds nothing left.
    sale_ = pointsSales_ = QRect();
    if (!zone.isEmpty())
        repaint(zone);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    dpr_ = 0;
    ajuste();
    QPainter p(this);
    const QRect dedans = interieur();
    const QRect zone = event->rect() & dedans;
    if (!zone.isEmpty()) {
        const double dpr = image_.devicePixelRatio() / zoom_;
        const QRectF source(QPointF(zone.topLeft() - dedans.topLeft()) * dpr,
                            QSizeF(zone.size()) * dpr);
        p.drawImage(QRectF(zone), image_, source);
    }
    // The star's frames repaint a few pixels inside the area: the border
    // and a control away from them are left alone, as they would not change.
    if (!dedans.contains(event->rect())) drawFrame(&p);

    if (zone.isEmpty()) return;
    p.setClipRect(zone);
    p.setRenderHint(QPainter::Antialiasing, true);
    const auto visible = [&](Controle c) { return rectControle(c).intersects(zone); };
    if (const auto cadre = cadreControle(Controle::Sat); cadre && visible(Controle::Sat)) {
        // A circle in the middle of its box, its thin outline inside the box.
        const double d = std::min(cadre->width(), cadre->height());
        QRectF disque(0, 0, d, d);
        disque.moveCenter(cadre->center());
        p.setPen(QPen(palette().color(QPalette::WindowText), zoom_));
        p.setBrush(kBleu);
        QPainterPath cercle;
        cercle.addEllipse(disque.adjusted(0.5, 0.5, -0.5, -0.5));
        p.drawPath(seulementVisible(p, cercle));
    }
    if (const auto cadre = cadreControle(Controle::Etoile); cadre && visible(Controle::Etoile))
        dessineEtoile(p, *cadre);
    // The arrows, in user units at the scale now in force.
    for (const auto& f : fleches_) {
        if (!f) continue;
        const QPointF a(etat_.versPxX(f->x1), etat_.versPxY(f->y1)), b(etat_.versPxX(f->x2), etat_.versPxY(f->y2));
        if (proche(a) && proche(b))
            dessineFleche(p, a * zoom_ + dedans.topLeft(), b * zoom_ + dedans.topLeft(), versQColor(vue(f->couleur)), 2 * zoom_);
    }
}

void PictureBox::agrandit(double zoom, double corps, bool contraste)
{
    if (zoom == zoom_ && corps == corpsMin_ && contraste == contraste_) return;
    zoom_ = zoom;
    corpsMin_ = corps;
    contraste_ = contraste;
    setLineWidth(static_cast<int>(std::lround(2 * zoom)));   // the sunken border as much wider
    dpr_ = 0;
    ajuste();
    // Drawn again at the new size (the pixels, enlarged, past the journal's bound).
    retraduitDessin([](std::string_view t) { return std::string(t); });
    update();
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    ajuste();
    QFrame::resizeEvent(event);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    const QRectF interieur = contentsRect();
    const int bouton = boutons(event->button());
    if (bouton == 0 || !interieur.contains(event->position())) {
        QFrame::mousePressEvent(event);
        return;
    }
    const QPointF px = (event->position() - interieur.topLeft()) / zoom_;
    emit souris(bouton, touches(event->modifiers()), static_cast<float>(etat().versUserX(px.x())),
                static_cast<float>(etat().versUserY(px.y())));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    const QRectF interieur = contentsRect();
    const int bouton = boutons(event->buttons());
    // Over the border only while dragging, as if the inner area held the mouse.
    if (bouton == 0 && !interieur.contains(event->position())) {
        QFrame::mouseMoveEvent(event);
        return;
    }
    const QPointF px = (event->position() - interieur.topLeft()) / zoom_;
    emit deplacement(bouton, touches(event->modifiers()), static_cast<float>(etat().versUserX(px.x())),
                     static_cast<float>(etat().versUserY(px.y())));
}

} // namespace orbeline
