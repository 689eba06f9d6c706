#include "outils.h"

#include "SimulationState.h"

#include <QLabel>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace orbeline;
using namespace orbeline::test;

namespace {
// A pixel of Picture1's inner area, in widget coordinates (2-pixel border).
// One pixel spans 1000 / 496 user units in the default view.
QPoint pixel(int x, int y) { return {2 + x, 2 + y}; }
} // namespace

TEST(PlacementSouris, AnyButtonPlacesTheInitialPosition)
{
    for (const auto bouton : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        LocaleTemporaire point(QLocale::c());
        auto w = fenetre();
        const int avant = w->nombreInit();
        // Inner pixel (322, 347) is user point (149.19…, −199.59…).
        QTest::mousePress(w->pictureBox(1), bouton, {}, pixel(322, 347));
        QTest::mouseRelease(w->pictureBox(1), bouton, {}, pixel(322, 347));
        // Rounded down to whole user units, times Reduction 100.
        EXPECT_EQ(w->text(3)->text(), "14900");
        EXPECT_EQ(w->text(4)->text(), "-20000");
        EXPECT_EQ(w->nombreInit() - avant, 2);
        EXPECT_EQ(w->etat().Xo, 14900 * 1000.0);
        EXPECT_EQ(w->etat().Yo, -20000 * 1000.0);
        // The marker is centred on the exact point, not on the rounded one.
        PictureBox* p = w->pictureBox(1);
        EXPECT_NEAR(p->gauche(Controle::Sat) + p->largeur(Controle::Sat) / 2, 149.19, 0.01);
    }
}

TEST(PlacementSouris, PointerReadOutAndUnitCaptions)
{
    auto w = fenetre();
    EXPECT_EQ(w->etiquette(Etiquette::Label3)->text(), "X initial ");
    // Inner pixel (254, 249) is user point (12.09…, −2.01…).
    QTest::mouseMove(w->pictureBox(1), pixel(254, 249));
    EXPECT_EQ(w->etiquette(Etiquette::Label9)->text(), "X =  1200");
    EXPECT_EQ(w->etiquette(Etiquette::Label10)->text(), "Y = -300");
    EXPECT_EQ(w->etiquette(Etiquette::Label3)->text(), "X initial en km            ");
    EXPECT_EQ(w->etiquette(Etiquette::Label14)->text(), " X, Y en km            ");
}

TEST(PlacementSouris, PlaceMovesTheMarkerToTheTypedPosition)
{
    auto w = fenetre();
    w->ecritTexte(Champ::Text3, "10000");
    w->ecritTexte(Champ::Text4, "-5000");
    const int avant = w->nombreInit();
    QTest::mouseClick(w->commande(5), Qt::LeftButton);
    PictureBox* p = w->pictureBox(1);
    EXPECT_NEAR(p->gauche(Controle::Sat) + p->largeur(Controle::Sat) / 2, 100, 0.01);
    EXPECT_NEAR(p->haut(Controle::Sat) - p->hauteur(Controle::Sat) / 2, -50, 0.01);
    EXPECT_EQ(w->nombreInit(), avant);
}
