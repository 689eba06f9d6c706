#include "outils.h"

#include "SimulationState.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <cmath>

using namespace orbeline;
using namespace orbeline::test;

TEST(Fenetre, InitialState)
{
    auto w = fenetre();
    EXPECT_EQ(w->windowTitle(), "orbelines");
    EXPECT_EQ(w->client()->size(), QSize(792, 571));
    const char* attendus[] = {"0", "0", "-30000", "0", "6.00", "864", "30000"};
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(w->text(n)->text(), attendus[n - 1]) << n;
    EXPECT_TRUE(w->option(2, 0)->isChecked());
    EXPECT_TRUE(w->option(3, 0)->isChecked());
    EXPECT_TRUE(w->option(1, 1)->isChecked());
    EXPECT_FALSE(w->caseACocher(Case::Vitesse)->isChecked());
    EXPECT_FALSE(w->caseACocher(Case::Xy)->isChecked());
    for (Element e : {Element::Picture2, Element::Picture6, Element::Label8, Element::Label17})
        EXPECT_FALSE(w->estVisible(e));
    EXPECT_TRUE(w->etiquette(Etiquette::Label11)->text().isEmpty());
    EXPECT_TRUE(w->etiquette(Etiquette::Label12)->text().isEmpty());
    EXPECT_EQ(w->etiquette(Etiquette::Label14)->text(), "Label14");
    // The load procedure reads no field.
    EXPECT_EQ(w->nombreInit(), 0);
    EXPECT_EQ(w->focusWidget(), w->text(1));
}

TEST(Fenetre, TypingIntoAFieldRunsInitOncePerChange)
{
    auto w = fenetre();
    w->text(1)->clear();
    const int avant = w->nombreInit();
    QTest::keyClicks(w->text(1), "12");
    EXPECT_EQ(w->nombreInit() - avant, 2);
    EXPECT_EQ(w->etat().vx, 12);
    // Writing the same text again runs nothing.
    w->ecritTexte(Champ::Text1, "12");
    EXPECT_EQ(w->nombreInit() - avant, 2);
    // Text7 does not run init.
    QTest::keyClicks(w->text(7), "5");
    EXPECT_EQ(w->nombreInit() - avant, 2);
}

TEST(Fenetre, DisabledAttractorsCannotBeSelected)
{
    auto w = fenetre();
    for (int i = 1; i < 4; ++i) {
        QTest::mouseClick(w->option(2, i), Qt::LeftButton);
        EXPECT_FALSE(w->option(2, i)->isChecked());
    }
    // Arrow keys in the group skip the disabled buttons.
    w->option(2, 0)->setFocus();
    for (const auto touche : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Right})
        QTest::keyClick(w->focusWidget(), touche);
    EXPECT_TRUE(w->option(2, 0)->isChecked());
    for (int i = 1; i < 4; ++i) EXPECT_FALSE(w->option(2, i)->isChecked());
}

TEST(Fenetre, DefaultLaunchFallsOntoTheEarth)
{
    auto w = fenetre();
    QTest::mouseClick(w->commande(1), Qt::LeftButton);
    EXPECT_EQ(w->etat().Nfin, 102);
    EXPECT_EQ(w->etiquette(Etiquette::Label11)->text(), "Impact à t =  8772 s");
    EXPECT_EQ(w->etiquette(Etiquette::Label12)->text(), "Vx =  10521 et Vy =  0m/s");
    // The auto-size label grew with its caption.
    EXPECT_GT(w->etiquette(Etiquette::Label11)->width(), 56);
    EXPECT_TRUE(w->zoneMessage()->text().isEmpty());
    // The star was hidden again after its animation.
    EXPECT_FALSE(w->pictureBox(1)->estVisible(Controle::Etoile));

    // Enter launches too; a run without impact empties the labels.
    w->ecritTexte(Champ::Text3, "0");
    w->ecritTexte(Champ::Text4, "42164");
    w->ecritTexte(Champ::Text1, "3078");
    w->text(2)->setFocus();
    QTest::keyClick(w->text(2), Qt::Key_Return);
    EXPECT_EQ(w->etat().Nfin, 999);
    EXPECT_TRUE(w->etiquette(Etiquette::Label11)->text().isEmpty());
}

TEST(Fenetre, TwoLaunchesPileUpOnTheViewWhileChartsShowTheSecond)
{
    auto w = fenetre();
    QTest::mouseClick(w->caseACocher(Case::Vitesse), Qt::LeftButton);
    QTest::mouseClick(w->commande(1), Qt::LeftButton);
    const QImage premiereVue = image(w->pictureBox(1));
    w->ecritTexte(Champ::Text2, "2000");
    QTest::mouseClick(w->commande(1), Qt::LeftButton);
    const QImage vue = image(w->pictureBox(1));
    const QImage graphe = image(w->pictureBox(2));

    // Every pixel the first trajectory drew is still drawn.
    const QColor fond = w->pictureBox(1)->palette().color(QPalette::Light);
    int gardes = 0, perdus = 0;
    for (int y = 0; y < vue.height(); ++y)
        for (int x = 0; x < vue.width(); ++x)
            if (premiereVue.pixelColor(x, y) != fond) (vue.pixelColor(x, y) != fond ? gardes : perdus)++;
    EXPECT_GT(gardes, 1000);
    EXPECT_EQ(perdus, 0);

    // The chart is what a window that only ran the second launch shows.
    auto seul = fenetre();
    QTest::mouseClick(seul->caseACocher(Case::Vitesse), Qt::LeftButton);
    seul->ecritTexte(Champ::Text2, "2000");
    QTest::mouseClick(seul->commande(1), Qt::LeftButton);
    EXPECT_EQ(graphe, image(seul->pictureBox(2)));
}

TEST(Fenetre, LaunchWithBothBoxesUncheckedStillComputesSpeeds)
{
    auto w = fenetre();
    w->etat().Vt.fill(-1);
    QTest::mouseClick(w->commande(1), Qt::LeftButton);
    const auto& s = w->etat();
    for (int i = 0; i <= s.Nfin; ++i) EXPECT_DOUBLE_EQ(s.Vt[i], std::hypot(s.Vxt[i], s.Vyt[i]));
    EXPECT_FALSE(w->estVisible(Element::Picture2));
    // Checking a box afterwards shows its charts blank with their captions.
    QTest::mouseClick(w->caseACocher(Case::Vitesse), Qt::LeftButton);
    for (Element e : {Element::Picture2, Element::Label8, Element::Picture4, Element::Label15})
        EXPECT_TRUE(w->estVisible(e));
    EXPECT_TRUE(vierge(w->pictureBox(2)));
    EXPECT_TRUE(vierge(w->pictureBox(4)));
    EXPECT_FALSE(w->estVisible(Element::Picture5));
}

TEST(Fenetre, ArithmeticErrorsAreShownAndStopTheLaunch)
{
    auto w = fenetre();
    w->ecritTexte(Champ::Text5, "1e300");
    EXPECT_TRUE(w->zoneMessage()->text().contains("masse de l'attracteur"));
    EXPECT_TRUE(w->zoneMessage()->isVisible());
    QTest::mouseClick(w->commande(1), Qt::LeftButton);
    EXPECT_EQ(w->etat().Nfin, 0);   // nothing computed
    w->ecritTexte(Champ::Text5, "6");
    EXPECT_TRUE(w->zoneMessage()->text().isEmpty());

    // A step out of the 32-bit range refuses the run and leaves no impact text.
    QTest::mouseClick(w->commande(1), Qt::LeftButton);
    EXPECT_FALSE(w->etiquette(Etiquette::Label11)->text().isEmpty());
    w->ecritTexte(Champ::Text6, "1e11");
    QTest::mouseClick(w->commande(1), Qt::LeftButton);
    EXPECT_TRUE(w->zoneMessage()->text().contains("τ"));
    EXPECT_TRUE(w->etiquette(Etiquette::Label11)->text().isEmpty());
    EXPECT_EQ(w->etat().Nfin, 102);
}

TEST(Fenetre, AccessibleNamesAndDescriptions)
{
    auto w = fenetre();
    auto nom = [](QWidget* o) { return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name); };
    auto description = [](QWidget* o) {
        return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Description);
    };
    EXPECT_EQ(nom(w->text(1)), "Vox (m/s)");
    EXPECT_EQ(description(w->text(1)), "Vitesse initiale selon la direction x'Ox");
    EXPECT_EQ(nom(w->text(7)), "masse du satellite (kg)");
    EXPECT_EQ(description(w->commande(1)), "Lance le satellite depuis la position initiale");
    EXPECT_EQ(nom(w->caseACocher(Case::Xy)), "X (t),Y(t) ");
    EXPECT_EQ(nom(w->pictureBox(2)), "Vx(t)");
}

TEST(Fenetre, ContextMenusOfTheFieldsReadInFrench)
{
    auto w = fenetre();
    std::unique_ptr<QMenu> menu(w->text(1)->createStandardContextMenu());
    QStringList textes;
    for (QAction* a : menu->actions()) textes << a->text().remove('&');
    EXPECT_TRUE(textes.contains("Copier\tCtrl+C")) << textes.join('|').toStdString();
}

TEST(Fenetre, CloseButtonAndQuitEndTheEventLoop)
{
    for (bool parQuitter : {false, true}) {
        auto w = fenetre();
        QTimer::singleShot(0, w.get(), [&] {
            if (parQuitter) QTest::mouseClick(w->commande(2), Qt::LeftButton);
            else w->close();
        });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
        EXPECT_EQ(QCoreApplication::exec(), 0);
        EXPECT_FALSE(w->isVisible());
    }
}
