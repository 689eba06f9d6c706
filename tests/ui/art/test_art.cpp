// The program shows the committed pictures: a resource named wrong or a file
// the reader refuses would leave a blank logo or no window icon, silently.

#include "images.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

TEST(ArtImages, TheProgramShowsTheLogoAndTheIcon)
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
