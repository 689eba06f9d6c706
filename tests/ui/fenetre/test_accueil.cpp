// The start screen: what leads on to the main window, once, and what does not.
#include "FrmSat.h"
#include "frmSplash.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

using namespace orbeline;

namespace {
std::unique_ptr<frmSplash> accueil()
{
    auto s = std::make_unique<frmSplash>();
    s->show();
    QApplication::setActiveWindow(s.get());
    return s;
}
} // namespace

TEST(Accueil, FramelessWithTheVersionAndLeftOnceWhateverTheRequests)
{
    auto s = accueil();
    EXPECT_EQ(qobject_cast<QLabel*>(s->controle("lblVersion"))->text(),
              "Version " + QCoreApplication::applicationVersion());
    EXPECT_EQ(s->focusWidget(), s->suite());
    EXPECT_TRUE(s->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(s->close());
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(s->principale(), nullptr);   // made only when the screen is left

    // A second continue changes nothing.
    s->continuer();
    FrmSat* principale = s->principale();
    principale->ecritTexte(Champ::Text1, "7");
    s->continuer();
    EXPECT_EQ(s->principale(), principale);
    EXPECT_EQ(principale->text(1)->text(), "7");
    EXPECT_TRUE(s->isHidden());
}

TEST(Accueil, EveryKeyOnSuiteAndEveryClickOffTheLabelsContinues)
{
    using Geste = std::function<void(frmSplash&)>;
    const auto touche = [](Qt::Key k) { return Geste([k](frmSplash& s) { QTest::keyClick(s.suite(), k); }); };
    const auto surControle = [](const char* nom) {
        return Geste([nom](frmSplash& s) { QTest::mouseClick(s.controle(nom), Qt::LeftButton, {}, QPoint(3, 3)); });
    };
    const std::pair<Geste, bool> cas[] = {
        // A key with a text, one the button takes for a click, a modifier alone, Escape; Tab moves the focus.
        {touche(Qt::Key_A), true}, {touche(Qt::Key_Return), true}, {touche(Qt::Key_Shift), true},
        {touche(Qt::Key_Escape), true}, {touche(Qt::Key_Tab), false},
        {surControle("lblProductName"), false}, {surControle("lblVersion"), false}, {surControle("Label1"), false},
        {surControle("lblCompany"), false}, {surControle("picLogo"), false},
        // "Suite", the empty part of the frame, the strip of window outside it.
        {[](frmSplash& s) { QTest::mouseClick(s.suite(), Qt::LeftButton); }, true},
        {[](frmSplash& s) { QTest::mouseClick(s.cadre(), Qt::RightButton, {}, QPoint(440, 40)); }, true},
        {[](frmSplash& s) { QTest::mouseClick(&s, Qt::LeftButton, {}, QPoint(3, 200)); }, true},
    };
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        auto s = accueil();
        cas[i].first(*s);
        const FrmSat* p = s->principale();
        const bool suite = cas[i].second;
        EXPECT_EQ(std::tuple(p != nullptr, s->isHidden(), p && p->isVisible()), std::tuple(suite, suite, suite)) << i;
    }
}
