// What the pupil enters: typing into the fields, the caret in Text7, and the
// position placed with the mouse.
#include "outils.h"

#include "SimulationState.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <map>
#include <utility>

using namespace orbeline;
using namespace orbeline::test;

TEST(Saisie, TypingIntoAFieldRunsInitOncePerChange)
{
    auto w = fenetre();
    w->text(1)->clear();
    const int avant = w->nombreInit();
    QTest::keyClicks(w->text(1), "12");
    EXPECT_EQ(w->etat().vx, 12);
    // Written from code, a new text runs it once, the same text not at all; Text7 never.
    w->ecritTexte(Champ::Text1, "7");
    w->ecritTexte(Champ::Text1, "7");
    QTest::keyClicks(w->text(7), "5");
    EXPECT_EQ(w->nombreInit() - avant, 3);
}

TEST(Saisie, APasteKeepsOneLineOfPrintableTextThatASavedSituationReopens)
{
    // Tabs and line breaks become one blank, other control characters go, a
    // text longer than a situation keeps is refused whole.
    const std::pair<QString, QString> cas[] = {{"30\r\n78\t", "30 78 "}, {QString::fromUtf8("1\0" "2\x1b[0m", 7), "12[0m"},
                                               {QString(1001, '7'), ""}};
    QTemporaryDir dossier;
    auto w = fenetre();
    for (const auto& [colle, texte] : cas) {
        w->text(1)->clear();
        QGuiApplication::clipboard()->setText(colle);
        w->text(1)->paste();
        EXPECT_EQ(w->text(1)->text(), texte);
        EXPECT_TRUE(enregistre(*w, Action::EnregistrerSituation, dossier.filePath("s.orbeline")) && w->ouvreSituation(dossier.filePath("s.orbeline")));
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

TEST(PlacementSouris, PressMoveAndPlaceReachTheViewProcedures)
{
    // Rounding and the read-out are the view's matter, the pixels' places in user
    // units the picture area's. Inner pixel (x, y) of Picture1 is (2 + x, 2 + y)
    // in the widget; one pixel spans 1000 / 496 user units in the default view.
    LocaleTemporaire point(QLocale::c());
    auto w = fenetre();
    PictureBox* p = w->pictureBox(1);
    // Any button places: inner pixel (322, 347) is user point (149.19…, −199.59…).
    QTest::mouseClick(p, Qt::RightButton, {}, {324, 349});
    EXPECT_EQ(std::pair(w->text(3)->text(), w->text(4)->text()), std::pair(QString("14900"), QString("-20000")));
    // "Placer" brings the marker from the point pressed onto the rounded position in the fields.
    QTest::mouseClick(w->commande(Commande::Placer), Qt::LeftButton);
    EXPECT_NEAR(p->gauche(Controle::Sat) + p->largeur(Controle::Sat) / 2, 149, 0.01);
    // Inner pixel (254, 249) is user point (12.09…, −2.01…).
    QTest::mouseMove(p, {256, 251});
    // The read-outs as a person sees them on their row, left to right.
    std::map<int, QString> lues;
    for (QLabel* l : w->client()->findChildren<QLabel*>())
        if (l->isVisible() && (l->text().startsWith("X = ") || l->text().startsWith("Y = "))) lues[l->x()] = l->text();
    QStringList vues;
    for (const auto& [x, t] : lues) vues << t;
    EXPECT_EQ(vues.join(" | ").toStdString(), "Y = -300 | X =  1200");
}
