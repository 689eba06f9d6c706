#include "lecture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using orbeline::lisNombre;

TEST(Lecture, LeadingNumericPartWithPointWhateverTheLocale)
{
    EXPECT_DOUBLE_EQ(lisNombre("-30000"), -30000);
    EXPECT_DOUBLE_EQ(lisNombre("6.00"), 6);
    EXPECT_DOUBLE_EQ(lisNombre("6,00"), 6);        // the comma ends the number
    EXPECT_DOUBLE_EQ(lisNombre("6,5"), 6);
    EXPECT_DOUBLE_EQ(lisNombre("12abc"), 12);
    EXPECT_DOUBLE_EQ(lisNombre(".5"), 0.5);
    EXPECT_DOUBLE_EQ(lisNombre("+3"), 3);
    EXPECT_DOUBLE_EQ(lisNombre("0.0734"), 0.0734);
    EXPECT_DOUBLE_EQ(lisNombre("1.2.3"), 1.2);
}

TEST(Lecture, EmptyOrNonNumericReadsZero)
{
    for (const char* t : {"", "abc", "-", ".", "--5", "e5", "&", "&X12", " \t\n"})
        EXPECT_EQ(lisNombre(t), 0) << '"' << t << '"';
}

TEST(Lecture, BlanksTabsAndLineFeedsAreSkippedAnywhere)
{
    EXPECT_DOUBLE_EQ(lisNombre("30 000"), 30000);
    EXPECT_DOUBLE_EQ(lisNombre(" - 1 2 . 5 "), -12.5);
    EXPECT_DOUBLE_EQ(lisNombre("1\t0\n0"), 100);
    EXPECT_DOUBLE_EQ(lisNombre("1 e 3"), 1000);
    EXPECT_DOUBLE_EQ(lisNombre("1\r2"), 1);        // a carriage return is not skipped
}

TEST(Lecture, Exponents)
{
    EXPECT_DOUBLE_EQ(lisNombre("1.99E+6"), 1990000);
    EXPECT_DOUBLE_EQ(lisNombre("1e3"), 1000);
    EXPECT_DOUBLE_EQ(lisNombre("2.5e-2"), 0.025);
    EXPECT_DOUBLE_EQ(lisNombre("1.5D2"), 150);
    EXPECT_DOUBLE_EQ(lisNombre("7E"), 7);          // an exponent without digits is ignored
    EXPECT_DOUBLE_EQ(lisNombre("7e+x"), 7);
}

TEST(Lecture, HexadecimalAndOctalWholeNumbers)
{
    EXPECT_EQ(lisNombre("&HFF"), 255);
    EXPECT_EQ(lisNombre("&h1f"), 31);
    EXPECT_EQ(lisNombre("&O17"), 15);
    EXPECT_EQ(lisNombre("&o19"), 1);               // 9 is no octal digit
    EXPECT_EQ(lisNombre("& H 1 0"), 16);
    EXPECT_EQ(lisNombre("&H"), 0);
}

TEST(Lecture, CorrectlyRoundedAndLongTexts)
{
    EXPECT_EQ(lisNombre("0.1"), 0.1);
    EXPECT_EQ(lisNombre("6380000"), 6380000.0);
    // More digits than are kept: the exponent still follows them.
    const std::string longue = "1" + std::string(300, '0');
    EXPECT_DOUBLE_EQ(lisNombre(longue), 1e300);
    EXPECT_DOUBLE_EQ(lisNombre("0." + std::string(200, '0') + "25"), 2.5e-201);
    EXPECT_DOUBLE_EQ(lisNombre("000123.4500"), 123.45);
}

TEST(Lecture, BeyondTheDoubleRangeReadsAsInfinityOrZero)
{
    EXPECT_TRUE(std::isinf(lisNombre("1e400")));
    EXPECT_GT(lisNombre("1e400"), 0);
    EXPECT_LT(lisNombre("-1e400"), 0);
    EXPECT_TRUE(std::isinf(lisNombre("1" + std::string(400, '0'))));
    EXPECT_EQ(lisNombre("1e-400"), 0);
    EXPECT_TRUE(std::isinf(lisNombre("1e99999999999999999999")));
}
