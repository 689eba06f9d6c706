// The pictures are judged by eye; these tests guard what the eye would miss:
// size, reproducibility, transparency and legibility at the smallest size.

#include "art.h"
#include "images.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Number of pixels of `image` satisfying `test`.
int compte(const QImage& image, const std::function<bool(QRgb)>& test)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

TEST(ArtIcone, LisibleDe16A256)
{
    const QIcon icone = orbeline::iconeOrbeline();
    EXPECT_TRUE(icone.availableSizes().contains(QSize(16, 16)));
    for (int taille : {16, 256}) {
        SCOPED_TRACE(taille);
        const QImage image = orbeline::imageIcone(taille);
        ASSERT_EQ(image.size(), QSize(taille, taille));
        // Filled, but not a full square: the corners stay transparent; dark and bright parts for contrast.
        const double opaques = compte(image, [](QRgb c) { return qAlpha(c) >= 200; }) / double(taille * taille);
        EXPECT_TRUE(opaques > 0.25 && opaques < 0.9) << opaques;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_GT(compte(image, [](QRgb c) { return qAlpha(c) >= 200 && qGray(c) < 70; }), 0);
        EXPECT_GT(compte(image, [](QRgb c) { return qAlpha(c) >= 200 && qGray(c) > 150; }), 0);
    }
    EXPECT_EQ(orbeline::imageIcone(0).size(), QSize(1, 1));
}

// The program shows the build's renderings: they must be the drawings, pixel for
// pixel (each icon size drawn for itself, not scaled down), the logo an opaque photograph.
TEST(ArtImages, LeProgrammeMontreLesDessins)
{
    const QImage logo = orbeline::logoOrbeline();
    EXPECT_EQ(logo.size(), QSize(160, 150));
    EXPECT_FALSE(logo.hasAlphaChannel());
    EXPECT_EQ(orbeline::logoAccueil().toImage().convertToFormat(QImage::Format_RGB32), logo);
    const QIcon icone = orbeline::iconeOrbeline();
    for (const QSize& taille : icone.availableSizes()) {
        SCOPED_TRACE(taille.width());
        EXPECT_EQ(icone.pixmap(taille).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  orbeline::imageIcone(taille.width()));
    }
}

} // namespace

int main(int argc, char** argv)
{
    // Test discovery runs the binary outside ctest's environment, where no display may exist.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);  // QPixmap and QIcon need one
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
