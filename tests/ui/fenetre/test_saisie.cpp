// What the pupil enters: typing into the fields, the caret in Text7, and the
// position placed with the mouse.
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
    // A decimal comma is pointed out as soon as it is typed.
    QTest::keyClicks(w->text(1), ",5");
    EXPECT_TRUE(w->zoneMessage()->text().contains("12,5 est lu 12 : tapez 12.5"));
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
