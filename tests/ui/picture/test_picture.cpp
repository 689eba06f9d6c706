// Pixel tests of the picture area, run at pixel ratio 1 and again at 2: the
// real procedures' default view and launch land on whole logical pixels in the
// right colours and survive hiding; pens; absurd input; the marker and the
// star painted over the drawing (the mouse's user units: the window's
// PlacementSouris test).

#include "FenetreEnregistree.h"
#include "PictureBox.h"
#include "SimulationState.h"
#include "calcule.h"
#include "init.h"
#include "vue.h"

#include <QDir>
#include <QPaintEvent>
#include <QRegion>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <set>

using namespace orbeline;

namespace {

constexpr int kBord = 2;   // sunken border, px
const QColor kTeal{0, 128, 128}, kBleu{0, 0, 255}, kRouge{255, 0, 0}, kGris{128, 128, 128};
constexpr Couleur kRougeVif{255, 0, 0};

bool meme(QRgb p, const QColor& c) { return QColor(p).rgb() == c.rgb(); }
QImage capture(QWidget& w) { return w.grab().toImage(); }
QColor texte(const QWidget& w) { return w.palette().color(QPalette::WindowText); }

// The device pixel holding the point (x, y) of the inner area, logical px.
QRgb en(const QImage& im, double x, double y)
{
    const double r = im.devicePixelRatio();
    return im.pixel(int(std::floor((x + kBord) * r)), int(std::floor((y + kBord) * r)));
}

// Device pixels of one colour in a rectangle of the inner area (logical px),
// and the rows and columns holding one.
struct Compte { int pixels = 0, lignes = 0, colonnes = 0; };
Compte compte(const QImage& im, const QRectF& zone, const QColor& c)
{
    const double r = im.devicePixelRatio();
    const QRect dev = QRectF(zone.translated(kBord, kBord).topLeft() * r, zone.size() * r).toAlignedRect();
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

// An orbit view that keeps what it showed at the first and last repaints of the star.
struct PictureFilmee : PictureBox {
    QImage premiere, derniere;
    void repeint(Controle c) override
    {
        PictureBox::repeint(c);
        (premiere.isNull() ? premiere : derniere) = grab().toImage();
    }
};

// The recording window with a real orbit view.
struct FenetreVue : test::FenetreEnregistree {
    PictureFilmee vue;
    Surface& picture(int n) override { return n == 1 ? static_cast<Surface&>(vue) : pic(n); }
};

struct Picture : ::testing::Test {
    Picture() { box.resize(500, 500); }
    double dpr() const { return box.devicePixelRatioF(); }
    PictureBox box;
};

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

} // namespace

TEST(PictureVue, DefaultLaunchWithItsStarOnTheDefaultView)
{
    FenetreVue f;
    PictureFilmee& box = f.vue;
    box.resize(500, 500);
    const double dpr = box.devicePixelRatioF();
    auto s = std::make_unique<SimulationState>();
    Form_Load(*s, f);
    EXPECT_EQ(box.image().size(), QSize(496, 496) * dpr);
    ASSERT_TRUE(init(*s, {"0", "0", "-30000", "0", "6.00", "864", false, true}).ok);
    calcule(*s);
    Trace(*s, f);
    PictureBox copie;   // drawn again from its journal, the same picture
    copie.resize(500, 500);
    ASSERT_TRUE(box.journal().rejoue(copie));
    EXPECT_EQ(copie.image(), box.image());

    // The star on the impact point, inner pixel (221, 248): blue on a transparent ground
    // (the disc shows in its corner), 14 × 12 px at the first frame, about 24 × 20 at the last.
    EXPECT_GT(compte(box.premiere, QRectF(213, 241, 16, 14), kBleu).pixels, 30 * dpr * dpr);
    const QImage& etoile = box.derniere;   // saved for a person to look at
    ASSERT_TRUE(etoile.save(QDir::current().filePath(dpr == 1 ? "vue_par_defaut.png" : "vue_par_defaut@2x.png")));
    EXPECT_GT(compte(etoile, QRectF(212, 236, 29, 27), kBleu).pixels, 80 * dpr * dpr);
    EXPECT_TRUE(meme(en(etoile, 232.5, 239.5), kTeal));

    box.pset(300, 0);   // the pen efface leaves: 2 px
    box.setDrawWidth(1);
    box.pset(251, -101, kRougeVif);   // (372.5, 298.1) px
    for (int fois = 0; fois < 2; ++fois) {   // drawn before the first show, kept across hide and show
        box.hide();
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    }
    const QImage im = capture(box);
    box.hide();

    // Teal disc of radius 63.8 units = 31.6 px round the centre, outlined in window text.
    EXPECT_TRUE(meme(en(im, 268.5, 236.5), kTeal));
    EXPECT_FALSE(meme(en(im, 284.5, 240.5), kTeal));
    EXPECT_GT(compte(im, QRectF(275, 240, 10, 1), texte(box)).pixels, 0);
    // Light red axes on pixel 248, often there (the pen's dashes are AWidePenIsAlwaysSolid's), one pixel wide.
    const Compte axe = compte(im, QRectF(248, 5, 1, 190), kRouge);
    EXPECT_GT(axe.lignes, int(0.3 * 190 * dpr));
    EXPECT_EQ(axe.pixels, axe.lignes * int(dpr));
    EXPECT_GT(compte(im, QRectF(300, 248, 190, 1), kRouge).colonnes, int(0.3 * 190 * dpr));
    EXPECT_EQ(compte(im, QRectF(208, 5, 81, 190), kRouge).pixels, axe.pixels);
    // Dark grey grid every 49.6 px: pixels 49, 99, 148, …, 446, nothing between.
    EXPECT_GT(compte(im, QRectF(49, 5, 1, 40), kGris).lignes, int(0.3 * 40 * dpr));
    EXPECT_GT(compte(im, QRectF(5, 148, 40, 1), kGris).colonnes, int(0.3 * 40 * dpr));
    EXPECT_GT(compte(im, QRectF(446, 5, 1, 40), kGris).pixels, 0);
    EXPECT_EQ(compte(im, QRectF(50, 5, 48, 40), kGris).pixels, 0);
    // The trajectory along the axis, the marker on its last point; (300, 0)
    // is (396.8, 248) px: a 2-px point covers 396..397 × 247..248.
    EXPECT_GT(compte(im, QRectF(110, 247, 100, 2), texte(box)).colonnes, int(80 * dpr));
    EXPECT_TRUE(meme(en(im, 221.5, 248.5), kBleu));
    EXPECT_EQ(compte(im, QRectF(396, 247, 2, 2), texte(box)).pixels, int(4 * dpr * dpr));
    EXPECT_EQ(compte(im, QRectF(386, 238, 20, 20), texte(box)).pixels, int(4 * dpr * dpr));
    EXPECT_EQ(compte(im, QRectF(360, 286, 24, 24), kRouge).pixels, int(dpr * dpr));
    EXPECT_TRUE(meme(en(im, 372.5, 298.5), kRouge));

    // Grown while hidden: the drawing stays put, the new strip is blank.
    box.resize(600, 560);
    EXPECT_EQ(QSize(box.etat().largeurPx, box.etat().hauteurPx), QSize(596, 556));
    const QImage grand = capture(box);
    EXPECT_TRUE(meme(en(grand, 396.5, 248.5), texte(box)));
    EXPECT_TRUE(meme(en(grand, 550.5, 520.5), box.palette().color(QPalette::Light)));
}

TEST_F(Picture, AWidePenIsAlwaysSolid)
{
    box.setDrawStyle(StyleTrait::Tirets);
    box.setDrawWidth(2);
    box.line(10, 100, 480, 100, kRougeVif);
    box.setDrawWidth(1);
    box.line(10, 200, 480, 200, kRougeVif);
    box.setDrawStyle(StyleTrait::TiretPointPoint);
    box.line(10, 300, 480, 300, kRougeVif);
    const QImage im = capture(box);

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

TEST_F(Picture, EndlessCoordinatesDrawNothingAndFarLinesShowWhereTheyCrossTheView)
{
    box.scale(-500, 500, 500, -500);
    box.setForeColor(kRougeVif);
    box.setDrawStyle(StyleTrait::TiretPointPoint);
    const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
    const float max = std::numeric_limits<float>::max();
    for (const float v : {nan, inf, -inf}) {
        box.line(-v, v, v, -v);
        box.line(0, 0, v, 0);
        box.pset(0, v);
        box.circle(v, 0, 10);
        box.circle(0, 0, v);
    }
    EXPECT_EQ(compte(capture(box), QRectF(0, 0, 496, 496), kRouge).pixels, 0);
    box.setDrawWidth(std::numeric_limits<int>::max());   // as wide as a pen may be
    box.line(-1e30f, 400, 1e30f, 400);

    box.setDrawWidth(1);
    box.setDrawStyle(StyleTrait::Plein);
    box.cls();
    box.line(-1e30f, 0, 1e30f, 0, kRougeVif);
    box.line(0, max, 0, -max, kRougeVif);
    box.line(-1000, -2000, 1000, 2000, kRougeVif);   // y = 2x, cut at the top and the bottom
    const QImage im = capture(box);
    EXPECT_EQ(compte(im, QRectF(0, 246, 496, 4), kRouge).colonnes, int(496 * dpr()));
    EXPECT_EQ(compte(im, QRectF(246, 0, 4, 496), kRouge).lignes, int(496 * dpr()));
    EXPECT_GT(compte(im, QRectF(295, 146, 6, 6), kRouge).pixels, 0);   // user point (100, 200)
}

TEST_F(Picture, PaintedOverTheDrawingAndRepaintedAtOnce)
{
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
