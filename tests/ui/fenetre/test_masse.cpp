#include "outils.h"

#include <QtTest/QTest>

#include <gtest/gtest.h>

using namespace orbeline;
using namespace orbeline::test;

TEST(Masse, RewritesAnyTextAsANonNegativeNumber)
{
    LocaleTemporaire point(QLocale::c());
    auto w = fenetre();
    const std::pair<const char*, const char*> cas[] = {
        {"-5", "5"}, {"abc", "0"}, {"", "0"}, {"1e3", "1000"}, {"007", "7"}, {"12abc", "12"},
        {"2.5", "2.5"}, {"1e400", "0"}, {"-1e20", "1E+20"}, {"0.1", "0.1"},
    };
    for (const auto& [entree, sortie] : cas) {
        w->text(7)->setText(QString::fromUtf8(entree));
        EXPECT_EQ(w->text(7)->text(), sortie) << entree;
    }
}

TEST(Masse, DecimalCommaLocaleEndsOnTheWholePart)
{
    LocaleTemporaire virgule(QLocale(QLocale::French, QLocale::France));
    auto w = fenetre();
    w->text(7)->setText("2.5");   // written 2,5, which reads back as 2
    EXPECT_EQ(w->text(7)->text(), "2");
    w->text(7)->setText("1.5e20");
    EXPECT_EQ(w->text(7)->text(), "1");
}

TEST(Masse, TypedCharactersThatAreNotKeptLeaveTheCaretInPlace)
{
    LocaleTemporaire point(QLocale::c());
    auto w = fenetre();
    QLineEdit* e = w->text(7);
    e->setFocus();
    e->setCursorPosition(5);
    QTest::keyClicks(e, ".");
    EXPECT_EQ(e->text(), "30000");
    EXPECT_EQ(e->cursorPosition(), 5);
    // A minus typed at the start is removed; the caret stays before the digits.
    e->setCursorPosition(0);
    QTest::keyClicks(e, "-");
    EXPECT_EQ(e->text(), "30000");
    EXPECT_EQ(e->cursorPosition(), 0);
    // Typing in the middle goes on where the typist is.
    e->setCursorPosition(1);
    QTest::keyClicks(e, "12");
    EXPECT_EQ(e->text(), "3120000");
    EXPECT_EQ(e->cursorPosition(), 3);
}
