// The pictures are judged by eye; these tests guard what the eye would miss:
// size, reproducibility, and that each part of the scene is where it belongs.

#include "art.h"
#include "hasard.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using orbeline::hauteurLogo;
using orbeline::largeurLogo;

// Number of pixels of `image` within the rows [haut, bas) satisfying `test`.
int compte(const QImage& image, int haut, int bas, const std::function<bool(QRgb)>& test)
{
    int n = 0;
    for (int y = haut; y < bas; ++y)
        for (int x = 0; x < image.width(); ++x)
            n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

bool villeEclairee(QRgb c)  // warm yellow to orange, clearly lit
{
    return qRed(c) > 150 && qGreen(c) > 70 && qRed(c) > qGreen(c) + 20 && qGreen(c) > qBlue(c) + 40;
}

bool panneauBleu(QRgb c)  // blue cells in daylight, not the dark night ground
{
    return qBlue(c) > 90 && qBlue(c) > qRed(c) + 40 && qBlue(c) > qGreen(c) + 20;
}

TEST(ArtLogo, TailleEtReproductible)
{
    const QImage a = orbeline::logoOrbeline();
    EXPECT_EQ(a.width(), 160);
    EXPECT_EQ(a.height(), 150);
    EXPECT_EQ(a.size(), QSize(largeurLogo, hauteurLogo));
    EXPECT_FALSE(a.hasAlphaChannel());  // a photograph: opaque everywhere
    EXPECT_EQ(a, orbeline::logoOrbeline());
}

TEST(ArtLogo, CielNoirEnHaut)
{
    const QImage logo = orbeline::logoOrbeline();
    // The top band is night sky: dark on average, with only a few stars, the
    // satellite hanging below it.
    long somme = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < largeurLogo; ++x)
            somme += qGray(logo.pixel(x, y));
    EXPECT_LT(somme / (10.0 * largeurLogo), 20.0);
    // Stars are there, but sparse: a few points, not a grey veil.
    const int etoiles = compte(logo, 0, 25, [](QRgb c) { return qGray(c) > 40; });
    EXPECT_GE(etoiles, 3);
    EXPECT_LT(etoiles, 25 * largeurLogo / 50);
}

TEST(ArtLogo, VillesEnBasPanneauxEnHaut)
{
    const QImage logo = orbeline::logoOrbeline();
    // Lit towns on the ground in the lower third, none in the open sky at the
    // top (the satellite's gold body shares their hue, so it is left out by
    // its place, below that band).
    EXPECT_GT(compte(logo, hauteurLogo * 2 / 3, hauteurLogo, villeEclairee), 25);
    EXPECT_EQ(compte(logo, 0, 15, villeEclairee), 0);

    // Sunlit blue panels in the upper half, above the Earth and its blue rim.
    EXPECT_GT(compte(logo, 0, hauteurLogo / 2, panneauBleu), 80);

    // The ground is blue-ish but dark: the night side.
    long bleu = 0, rouge = 0, gris = 0;
    for (int x = 0; x < largeurLogo; ++x) {
        const QRgb c = logo.pixel(x, hauteurLogo - 2);
        bleu += qBlue(c);
        rouge += qRed(c);
        gris += qGray(c);
    }
    EXPECT_GT(bleu, rouge);
    EXPECT_LT(gris / largeurLogo, 60);
}

TEST(ArtLogo, LimbeBleuEtVillesDessous)
{
    const QImage logo = orbeline::logoOrbeline();
    // In every column, the thin blue rim of the atmosphere comes first from
    // the top, and every lit town lies under it: nothing glows in the sky.
    int colonnesAvecLimbe = 0;
    for (int x = 0; x < largeurLogo; ++x) {
        int limbe = -1;
        for (int y = 0; y < hauteurLogo && limbe < 0; ++y) {
            const QRgb c = logo.pixel(x, y);
            if (qBlue(c) > 120 && qBlue(c) > qRed(c) + 70 && qBlue(c) > qGreen(c) + 30 && y > hauteurLogo / 2)
                limbe = y;
        }
        if (limbe < 0) continue;
        ++colonnesAvecLimbe;
        for (int y = hauteurLogo / 2; y < limbe; ++y)
            EXPECT_FALSE(villeEclairee(logo.pixel(x, y))) << "x=" << x << " y=" << y;
    }
    EXPECT_EQ(colonnesAvecLimbe, largeurLogo);
}

TEST(ArtHasard, ReproductibleEtBorne)
{
    orbeline::art::Hasard a{42}, b{42}, c{43};
    bool different = false;
    for (int n = 0; n < 1000; ++n) {
        const double x = a.suivant();
        ASSERT_EQ(x, b.suivant());
        different = different || x != c.suivant();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
    }
    EXPECT_TRUE(different);

    // The noise is smooth: it meets its lattice values at whole coordinates
    // and moves only a little over a small step, even across cell borders.
    using orbeline::art::bruitValeur;
    EXPECT_DOUBLE_EQ(bruitValeur(3, -2, 5, 1), orbeline::art::bruitEntier(3, -2, 5 * 7919 + 1));
    double precedent = bruitValeur(-2.0, 0.3, 0.7, 1);
    for (double x = -2.0; x < 2.0; x += 0.01) {
        const double v = bruitValeur(x, 0.3, 0.7, 1);
        ASSERT_GE(v, 0.0);
        ASSERT_LT(v, 1.0);
        ASSERT_LT(std::abs(v - precedent), 0.05) << "x=" << x;
        precedent = v;
    }
}

// Fraction of opaque pixels, and whether some are dark and some bright.
struct Bilan {
    double couverture = 0;
    bool sombre = false, clair = false;
};

Bilan bilan(const QImage& image)
{
    int opaques = 0;
    Bilan b;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) < 200) continue;
            ++opaques;
            b.sombre = b.sombre || qGray(c) < 70;
            b.clair = b.clair || qGray(c) > 150;
        }
    b.couverture = double(opaques) / (image.width() * image.height());
    return b;
}

TEST(ArtIcone, LisibleDe16A256)
{
    for (int taille : {16, 256}) {
        SCOPED_TRACE(taille);
        const QImage image = orbeline::imageIcone(taille);
        ASSERT_EQ(image.size(), QSize(taille, taille));
        const Bilan b = bilan(image);
        // Filled, but not a full square: the corners stay transparent.
        EXPECT_GT(b.couverture, 0.25);
        EXPECT_LT(b.couverture, 0.9);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_TRUE(b.sombre);
        EXPECT_TRUE(b.clair);
    }
    EXPECT_EQ(orbeline::imageIcone(0).size(), QSize(1, 1));
}

TEST(ArtIcone, PlusieursTailles)
{
    const QIcon icone = orbeline::iconeOrbeline();
    ASSERT_FALSE(icone.isNull());
    const auto tailles = icone.availableSizes();
    EXPECT_TRUE(tailles.contains(QSize(16, 16)));
    EXPECT_TRUE(tailles.contains(QSize(256, 256)));
    // The 16-px pixmap is the one drawn for 16 px, not a scaled-down 256.
    EXPECT_EQ(icone.pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
              orbeline::imageIcone(16));
}

} // namespace

int main(int argc, char** argv)
{
    // Test discovery runs the binary outside ctest's environment, where no
    // display may exist; the pictures never need one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);  // QPixmap and QIcon need one
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
