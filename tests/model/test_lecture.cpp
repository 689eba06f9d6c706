#include "lecture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using orbeline::lisNombre;

TEST(Lecture, LeadingNumericPartWithPointWhateverTheLocale)
{
    const std::pair<const char*, double> cas[] = {
        {"-30000", -30000}, {"6.00", 6}, {"6,5", 6}, {"12abc", 12}, {".5", 0.5}, {"+3", 3},
        {"1.2.3", 1.2}, {"30 000", 30000}, {" - 1 2 . 5 ", -12.5}, {"1\t0\n0", 100},
        {"1\r2", 1},   // a carriage return is not skipped
        {"1.99E+6", 1990000}, {"1 e 3", 1000}, {"2.5e-2", 0.025}, {"1.5D2", 150}, {"7E", 7}, {"7e+x", 7},
        {"&HFF", 255}, {"&h1f", 31}, {"&O17", 15}, {"&o19", 1}, {"& H 1 0", 16},
        {"", 0}, {"abc", 0}, {"-", 0}, {".", 0}, {"--5", 0}, {"e5", 0}, {"&", 0}, {"&X12", 0}, {"&H", 0},
    };
    for (const auto& [texte, attendu] : cas) EXPECT_DOUBLE_EQ(lisNombre(texte), attendu) << '"' << texte << '"';
    EXPECT_EQ(lisNombre("0.1"), 0.1);   // correctly rounded
}

TEST(Lecture, LongTextsAndTheEdgesOfTheDoubleRange)
{
    EXPECT_DOUBLE_EQ(lisNombre("1" + std::string(300, '0')), 1e300);
    EXPECT_DOUBLE_EQ(lisNombre("0." + std::string(200, '0') + "25"), 2.5e-201);
    EXPECT_TRUE(std::isinf(lisNombre("1" + std::string(400, '0'))));
    EXPECT_GT(lisNombre("1e400"), 1e308);
    EXPECT_LT(lisNombre("-1e400"), -1e308);
    EXPECT_TRUE(std::isinf(lisNombre("1e99999999999999999999")));
    EXPECT_EQ(lisNombre("1e-400"), 0);
}

TEST(Lecture, CorrectlyRoundedWhateverTheLength)
{
    // 2^53 + 1 lies halfway between two doubles: a tail far to the right
    // decides, and only a tail that is really there rounds it up.
    const std::string moitie = "9007199254740993";
    const std::string zeros(32000, '0');
    const std::pair<std::string, double> cas[] = {
        {moitie + ".000000000000000000000000001", 9007199254740994.0},
        {moitie + "." + zeros + "1", 9007199254740994.0},
        {moitie + zeros + "1e-32001", 9007199254740994.0},
        {moitie + "." + zeros, 9007199254740992.0},
        {"-" + moitie + zeros + "1e-32001", -9007199254740994.0},
        // 2^57 + 17 in hexadecimal and octal: 17 is past half of the 32 apart.
        {"&H200000000000011", 0x1p57 + 32}, {"&O10000000000000000021", 0x1p57 + 32},
        {"&H20000000000001", 0x1p53}, {"&H1" + std::string(300, '0'), INFINITY},
    };
    for (const auto& [texte, attendu] : cas) EXPECT_EQ(lisNombre(texte), attendu) << texte.substr(0, 40);
}
