// The main window: its launches, their errors, the ways out, and every route
// to the scale buttons and the check boxes.
#include "outils.h"

#include "SimulationState.h"

#include <QAccessible>
#include <QAction>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

using namespace orbeline;
using namespace orbeline::test;

TEST(Fenetre, InitialValuesAndLoadingReadsNoField)
{
    auto w = fenetre();
    const char* attendus[] = {"0", "0", "-30000", "0", "6.00", "864", "30000"};
    for (int n = 1; n <= 7; ++n) EXPECT_EQ(w->text(n)->text(), attendus[n - 1]) << n;
    EXPECT_EQ(w->nombreInit(), 0);
    EXPECT_EQ(w->focusWidget(), w->text(1));
    EXPECT_FALSE(w->estVisible(Element::Picture2) || w->estVisible(Element::Picture6));
    // The other attractors are disabled, so neither a click nor the arrow keys select them.
    for (int i = 1; i < 4; ++i) {
        QTest::mouseClick(w->option(2, i), Qt::LeftButton);
        EXPECT_FALSE(w->option(2, i)->isChecked() || w->option(2, i)->isEnabled()) << i;
    }
    EXPECT_TRUE(w->option(1, 1)->isChecked() && w->option(2, 0)->isChecked() && w->option(3, 0)->isChecked());
}

TEST(Fenetre, DefaultLaunchFallsOntoTheEarthAndComputesSpeedsWithBothBoxesUnchecked)
{
    auto w = fenetre();
    w->etat().Vt.fill(-1);
    QTest::mouseClick(w->commande(1), Qt::LeftButton);
    const auto& s = w->etat();
    EXPECT_EQ(s.Nfin, 102);
    EXPECT_EQ(w->etiquette(Etiquette::Label11)->text(), "Impact à t =  8772 s");
    EXPECT_EQ(w->etiquette(Etiquette::Label12)->text(), "Vx =  10521 et Vy =  0m/s");
    EXPECT_GT(w->etiquette(Etiquette::Label11)->width(), 56);   // the auto-size label grew
    EXPECT_TRUE(w->zoneMessage()->text().isEmpty());
    EXPECT_FALSE(w->pictureBox(1)->estVisible(Controle::Etoile));   // hidden after its animation
    for (int i = 0; i <= s.Nfin; ++i) EXPECT_DOUBLE_EQ(s.Vt[i], std::hypot(s.Vxt[i], s.Vyt[i]));
    // Checking a box afterwards shows its charts blank.
    QTest::mouseClick(w->caseACocher(Case::Vitesse), Qt::LeftButton);
    EXPECT_TRUE(vierge(w->pictureBox(2)) && vierge(w->pictureBox(4)));
    // Enter launches too; a run without impact empties the labels.
    w->ecritTexte(Champ::Text3, "0");
    w->ecritTexte(Champ::Text4, "42164");
    w->ecritTexte(Champ::Text1, "3078");
    w->text(2)->setFocus();
    QTest::keyClick(w->text(2), Qt::Key_Return);
    EXPECT_EQ(s.Nfin, 999);
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

TEST(Fenetre, ArithmeticErrorsAreShownAndLeaveNothingToExport)
{
    auto w = fenetre();
    const auto exportable = [&] {
        const bool copier = w->action(Action::CopierPoints)->isEnabled();
        EXPECT_EQ(w->action(Action::EnregistrerPoints)->isEnabled(), copier);
        return copier;
    };
    EXPECT_FALSE(exportable());   // nothing launched yet
    w->ecritTexte(Champ::Text5, "1e300");
    EXPECT_TRUE(w->zoneMessage()->text().contains("masse de l'attracteur"));
    EXPECT_TRUE(w->zoneMessage()->isVisible());
    QTest::mouseClick(w->commande(1), Qt::LeftButton);
    EXPECT_EQ(w->etat().Nfin, 0);   // nothing computed
    EXPECT_FALSE(exportable());

    // A step out of the 32-bit range refuses the run, a value past the double
    // range stops it: a message, no impact text, nothing to copy or save.
    const struct { Champ champ; const char* texte; const char* message; } cas[] = {
        {Champ::Text6, "1e11", "τ"}, {Champ::Text5, "1e280", "point 2"}};
    for (const auto& c : cas) {
        w->ecritTexte(Champ::Text6, "864");
        w->ecritTexte(Champ::Text5, "6");
        EXPECT_TRUE(w->zoneMessage()->text().isEmpty());
        QTest::mouseClick(w->commande(1), Qt::LeftButton);
        ASSERT_TRUE(exportable());
        EXPECT_FALSE(w->etiquette(Etiquette::Label11)->text().isEmpty());
        w->ecritTexte(c.champ, c.texte);
        QTest::mouseClick(w->commande(1), Qt::LeftButton);
        EXPECT_TRUE(w->zoneMessage()->text().contains(QString::fromUtf8(c.message))) << c.texte;
        EXPECT_TRUE(w->etiquette(Etiquette::Label11)->text().isEmpty()) << c.texte;
        EXPECT_FALSE(exportable()) << c.texte;
    }
}

TEST(Fenetre, TheCloseButtonQuitterAndItsMenuEntryEndTheEventLoop)
{
    for (int voie = 0; voie < 3; ++voie) {
        auto w = fenetre();
        QApplication::setActiveWindow(w.get());
        QTimer::singleShot(0, w.get(), [&] {
            if (voie == 0) w->close();
            if (voie == 1) QTest::mouseClick(w->commande(2), Qt::LeftButton);
            if (voie == 2) {   // Alt+F then Q
                QTest::keyClick(w.get(), Qt::Key_F, Qt::AltModifier);
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Q);
            }
        });
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
        EXPECT_EQ(QCoreApplication::exec(), 0) << voie;
        EXPECT_FALSE(w->isVisible()) << voie;
    }
}

namespace {

// The ways a pupil, a screen reader or the program itself changes a button.
enum class Voie { Souris, Clavier, Accessibilite, Code };

void actionne(QAbstractButton* b, Voie voie)
{
    switch (voie) {
    case Voie::Souris: QTest::mouseClick(b, Qt::LeftButton); break;
    case Voie::Clavier:
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Space);
        break;
    case Voie::Accessibilite: {
        // What at-spi clients (Orca, switch access) call: the toggle action.
        QAccessibleActionInterface* a = QAccessible::queryAccessibleInterface(b)->actionInterface();
        ASSERT_NE(a, nullptr);
        ASSERT_TRUE(a->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        a->doAction(QAccessibleActionInterface::toggleAction());
        break;
    }
    case Voie::Code: b->setChecked(!b->isChecked()); break;
    }
}

} // namespace

TEST(Fenetre, EveryRouteToAScaleButtonRunsItsPresetOnce)
{
    // Each route walks the presets in the same order as a mouse does in a
    // reference window; state, view and the final launch must agree.
    const auto echelle = [](FrmSat& f) { return std::tie(f.etat().Echelle, f.etat().Reduction, f.etat().Unite); };
    for (Voie voie : {Voie::Clavier, Voie::Accessibilite, Voie::Code}) {
        auto w = fenetre(), ref = fenetre();
        for (int i : {6, 0, 5, 1, 4, 2, 3}) {
            SCOPED_TRACE(testing::Message() << "voie " << int(voie) << ", preset " << i);
            const int avant = w->nombreEchelles();
            actionne(w->option(3, i), voie);
            QTest::mouseClick(ref->option(3, i), Qt::LeftButton);
            EXPECT_EQ(w->nombreEchelles() - avant, 1);
            EXPECT_EQ(echelle(*w), echelle(*ref));
            EXPECT_EQ(w->caseACocher(Case::Xy)->isEnabled(), ref->caseACocher(Case::Xy)->isEnabled());
            EXPECT_EQ(image(w->pictureBox(1)), image(ref->pictureBox(1)));
        }
        // "50 millions de km": -0.02 is 20 000 km from the centre, a fall of about 50 min.
        for (FrmSat* f : {w.get(), ref.get()}) {
            f->ecritTexte(Champ::Text3, "-0.02");
            QTest::mouseClick(f->commande(1), Qt::LeftButton);
        }
        EXPECT_EQ(w->etiquette(Etiquette::Label11)->text(), ref->etiquette(Etiquette::Label11)->text());
        EXPECT_GT(w->etat().Nfin, 1);   // not read as 20 m from the centre
    }
}

TEST(Fenetre, ScaleButtonAlreadySelectedRunsItsPresetOnClickOnly)
{
    auto w = fenetre();
    QRadioButton* b = w->option(3, 0);
    int n = w->nombreEchelles();
    QTest::mouseClick(b, Qt::LeftButton);      // a click redraws the view
    EXPECT_EQ(w->nombreEchelles(), ++n);
    actionne(b, Voie::Accessibilite);          // a toggle that changes nothing runs nothing
    actionne(b, Voie::Code);
    EXPECT_EQ(w->nombreEchelles(), n);
    EXPECT_TRUE(b->isChecked());
    // The arrow keys select the next button and run its preset once.
    QApplication::setActiveWindow(w.get());
    b->setFocus();
    QTest::keyClick(b, Qt::Key_Down);
    EXPECT_TRUE(w->option(3, 1)->isChecked());
    EXPECT_EQ(w->nombreEchelles(), n + 1);
    EXPECT_EQ(w->etat().Reduction, 500);
}

TEST(Fenetre, ChartsAreVisibleExactlyWhenTheirBoxIsCheckedWhateverTheRoute)
{
    const struct { Case boite; std::vector<Element> elements; } cases[] = {
        {Case::Vitesse, {Element::Picture2, Element::Label8, Element::Picture3, Element::Label13,
                         Element::Picture4, Element::Label15}},
        {Case::Xy, {Element::Picture5, Element::Label16, Element::Picture6, Element::Label17}},
    };
    auto w = fenetre();
    for (const auto& c : cases)
        for (Voie voie : {Voie::Souris, Voie::Clavier, Voie::Accessibilite, Voie::Code})
            for (int fois = 0; fois < 2; ++fois) {
                actionne(w->caseACocher(c.boite), voie);
                const bool coche = w->caseACocher(c.boite)->isChecked();
                EXPECT_EQ(coche, fois == 0) << int(voie);
                for (Element e : c.elements) EXPECT_EQ(w->estVisible(e), coche) << int(voie);
            }
}
