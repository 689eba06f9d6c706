// The program shows the committed pictures: a resource named wrong or a file
// the reader refuses would leave a blank logo or no window icon, silently.

#include "images.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

TEST(ArtImages, LeProgrammeMontreLeLogoEtLIcone)
{
    // Each size its own picture, from the task bar's 16 px up.
    const QIcon icone = orbeline::iconeOrbeline();
    EXPECT_TRUE(icone.availableSizes().contains(QSize(16, 16))) << icone.availableSizes().size();
    for (const QSize& taille : icone.availableSizes()) {
        const QImage image = icone.pixmap(taille).toImage();
        EXPECT_EQ(image.size(), taille);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << taille.width();   // transparent corners
    }
    const QImage logo = orbeline::logoAccueil().toImage();
    EXPECT_EQ(logo.size(), QSize(160, 150));
    EXPECT_FALSE(logo.hasAlphaChannel());
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
