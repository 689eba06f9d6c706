#include "outils.h"

#include "SimulationState.h"

#include <QRadioButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace orbeline;
using namespace orbeline::test;

TEST(Terre, OnAFreshWindow)
{
    auto w = fenetre();
    const int avant = w->nombreInit();
    QTest::mouseClick(w->option(2, 0), Qt::LeftButton);
    EXPECT_EQ(w->windowTitle(), "Terre. R = 6380 km ");
    EXPECT_EQ(w->text(1)->text(), "3078");
    EXPECT_EQ(w->text(5)->text(), "6.00");
    EXPECT_EQ(w->text(6)->text(), "864");
    // Only Text1 changed: one init, which saw the new velocity.
    EXPECT_EQ(w->nombreInit() - avant, 1);
    EXPECT_EQ(w->etat().vx, 3078);
    EXPECT_EQ(w->etat().Rayon, 6380);
    EXPECT_TRUE(w->option(3, 0)->isChecked());
    EXPECT_EQ(w->pictureBox(1)->scaleWidth(), 1000);
}

TEST(Terre, AfterAnotherScaleAndOtherValues)
{
    auto w = fenetre();
    QTest::mouseClick(w->option(3, 5), Qt::LeftButton);
    EXPECT_EQ(w->etat().Echelle, 1000000000);
    w->ecritTexte(Champ::Text1, "10");
    w->ecritTexte(Champ::Text3, "150");
    w->ecritTexte(Champ::Text4, "-20");
    w->ecritTexte(Champ::Text5, "1.99E+6");
    w->ecritTexte(Champ::Text6, "315000");
    QTest::mouseClick(w->commande(1), Qt::LeftButton);

    QTest::mouseClick(w->option(2, 0), Qt::LeftButton);
    EXPECT_TRUE(w->option(3, 0)->isChecked());
    EXPECT_EQ(w->etat().Echelle, 1000);
    EXPECT_EQ(w->etat().Reduction, 100);
    EXPECT_EQ(w->text(1)->text(), "3078");
    EXPECT_EQ(w->text(5)->text(), "6.00");
    EXPECT_EQ(w->text(6)->text(), "864");
    EXPECT_EQ(w->text(3)->text(), "150");
    EXPECT_EQ(w->text(4)->text(), "-20");
    EXPECT_TRUE(w->etiquette(Etiquette::Label11)->text().isEmpty());
    // The marker now reads the kept position in kilometres.
    EXPECT_NEAR(w->pictureBox(1)->gauche(Controle::Sat) + w->pictureBox(1)->largeur(Controle::Sat) / 2, 1.5, 0.01);
    // The fields were filled under the old scale; the next launch reads them anew.
    QTest::mouseClick(w->commande(1), Qt::LeftButton);
    EXPECT_EQ(w->etat().Xo, 150000);
}
