// What the pupil enters: typing into the fields, the Text7 rewrite, the
// "Terre" preset and the position placed with the mouse.
#include "outils.h"

#include "SimulationState.h"

#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

using namespace orbeline;
using namespace orbeline::test;

TEST(Saisie, TypingIntoAFieldRunsInitOncePerChange)
{
    auto w = fenetre();
    w->text(1)->clear();
    const int avant = w->nombreInit();
    QTest::keyClicks(w->text(1), "12");
    EXPECT_EQ(w->etat().vx, 12);
    // Writing the same text again runs nothing, nor does typing into Text7.
    w->ecritTexte(Champ::Text1, "12");
    QTest::keyClicks(w->text(7), "5");
    EXPECT_EQ(w->nombreInit() - avant, 2);
}

TEST(Masse, RewritesAnyTextAsANonNegativeNumberInTheRegionalForm)
{
    using Textes = std::vector<std::pair<const char*, const char*>>;
    const std::pair<QLocale, Textes> cas[] = {
        {QLocale::c(), {{"-5", "5"}, {"abc", "0"}, {"", "0"}, {"1e3", "1000"}, {"007", "7"}, {"12abc", "12"},
                        {"2.5", "2.5"}, {"1e400", "0"}, {"-1e20", "1E+20"}, {"0.1", "0.1"}}},
        // Written 2,5, which reads back as 2: the rewrite ends on the whole part.
        {QLocale(QLocale::French, QLocale::France), {{"2.5", "2"}, {"1.5e20", "1"}}},
    };
    for (const auto& [locale, textes] : cas) {
        LocaleTemporaire l(locale);
        auto w = fenetre();
        for (const auto& [entree, sortie] : textes) {
            w->text(7)->setText(QString::fromUtf8(entree));
            EXPECT_EQ(w->text(7)->text(), sortie) << entree;
        }
    }
}

TEST(Masse, TypedCharactersThatAreNotKeptLeaveTheCaretInPlace)
{
    LocaleTemporaire point(QLocale::c());
    auto w = fenetre();
    QLineEdit* e = w->text(7);
    e->setFocus();
    // A point, or a minus at the start, is dropped where it was typed; digits go on where the typist is.
    const struct { int position; const char* frappe; const char* texte; int apres; } cas[] = {
        {5, ".", "30000", 5}, {0, "-", "30000", 0}, {1, "12", "3120000", 3}};
    for (const auto& c : cas) {
        e->setCursorPosition(c.position);
        QTest::keyClicks(e, c.frappe);
        EXPECT_EQ(std::pair(e->text(), e->cursorPosition()), std::pair(QString(c.texte), c.apres)) << c.frappe;
    }
}

TEST(Terre, LoadsTheEarthAndTheFirstScaleKeepingThePosition)
{
    auto w = fenetre();
    int avant = w->nombreInit();
    QTest::mouseClick(w->option(2, 0), Qt::LeftButton);
    EXPECT_EQ(w->windowTitle(), "Terre. R = 6380 km ");
    // On a fresh window only Text1 changes: one init, which saw the new velocity.
    EXPECT_EQ(w->nombreInit() - avant, 1);
    EXPECT_EQ(w->etat().vx, 3078);

    QTest::mouseClick(w->option(3, 5), Qt::LeftButton);
    EXPECT_EQ(w->etat().Echelle, 1000000000);
    for (const auto& [champ, texte] : {std::pair{Champ::Text1, "10"}, {Champ::Text3, "150"}, {Champ::Text4, "-20"},
                                       {Champ::Text5, "1.99E+6"}, {Champ::Text6, "315000"}})
        w->ecritTexte(champ, texte);
    QTest::mouseClick(w->commande(1), Qt::LeftButton);
    w->etat().Rayon = 1;

    QTest::mouseClick(w->option(2, 0), Qt::LeftButton);
    EXPECT_TRUE(w->option(3, 0)->isChecked());
    EXPECT_EQ(std::tie(w->etat().Echelle, w->etat().Reduction, w->etat().Rayon), std::tuple(1000, 100.0, 6380.0));
    const char* attendus[] = {"3078", nullptr, "150", "-20", "6.00", "864"};
    for (int n : {1, 3, 4, 5, 6}) EXPECT_EQ(w->text(n)->text(), attendus[n - 1]) << n;
    EXPECT_TRUE(w->etiquette(Etiquette::Label11)->text().isEmpty());
    // The marker now reads the kept position in kilometres.
    EXPECT_NEAR(w->pictureBox(1)->gauche(Controle::Sat) + w->pictureBox(1)->largeur(Controle::Sat) / 2, 1.5, 0.01);
    // The fields were filled under the old scale; the next launch reads them anew.
    QTest::mouseClick(w->commande(1), Qt::LeftButton);
    EXPECT_EQ(w->etat().Xo, 150000);
}

TEST(PlacementSouris, PressMoveAndPlaceReachTheViewProcedures)
{
    // Inner pixel (x, y) of Picture1 is (2 + x, 2 + y) in the widget; one
    // pixel spans 1000 / 496 user units in the default view.
    LocaleTemporaire point(QLocale::c());
    for (const auto bouton : {Qt::RightButton, Qt::LeftButton}) {   // any button places
        auto w = fenetre();
        PictureBox* p = w->pictureBox(1);
        const int avant = w->nombreInit();
        // Inner pixel (322, 347) is user point (149.19…, −199.59…).
        QTest::mouseClick(p, bouton, {}, {324, 349});
        EXPECT_EQ(std::pair(w->text(3)->text(), w->text(4)->text()), std::pair(QString("14900"), QString("-20000")));
        EXPECT_EQ(w->etat().Yo, -20000 * 1000.0);
        EXPECT_NEAR(p->gauche(Controle::Sat) + p->largeur(Controle::Sat) / 2, 149.19, 0.01);
        // "Placer" brings the marker onto the rounded position in the fields.
        QTest::mouseClick(w->commande(5), Qt::LeftButton);
        EXPECT_NEAR(p->gauche(Controle::Sat) + p->largeur(Controle::Sat) / 2, 149, 0.01);
        EXPECT_EQ(w->nombreInit() - avant, 2);   // one per field; placing runs none
    }
    // Inner pixel (254, 249) is user point (12.09…, −2.01…).
    auto w = fenetre();
    QTest::mouseMove(w->pictureBox(1), {256, 251});
    EXPECT_EQ(std::pair(w->etiquette(Etiquette::Label9)->text(), w->etiquette(Etiquette::Label10)->text()),
              std::pair(QString("X =  1200"), QString("Y = -300")));
}
