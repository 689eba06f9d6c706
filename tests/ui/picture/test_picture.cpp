// Pixel tests of the picture area: drawings land on whole logical pixels in the
// right colours at pixel ratio 1 and 2, survive hiding, and shrug off absurd input.

#include "Etoile.h"
#include "PictureBox.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QRegion>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <set>
#include <vector>

using namespace orbeline;

namespace {

constexpr int kBord = 2;   // sunken border, px
const QColor kTeal{0, 128, 128}, kBleu{0, 0, 255}, kRouge{255, 0, 0}, kGris{128, 128, 128};
constexpr Couleur kRougeVif{255, 0, 0};

bool meme(QRgb p, const QColor& c) { return QColor(p).rgb() == c.rgb(); }

// What the orbit view's erase procedure issues on the default view.
void dessineLeCadre(Surface& s)
{
    s.scale(-500, 500, 500, -500);
    s.cls();
    s.setDrawWidth(1);
    s.setDrawStyle(StyleTrait::TiretPointPoint);
    for (int k = 1; k <= 11; ++k) {   // the grid, then the axes over it
        const float u = k > 10 ? 0 : 100.0f * k - 500;
        s.line(-500, -u, 500, -u, couleurPalette(k > 10 ? 12 : 8));
        s.line(u, 500, u, -500, couleurPalette(k > 10 ? 12 : 8));
    }
    s.setDrawWidth(2);
    s.setDrawStyle(StyleTrait::Tirets);
    s.circle(0, 0, 63.8f);
}

// Device pixels of one colour in a rectangle, and the rows and columns holding one.
struct Compte { int pixels = 0, lignes = 0, colonnes = 0; };

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
        const QRect dev = QRectF(zone.translated(kBord, kBord).topLeft() * dpr(), zone.size() * dpr()).toAlignedRect();
        Compte n;
        std::set<int> colonnes;
        for (int y = dev.top(); y <= dev.bottom(); ++y) {
            const int avant = n.pixels;
            for (int x = dev.left(); x <= dev.right(); ++x)
                if (meme(im.pixel(x, y), c)) ++n.pixels, colonnes.insert(x);
            n.lignes += n.pixels > avant;
        }
        n.colonnes = int(colonnes.size());
        return n;
    }
    PictureBox box;
};

using PictureDessin = PictureTest;

TEST_F(PictureDessin, CadreDeLaVueAuxBonsPixels)
{
    // The second run sets QT_SCALE_FACTOR=2: make sure it really draws at 2.
    EXPECT_DOUBLE_EQ(dpr(), qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                                ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0);
    EXPECT_EQ(box.image().size(), QSize(496, 496) * dpr());
    dessineLeCadre(box);
    box.pset(-300, 0);
    box.setDrawWidth(1);
    box.pset(251, -101, kRougeVif);   // (372.5, 298.1) px
    for (int fois = 0; fois < 2; ++fois) {   // drawn before the first show, kept across hide and show
        box.hide();
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    }
    const QImage im = capture();
    box.hide();

    // Teal disc of radius 63.8 units = 31.6 px round the centre, outlined in window text.
    EXPECT_TRUE(meme(en(im, 248.5, 248.5), kTeal));
    EXPECT_TRUE(meme(en(im, 268.5, 236.5), kTeal));
    EXPECT_FALSE(meme(en(im, 284.5, 240.5), kTeal));
    EXPECT_GT(compte(im, QRectF(275, 240, 10, 1), texte()).pixels, 0);
    // Light red axes on pixel 248, dash-dot-dot: broken, but often there, one pixel wide.
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
    EXPECT_EQ(compte(im, QRectF(360, 286, 24, 24), kRouge).pixels, int(dpr() * dpr()));
    EXPECT_TRUE(meme(en(im, 372.5, 298.5), kRouge));

    // Grown while hidden: the drawing stays put, the new strip is blank.
    box.resize(600, 560);
    EXPECT_EQ(box.etat().largeurPx, 596);
    EXPECT_EQ(box.etat().hauteurPx, 556);
    const QImage grand = capture();
    EXPECT_TRUE(meme(en(grand, 99.5, 248.5), texte()));
    EXPECT_TRUE(meme(en(grand, 550.5, 520.5), fond()));
}

TEST_F(PictureDessin, TraitLargeToujoursPlein)
{
    box.setDrawStyle(StyleTrait::Tirets);
    box.setDrawWidth(2);
    box.line(10, 100, 480, 100, kRougeVif);
    box.setDrawWidth(1);
    box.line(10, 200, 480, 200, kRougeVif);
    box.setDrawStyle(StyleTrait::TiretPointPoint);
    box.line(10, 300, 480, 300, kRougeVif);
    const QImage im = capture();

    // Dashed when one pixel wide only; dash-dot-dot sparser than dashes.
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
    const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
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
    const QImage im = capture();
    EXPECT_EQ(compte(im, QRectF(0, 246, 496, 4), kRouge).colonnes, int(496 * dpr()));
    EXPECT_EQ(compte(im, QRectF(246, 0, 4, 496), kRouge).lignes, int(496 * dpr()));
}

using PictureControles = PictureTest;

// Counts the paint events a widget receives and gathers what they cover.
struct CompteurPeinture : QObject {
    int n = 0;
    QRegion peint;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) ++n, peint += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

TEST_F(PictureControles, PeintsParDessusLeDessinEtRepeintsSansAttendre)
{
    // Sat: a blue disc in its 9 × 9 box at (352, 32), over the drawing; the star hidden.
    box.line(340, 36, 380, 36, kRougeVif);
    const QImage im = capture();
    EXPECT_TRUE(meme(en(im, 356.5, 36.5), kBleu));
    EXPECT_TRUE(meme(en(im, 345.5, 36.5), kRouge));
    EXPECT_TRUE(meme(en(im, 7, 6.5), fond()));

    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QCoreApplication::processEvents();
    CompteurPeinture compteur;
    box.installEventFilter(&compteur);
    box.setDrawWidth(2);   // user units are inner pixels: squares from (x − ½, y − ½)

    // The points of one handler are repainted together once it returns, over
    // the box of the squares that reach the area and no further.
    for (const QPointF p : {QPointF(100, 200), QPointF(300, 50), QPointF(-5, 600), QPointF(495.6, 10)})
        box.pset(float(p.x()), float(p.y()));
    EXPECT_EQ(compteur.n, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return compteur.n > 0; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(compteur.n, 1);
    EXPECT_EQ(compteur.peint, QRegion(QRect(kBord + 99, kBord + 9, 397, 192)));

    // The impact animation runs inside one handler: each repeint paints at
    // once, and once; the first also shows the points drawn before it.
    box.pset(400, 400);
    box.setVisible(Controle::Etoile, true);
    for (int i = 1; i <= 3; ++i) {
        box.deplace(Controle::Etoile, 100.0f + i, 100.0f + i);
        box.setLargeur(Controle::Etoile, box.largeur(Controle::Etoile) * 1.035f);
        box.repeint(Controle::Etoile);
        EXPECT_EQ(compteur.n, 1 + i);
        EXPECT_TRUE(compteur.peint.contains(QPoint(kBord + 400, kBord + 400)));
    }
}

TEST(PictureEtoile, BleueSurFondTransparent)
{
    for (const QSize taille : {QSize(14, 12), QSize(56, 48)}) {
        const QImage im = imageEtoile(taille).convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(im.size(), taille);
        const int w = taille.width(), h = taille.height();
        EXPECT_EQ(im.pixel(w / 2, h / 2), qRgba(0, 0, 255, 255));
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
    EXPECT_TRUE(box.hasMouseTracking());   // moves arrive without a button too
    QSignalSpy appuis(&box, &PictureBox::souris), mouvements(&box, &PictureBox::deplacement);
    const auto envoie = [&](QEvent::Type type, QPointF pos, Qt::MouseButtons boutons, Qt::KeyboardModifiers mods) {
        const auto bouton = type == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButton(boutons.toInt());
        QMouseEvent e(type, pos, box.mapToGlobal(pos), bouton, boutons, mods);
        QCoreApplication::sendEvent(&box, &e);
    };
    // Inner pixel (248, 124) is (0, 250) in user units; the border reports nothing.
    const auto appui = QEvent::MouseButtonPress, mouvement = QEvent::MouseMove;
    envoie(appui, {kBord + 248, kBord + 124}, Qt::LeftButton, Qt::ShiftModifier);
    envoie(appui, {kBord, kBord + 496}, Qt::RightButton, Qt::ControlModifier);
    envoie(appui, {kBord + 124, kBord + 248}, Qt::MiddleButton, Qt::AltModifier | Qt::ShiftModifier);
    envoie(appui, {1, 1}, Qt::LeftButton, Qt::NoModifier);
    envoie(mouvement, {kBord + 372, kBord + 372}, Qt::NoButton, Qt::NoModifier);
    envoie(mouvement, {kBord + 248.5, kBord + 248}, Qt::LeftButton | Qt::RightButton, Qt::ControlModifier);
    envoie(mouvement, {0.5, 0.5}, Qt::NoButton, Qt::NoModifier);

    // Each: button(s), Shift 1 | Ctrl 2 | Alt 4, x, y.
    const auto verifie = [](const QSignalSpy& recus, const std::vector<std::array<double, 4>>& attendus) {
        ASSERT_EQ(recus.count(), int(attendus.size()));
        for (int i = 0; i < recus.count(); ++i)
            for (int j = 0; j < 4; ++j)
                EXPECT_NEAR(recus.at(i).at(j).toDouble(), attendus[std::size_t(i)][std::size_t(j)], 1e-3) << i;
    };
    verifie(appuis, {{1, 1, 0, 250}, {2, 2, -500, -500}, {4, 5, -250, 0}});
    verifie(mouvements, {{0, 0, 250, -250}, {3, 2, 0.5 / 0.496, 0}});
}

} // namespace
