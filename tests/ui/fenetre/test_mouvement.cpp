// The replay on the desktop: "Rejouer" in the menu moves the satellite over the points on the window's timer, the
// time running in the read-out; the right arrow key steps it exactly one point, from a field too.
#include "outils.h"

#include "principale.h"

#include <QAction>

using namespace orbeline;
using namespace orbeline::test;

TEST(Rejeu, TheMenusReplayMovesTheSatelliteWithTheTimeAndTheArrowKeyStepsOnePoint)
{
    auto w = fenetre();
    w->option(Groupe::Points, 0)->click();
    for (const auto& [n, t] : {std::pair{1, "2000"}, {3, "0"}, {4, "42164"}}) w->text(n)->setText(t);
    w->commande(Commande::Lancer)->click();
    const auto sat = [&] { return w->pictureBox(1)->etat().geo(Controle::Sat).gauche; };
    const double depart = sat();
    w->action(Action::Rejouer)->trigger();
    QLabel* temps = w->etiquette(Etiquette::LectureUnite);
    EXPECT_EQ(temps->text(), "t = 0\u00a0s");
    QTest::qWait(400);   // ten moves of 40 ms at 1 h a second
    const int point = w->principale().rejeu.point;
    EXPECT_GT(point, 0);
    EXPECT_EQ(temps->text(), QString("t = %1\u00a0s").arg(point * 86));
    EXPECT_GT(sat(), depart);   // on its way rightward from the apogee
    // From the field that has the focus, the caret left where it was.
    w->text(1)->setFocus();
    w->text(1)->setCursorPosition(2);
    QTest::keyClick(w->text(1), Qt::Key_Right);
    EXPECT_EQ(w->principale().rejeu.point, point + 10);
    EXPECT_EQ(temps->text(), QString("t = %1\u00a0s").arg((point + 10) * 86));
    EXPECT_EQ(w->text(1)->cursorPosition(), 2);
    EXPECT_TRUE(w->action(Action::Pause)->isChecked());
    // "Effacer" ends it: the arrow keys are the field's again.
    w->commande(Commande::Effacer)->click();
    QTest::keyClick(w->text(1), Qt::Key_Right);
    EXPECT_EQ(std::tuple(w->text(1)->cursorPosition(), w->principale().rejeu.actif), std::tuple(3, false));
}
