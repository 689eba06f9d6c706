#include "outils.h"

#include "SimulationState.h"

#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace orbeline;
using namespace orbeline::test;

// Inner pixel (x, y) of Picture1 in widget coordinates (2-pixel border); one
// pixel spans 1000 / 496 user units in the default view.
static QPoint pixel(int x, int y) { return {2 + x, 2 + y}; }

TEST(PlacementSouris, PressMoveAndPlaceReachTheViewProcedures)
{
    LocaleTemporaire point(QLocale::c());
    for (const auto bouton : {Qt::LeftButton, Qt::RightButton}) {
        auto w = fenetre();
        const int avant = w->nombreInit();
        // Inner pixel (322, 347) is user point (149.19…, −199.59…).
        QTest::mouseClick(w->pictureBox(1), bouton, {}, pixel(322, 347));
        EXPECT_EQ(w->text(3)->text(), "14900");
        EXPECT_EQ(w->text(4)->text(), "-20000");
        EXPECT_EQ(w->nombreInit() - avant, 2);
        EXPECT_EQ(w->etat().Yo, -20000 * 1000.0);
        PictureBox* p = w->pictureBox(1);
        EXPECT_NEAR(p->gauche(Controle::Sat) + p->largeur(Controle::Sat) / 2, 149.19, 0.01);
        // "Placer" brings the marker onto the rounded position in the fields.
        QTest::mouseClick(w->commande(5), Qt::LeftButton);
        EXPECT_NEAR(p->gauche(Controle::Sat) + p->largeur(Controle::Sat) / 2, 149, 0.01);
        EXPECT_EQ(w->nombreInit() - avant, 2);
    }

    auto w = fenetre();
    EXPECT_EQ(w->etiquette(Etiquette::Label3)->text(), "X initial ");
    // Inner pixel (254, 249) is user point (12.09…, −2.01…).
    QTest::mouseMove(w->pictureBox(1), pixel(254, 249));
    EXPECT_EQ(w->etiquette(Etiquette::Label9)->text(), "X =  1200");
    EXPECT_EQ(w->etiquette(Etiquette::Label10)->text(), "Y = -300");
    EXPECT_EQ(w->etiquette(Etiquette::Label14)->text(), " X, Y en km            ");
}
