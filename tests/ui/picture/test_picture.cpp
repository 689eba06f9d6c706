// Pixel tests of the picture area: what the orbit view draws must land on the
// same logical pixels, in the right colours, at pixel ratio 1 and 2, survive
// hiding and resizing, and never choke on coordinates far outside the view.

#include "Etoile.h"
#include "PictureBox.h"

#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

using namespace orbeline;

namespace {

constexpr int kBord = 2;   // sunken border, px
const QColor kTeal{0, 128, 128};
const QColor kBleu{0, 0, 255};
const QColor kRouge{255, 0, 0};
const QColor kGris{128, 128, 128};
constexpr Couleur kRougeVif{255, 0, 0};

bool meme(QRgb p, const QColor& c)
{
    return qRed(p) == c.red() && qGreen(p) == c.green() && qBlue(p) == c.blue();
}

// What the orbit view's erase procedure issues on the default view.
void dessineLeCadre(Surface& s)
{
    s.scale(-500, 500, 500, -500);
    s.cls();
    s.setDrawWidth(1);
    s.setDrawStyle(StyleTrait::TiretPointPoint);
    const float L = float(s.scaleLeft()), T = float(s.scaleTop());
    const float W = float(s.scaleWidth()), H = float(s.scaleHeight());
    for (int k = 1; k <= 10; ++k) {
        s.line(L, T + k * H / 10, L + W, T + k * H / 10, couleurPalette(8));
        s.line(L + k * W / 10, T, L + k * W / 10, T + H, couleurPalette(8));
    }
    s.line(L, T + 5 * H / 10, L + W, T + 5 * H / 10, couleurPalette(12));
    s.line(L + 5 * W / 10, T, L + 5 * W / 10, T + H, couleurPalette(12));
    s.setDrawWidth(2);
    s.setDrawStyle(StyleTrait::Tirets);
    s.circle(0, 0, 63.8f);
}

// Device pixels of one colour in a rectangle, and the device rows and
// columns holding at least one of them.
struct Compte {
    int pixels = 0, lignes = 0, colonnes = 0;
};

class PictureTest : public ::testing::Test {
protected:
    PictureTest() { box.resize(500, 500); }

    double dpr() const { return box.devicePixelRatioF(); }
    QImage capture() { return box.grab().toImage(); }
    QColor texte() const { return box.palette().color(QPalette::WindowText); }
    QColor fond() const { return box.palette().color(QPalette::Light); }

    // The device pixel holding the point (x, y) of the inner area, logical px.
    QRgb en(const QImage& im, double x, double y) const
    {
        return im.pixel(int(std::floor((x + kBord) * dpr())), int(std::floor((y + kBord) * dpr())));
    }

    // Counts a colour in a rectangle of the inner area, logical px.
    Compte compte(const QImage& im, const QRectF& zone, const QColor& c) const
    {
        const QRect dev =
            QRectF(zone.translated(kBord, kBord).topLeft() * dpr(), zone.size() * dpr()).toAlignedRect();
        Compte n;
        std::vector<bool> colonnes(std::size_t(dev.width()), false);
        for (int y = dev.top(); y <= dev.bottom(); ++y) {
            bool ligne = false;
            for (int x = dev.left(); x <= dev.right(); ++x)
                if (meme(im.pixel(x, y), c)) {
                    ++n.pixels;
                    ligne = true;
                    colonnes[std::size_t(x - dev.left())] = true;
                }
            n.lignes += ligne;
        }
        n.colonnes = int(std::count(colonnes.begin(), colonnes.end(), true));
        return n;
    }

    PictureBox box;
};

using PictureDessin = PictureTest;

TEST_F(PictureDessin, ImageAuRapportDePixelsEtTraitsEntiers)
{
    // The second run sets QT_SCALE_FACTOR=2: make sure it really draws at 2.
    EXPECT_DOUBLE_EQ(dpr(), qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0);
    EXPECT_EQ(box.etat().largeurPx, 496);
    EXPECT_EQ(box.etat().hauteurPx, 496);
    EXPECT_EQ(box.image().size(), QSize(496, 496) * dpr());

    // A one-pixel line fills whole logical pixels of one row: no blur, no straddling.
    box.line(0, 50.5f, 496, 50.5f, kRougeVif);
    const QImage im = capture();
    EXPECT_EQ(im.size(), QSize(500, 500) * dpr());
    EXPECT_EQ(compte(im, QRectF(100, 50, 1, 1), kRouge).pixels, int(dpr() * dpr()));
    const QRectF autour(100, 44, 1, 14);
    EXPECT_EQ(compte(im, autour, kRouge).pixels + compte(im, autour, fond()).pixels, int(14 * dpr() * dpr()));
}

TEST_F(PictureDessin, CadreDeLaVueAuxBonsPixels)
{
    dessineLeCadre(box);
    box.pset(-300, 0);
    EXPECT_FLOAT_EQ(box.currentX(), -300);
    EXPECT_FLOAT_EQ(box.currentY(), 0);
    const QImage im = capture();

    // Teal disc of radius 63.8 units = 31.6 px round the centre, its outline
    // in window text, over the axes.
    EXPECT_TRUE(meme(en(im, 248.5, 248.5), kTeal));
    EXPECT_TRUE(meme(en(im, 268.5, 236.5), kTeal));
    EXPECT_FALSE(meme(en(im, 284.5, 240.5), kTeal));
    EXPECT_GT(compte(im, QRectF(275, 240, 10, 1), texte()).pixels, 0);

    // Light red axes on pixel 248, dash-dot-dot: broken, but often there.
    const Compte axe = compte(im, QRectF(248, 5, 1, 190), kRouge);
    EXPECT_GT(axe.lignes, int(0.3 * 190 * dpr()));
    EXPECT_LT(axe.lignes, int(0.9 * 190 * dpr()));
    EXPECT_EQ(axe.pixels, axe.lignes * int(dpr()));
    EXPECT_GT(compte(im, QRectF(5, 248, 190, 1), kRouge).colonnes, int(0.3 * 190 * dpr()));
    EXPECT_EQ(compte(im, QRectF(208, 5, 40, 190), kRouge).pixels, 0);
    EXPECT_EQ(compte(im, QRectF(249, 5, 40, 190), kRouge).pixels, 0);

    // Dark grey grid every 49.6 px: pixels 49, 99, 148, …, 446, nothing between.
    EXPECT_GT(compte(im, QRectF(49, 5, 1, 40), kGris).lignes, int(0.3 * 40 * dpr()));
    EXPECT_GT(compte(im, QRectF(5, 148, 40, 1), kGris).colonnes, int(0.3 * 40 * dpr()));
    EXPECT_GT(compte(im, QRectF(446, 5, 1, 40), kGris).pixels, 0);
    EXPECT_EQ(compte(im, QRectF(50, 5, 48, 40), kGris).pixels, 0);

    // (-300, 0) is (99.2, 248) px: a 2-px point covers 98..99 × 247..248.
    EXPECT_EQ(compte(im, QRectF(98, 247, 2, 2), texte()).pixels, int(4 * dpr() * dpr()));
    EXPECT_EQ(compte(im, QRectF(90, 240, 20, 20), texte()).pixels, int(4 * dpr() * dpr()));

    // A one-pixel point in a named colour: (251, -101) is (372.5, 298.1) px.
    box.setDrawWidth(1);
    box.pset(251, -101, kRougeVif);
    EXPECT_EQ(compte(capture(), QRectF(360, 286, 24, 24), kRouge).pixels, int(dpr() * dpr()));
    EXPECT_TRUE(meme(en(capture(), 372.5, 298.5), kRouge));
}

TEST_F(PictureDessin, TraitLargeToujoursPlein)
{
    box.cls();
    box.setDrawStyle(StyleTrait::Tirets);
    box.setDrawWidth(2);
    box.line(10, 100, 480, 100, kRougeVif);
    box.setDrawWidth(1);
    box.line(10, 200, 480, 200, kRougeVif);
    box.setDrawStyle(StyleTrait::TiretPointPoint);
    box.line(10, 300, 480, 300, kRougeVif);
    const QImage im = capture();

    const int longueur = int(450 * dpr());
    const Compte large = compte(im, QRectF(20, 96, 450, 8), kRouge);
    EXPECT_EQ(large.colonnes, longueur);
    EXPECT_EQ(large.lignes, int(2 * dpr()));
    const int tirets = compte(im, QRectF(20, 198, 450, 4), kRouge).colonnes;
    EXPECT_GT(tirets, longueur / 2);
    EXPECT_LT(tirets, longueur * 9 / 10);
    const int pointilles = compte(im, QRectF(20, 298, 450, 4), kRouge).colonnes;
    EXPECT_GT(pointilles, longueur / 4);
    EXPECT_LT(pointilles, tirets);
}

TEST_F(PictureDessin, CoordonneesAberrantesSansPlantage)
{
    box.scale(-500, 500, 500, -500);
    box.setDrawStyle(StyleTrait::TiretPointPoint);
    box.setVisible(Controle::Etoile, true);
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float max = std::numeric_limits<float>::max();
    for (const float v : {nan, inf, -inf, 1e30f, -1e30f, max, -max, 2e6f}) {
        box.line(-v, v, v, -v);
        box.pset(0, v);
        box.circle(v, 0, 10);
        box.circle(0, 0, v);
        box.deplace(Controle::Sat, v, v);
        box.setLargeur(Controle::Etoile, v);
        box.setHauteur(Controle::Etoile, v);
        box.repeint(Controle::Etoile);
        capture();
    }
    box.setDrawWidth(std::numeric_limits<int>::max());
    box.line(0, 400, 0, 400);

    // A line from far outside still shows where it crosses the view.
    box.setDrawWidth(1);
    box.setDrawStyle(StyleTrait::Plein);
    box.cls();
    box.line(-1e30f, 0, 1e30f, 0, kRougeVif);
    box.line(0, max, 0, -max, kRougeVif);
    QImage im = capture();
    EXPECT_EQ(compte(im, QRectF(0, 246, 496, 4), kRouge).colonnes, int(496 * dpr()));
    EXPECT_EQ(compte(im, QRectF(246, 0, 4, 496), kRouge).lignes, int(496 * dpr()));

    // Degenerate scales draw nothing and break nothing.
    for (const double v : {0.0, double(nan), double(inf)}) {
        box.cls();
        box.scale(v, v, v, v);
        box.line(-100, -100, 100, 100);
        box.pset(0, 0);
        box.circle(0, 0, 10);
        box.deplace(Controle::Sat, 0, 0);
        EXPECT_EQ(compte(capture(), QRectF(0, 0, 496, 496), texte()).pixels, 0);
    }
}

using PictureVisibilite = PictureTest;

TEST_F(PictureVisibilite, DessinGardeAvantOuvertureApresMasquageEtAgrandi)
{
    dessineLeCadre(box);
    box.pset(-300, 0);
    for (int fois = 0; fois < 2; ++fois) {
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        const QImage im = capture();
        EXPECT_TRUE(meme(en(im, 248.5, 248.5), kTeal)) << fois;
        EXPECT_TRUE(meme(en(im, 99.5, 248.5), texte())) << fois;
        box.hide();
    }

    box.resize(600, 560);
    EXPECT_EQ(box.etat().largeurPx, 596);
    EXPECT_EQ(box.etat().hauteurPx, 556);
    const QImage im = capture();
    EXPECT_TRUE(meme(en(im, 99.5, 248.5), texte()));
    EXPECT_TRUE(meme(en(im, 550.5, 520.5), fond()));
}

using PictureControles = PictureTest;

TEST_F(PictureControles, GeometrieEnUnitesUtilisateur)
{
    // Layout defaults, in the pixel scale the area starts with.
    EXPECT_FLOAT_EQ(box.gauche(Controle::Sat), 352);
    EXPECT_FLOAT_EQ(box.haut(Controle::Sat), 32);
    EXPECT_TRUE(box.estVisible(Controle::Sat));
    EXPECT_FLOAT_EQ(box.hauteur(Controle::Etoile), 12);
    EXPECT_FALSE(box.estVisible(Controle::Etoile));

    box.scale(-500, 500, 500, -500);
    box.setLargeur(Controle::Etoile, 28);
    box.setHauteur(Controle::Etoile, 23);
    box.deplace(Controle::Etoile, -14, 11.5f);
    EXPECT_NEAR(box.largeur(Controle::Etoile), 28, 1e-4);
    EXPECT_NEAR(box.haut(Controle::Etoile), 11.5, 1e-4);
    EXPECT_NEAR(box.etat().geo(Controle::Etoile).gauche, 486 * 0.496, 1e-4);

    // A new scale keeps the pixels: twice as many units per pixel, half the size.
    box.scale(-250, 1100, 250, 600);
    EXPECT_NEAR(box.etat().geo(Controle::Etoile).largeur, 28 * 0.496, 1e-4);
    EXPECT_NEAR(box.largeur(Controle::Etoile), 14, 1e-4);
    EXPECT_NEAR(box.gauche(Controle::Etoile), -7, 1e-4);
    EXPECT_NEAR(box.haut(Controle::Etoile), 1100 - 488.5 * 0.5, 1e-3);
}

TEST_F(PictureControles, PeintsParDessusLeDessin)
{
    box.cls();
    box.line(340, 36, 380, 36, kRougeVif);
    QImage im = capture();
    // Sat: a blue disc in its 9 × 9 box at (352, 32), over the drawing; the star hidden.
    EXPECT_TRUE(meme(en(im, 356.5, 36.5), kBleu));
    EXPECT_TRUE(meme(en(im, 345.5, 36.5), kRouge));
    EXPECT_TRUE(meme(en(im, 7, 6.5), fond()));

    box.setVisible(Controle::Sat, false);
    box.setVisible(Controle::Etoile, true);
    im = capture();
    EXPECT_TRUE(meme(en(im, 356.5, 36.5), kRouge));
    EXPECT_TRUE(meme(en(im, 7, 6.5), kBleu));

    // Moved and grown, the star is drawn in its new box only.
    box.deplace(Controle::Etoile, 100, 100);
    box.setLargeur(Controle::Etoile, 28);
    box.setHauteur(Controle::Etoile, 24);
    im = capture();
    EXPECT_TRUE(meme(en(im, 7, 6.5), fond()));
    EXPECT_TRUE(meme(en(im, 114, 113), kBleu));
    EXPECT_EQ(compte(im, QRectF(0, 0, 496, 496), kBleu).pixels,
              compte(im, QRectF(100, 100, 28, 24), kBleu).pixels);
}

// Counts the paint events a widget receives.
struct CompteurPeinture : QObject {
    int n = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        n += e->type() == QEvent::Paint;
        return false;
    }
};

TEST_F(PictureControles, RepeintSansAttendreLaBoucle)
{
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QCoreApplication::processEvents();
    CompteurPeinture compteur;
    box.installEventFilter(&compteur);
    box.setVisible(Controle::Etoile, true);
    for (int i = 0; i < 3; ++i) {
        box.deplace(Controle::Etoile, 100.0f + i, 100.0f + i);
        box.setLargeur(Controle::Etoile, box.largeur(Controle::Etoile) * 1.035f);
        box.repeint(Controle::Etoile);
        EXPECT_EQ(compteur.n, i + 1);
    }
    box.removeEventFilter(&compteur);
}

TEST(PictureEtoile, BleueSurFondTransparent)
{
    for (const QSize taille : {QSize(14, 12), QSize(56, 48)}) {
        const QImage im = imageEtoile(taille).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(im.size(), taille);
        const int w = taille.width(), h = taille.height();
        EXPECT_EQ(im.pixel(w / 2, h / 2), qRgba(0, 0, 255, 255));
        for (const QPoint coin : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            EXPECT_EQ(qAlpha(im.pixel(coin)), 0);
        double couverture = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const QRgb p = im.pixel(x, y);
                EXPECT_TRUE(qAlpha(p) == 0 || (qRed(p) == 0 && qGreen(p) == 0)) << x << ", " << y;
                couverture += qAlpha(p) / 255.0;
            }
        // A star covers about a third of its box: not a blob, not a speck.
        EXPECT_GT(couverture, 0.25 * w * h);
        EXPECT_LT(couverture, 0.45 * w * h);
    }
}

using PictureSouris = PictureTest;

TEST_F(PictureSouris, CoordonneesUtilisateurEtBoutons)
{
    box.scale(-500, 500, 500, -500);
    QSignalSpy appuis(&box, &PictureBox::souris);
    QSignalSpy mouvements(&box, &PictureBox::deplacement);
    const auto envoie = [&](QEvent::Type type, QPointF pos, Qt::MouseButton bouton, Qt::MouseButtons boutons,
                            Qt::KeyboardModifiers touches) {
        QMouseEvent e(type, pos, box.mapToGlobal(pos), bouton, boutons, touches);
        QCoreApplication::sendEvent(&box, &e);
    };
    const auto verifie = [](const QList<QVariant>& recu, int bouton, int shift, float x, float y) {
        EXPECT_EQ(recu.at(0).toInt(), bouton);
        EXPECT_EQ(recu.at(1).toInt(), shift);
        EXPECT_NEAR(recu.at(2).toFloat(), x, 1e-3);
        EXPECT_NEAR(recu.at(3).toFloat(), y, 1e-3);
    };

    // Inner pixel (248, 124) is (0, 250) in user units; the border reports nothing.
    envoie(QEvent::MouseButtonPress, {kBord + 248, kBord + 124}, Qt::LeftButton, Qt::LeftButton,
           Qt::ShiftModifier);
    envoie(QEvent::MouseButtonPress, {kBord, kBord + 496}, Qt::RightButton, Qt::RightButton,
           Qt::ControlModifier);
    envoie(QEvent::MouseButtonPress, {kBord + 124, kBord + 248}, Qt::MiddleButton, Qt::MiddleButton,
           Qt::AltModifier | Qt::ShiftModifier);
    envoie(QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    ASSERT_EQ(appuis.count(), 3);
    verifie(appuis.at(0), 1, 1, 0, 250);
    verifie(appuis.at(1), 2, 2, -500, -500);
    verifie(appuis.at(2), 4, 5, -250, 0);
    EXPECT_EQ(mouvements.count(), 0);

    // Moves arrive without a button (tracking), with the buttons held otherwise.
    EXPECT_TRUE(box.hasMouseTracking());
    envoie(QEvent::MouseMove, {kBord + 372, kBord + 372}, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    envoie(QEvent::MouseMove, {kBord + 248.5, kBord + 248}, Qt::NoButton, Qt::LeftButton | Qt::RightButton,
           Qt::ControlModifier);
    envoie(QEvent::MouseMove, {0.5, 0.5}, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    ASSERT_EQ(mouvements.count(), 2);
    verifie(mouvements.at(0), 0, 0, 250, -250);
    verifie(mouvements.at(1), 3, 2, float(0.5 / 0.496), 0);
}

} // namespace
