#include "FrmSat.h"
#include "frmSplash.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace orbeline;

namespace {
std::unique_ptr<frmSplash> accueil()
{
    auto s = std::make_unique<frmSplash>();
    s->show();
    QApplication::setActiveWindow(s.get());
    return s;
}
QString texte(frmSplash& s, const char* nom) { return qobject_cast<QLabel*>(s.controle(nom))->text(); }
} // namespace

TEST(Accueil, TextsAndLayout)
{
    auto s = accueil();
    EXPECT_EQ(texte(*s, "lblVersion"), "Version 0.9.13");
    EXPECT_EQ(texte(*s, "lblProductName"), "ORBELINES");
    EXPECT_EQ(texte(*s, "lblCompanyProduct"), "Talvenor");
    EXPECT_EQ(texte(*s, "lblPlatform"), "Win9X et WinNT");
    EXPECT_EQ(s->size(), QSize(504, 371));
    EXPECT_TRUE(s->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(s->focusWidget(), s->suite());
    EXPECT_EQ(s->suite()->text(), "Suite");
    // The logo fills its sunken frame: 160 × 150 plus a 2-pixel border.
    EXPECT_EQ(s->controle("picLogo")->size(), QSize(164, 154));
    // The main window does not exist yet.
    EXPECT_EQ(s->principale(), nullptr);
}

TEST(Accueil, EveryKeyOnSuiteContinues)
{
    for (const auto touche : {Qt::Key_A, Qt::Key_5, Qt::Key_Return, Qt::Key_Space, Qt::Key_Shift,
                              Qt::Key_Control, Qt::Key_Escape}) {
        auto s = accueil();
        QTest::keyClick(s->suite(), touche);
        ASSERT_NE(s->principale(), nullptr) << touche;
        EXPECT_TRUE(s->isHidden());
        EXPECT_TRUE(s->principale()->isVisible());
    }
    auto s = accueil();
    QTest::keyClick(s->suite(), Qt::Key_Tab);
    EXPECT_EQ(s->principale(), nullptr);
}

TEST(Accueil, ClicksOnTheBackgroundContinueButNotOnLabelsOrTheLogo)
{
    auto s = accueil();
    for (const char* nom : {"lblProductName", "lblVersion", "Label1", "lblCompany", "picLogo"}) {
        QTest::mouseClick(s->controle(nom), Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_EQ(s->principale(), nullptr) << nom;
    }
    // The empty part of the frame.
    QTest::mouseClick(s->cadre(), Qt::RightButton, {}, QPoint(440, 40));
    ASSERT_NE(s->principale(), nullptr);

    // The strip of window outside the frame.
    auto t = accueil();
    QTest::mouseClick(t.get(), Qt::LeftButton, {}, QPoint(3, 200));
    EXPECT_NE(t->principale(), nullptr);

    auto u = accueil();
    QTest::mouseClick(u->suite(), Qt::LeftButton);
    EXPECT_NE(u->principale(), nullptr);
}

TEST(Accueil, ASecondContinueChangesNothing)
{
    auto s = accueil();
    s->continuer();
    FrmSat* principale = s->principale();
    const int inits = principale->nombreInit();
    principale->ecritTexte(Champ::Text1, "7");
    s->continuer();
    EXPECT_EQ(s->principale(), principale);
    EXPECT_EQ(principale->text(1)->text(), "7");
    EXPECT_EQ(principale->nombreInit(), inits + 1);
    EXPECT_TRUE(s->isHidden());
}

TEST(Accueil, ACloseRequestLeavesItInPlace)
{
    auto s = accueil();
    EXPECT_FALSE(s->close());
    EXPECT_TRUE(s->isVisible());
    EXPECT_EQ(s->principale(), nullptr);
}
