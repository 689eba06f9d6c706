// Numbers read from a field's text and written back into captions and fields.
#include "formes.h"
#include "langue.h"
#include "lecture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

using namespace orbeline;

TEST(Lecture, LeadingNumericPartWithPointWhateverTheLocale)
{
    const std::pair<const char*, double> cas[] = {
        {"-30000", -30000}, {"6.00", 6}, {"12abc", 12}, {".5", 0.5}, {"+3", 3},
        {"1.2.3", 1.2}, {"30 000", 30000}, {" - 1 2 . 5 ", -12.5}, {"1\t0\n0", 100},
        {"1\r2", 1},   // a carriage return is not skipped
        // A comma before a digit is the decimal point; only the first separator counts.
        {"6,5", 6.5}, {"6,00", 6}, {"4,2164E4", 42164}, {"1,5.3", 1.5}, {"1.5,3", 1.5}, {",5", 0.5},
        {"- 30 000 , 5", -30000.5}, {"6,", 6}, {"6,e2", 6}, {"6,,5", 6},
        // The no-break, narrow no-break and thin spaces are blanks; other invisible characters stop.
        {"42\u00a0164", 42164}, {"\u00a042\u202f164", 42164}, {"-3\u20090", -30},
        {"30\u200b78", 30}, {"30\u00ad78", 30}, {"\u200f3078", 0}, {"\uff13", 0},
        {"1.99E+6", 1990000}, {"1 e 3", 1000}, {"2.5e-2", 0.025}, {"1.5D2", 150}, {"7E", 7}, {"7e+x", 7},
        {"&HFF", 255}, {"&h1a", 26}, {"&O17", 15}, {"&o18", 1}, {"& H 1 9", 25}, {"&H7@", 7},
        {"", 0}, {"abc", 0}, {"-", 0}, {".", 0}, {"--5", 0}, {"e5", 0}, {"&", 0}, {"&X12", 0}, {"&H", 0},
    };
    for (const auto& [texte, attendu] : cas) EXPECT_DOUBLE_EQ(lisNombre(texte), attendu) << '"' << texte << '"';
}

TEST(Lecture, CorrectlyRoundedWhateverTheLengthUpToTheEdgesOfTheDoubleRange)
{
    // 2^53 + 1 lies halfway between two doubles: a tail far to the right
    // decides, and only a tail that is really there rounds it up.
    const std::string moitie = "9007199254740993";
    const std::string zeros(32000, '0');
    const std::pair<std::string, double> cas[] = {
        {"0.1", 0.1}, {"1" + std::string(300, '0'), 1e300}, {"0." + std::string(200, '0') + "25", 2.5e-201},
        {"0." + std::string(900, '0') + "25e901", 2.5},   // more zeros than digits kept, and then the digits
        {moitie + ".000000000000000000000000001", 9007199254740994.0},
        {moitie + "." + zeros + "1", 9007199254740994.0},
        {moitie + zeros + "1e-32001", 9007199254740994.0},
        {moitie + "." + zeros, 9007199254740992.0}, {moitie + zeros + "e-32000", 9007199254740992.0},
        {"-" + moitie + zeros + "1e-32001", -9007199254740994.0},
        // 2^57 + 17 in hexadecimal and octal: 17 is past half of the 32 apart.
        {"&H200000000000011", 0x1p57 + 32}, {"&O10000000000000000021", 0x1p57 + 32},
        {"&H20000000000001", 0x1p53}, {"&H10000000000000800", 0x1p64},   // halfway, zeros past the kept bits: to even
        // Past the double range: infinity, which init refuses; below it, zero.
        {"&H1" + std::string(300, '0'), INFINITY}, {"1" + std::string(400, '0'), INFINITY},
        {"1e400", INFINITY}, {"-1e400", -INFINITY}, {"1e99999999999999999999", INFINITY}, {"1e-400", 0},
    };
    for (const auto& [texte, attendu] : cas) EXPECT_EQ(lisNombre(texte), attendu) << texte.substr(0, 40);
}

TEST(FormeSignee, BlankOrMinusPointAndNoLeadingZero)
{
    const std::pair<double, const char*> cas[] = {
        {8772, " 8772"}, {0, " 0"}, {-0.0, " 0"}, {-13, "-13"}, {123456789012345.0, " 123456789012345"},
        {0.5, " .5"}, {-0.5, "-.5"}, {12.25, " 12.25"}, {0.001, " .001"},
        {1e15, " 1E+15"}, {-2.5e15, "-2.5E+15"}, {1.23456789012345678e20, " 1.23456789012346E+20"},
        {1e-5, " 1E-05"}, {1e-10, " 1E-10"}, {0.1 + 0.2, " .3"}, {2.0 / 3, " .666666666666667"},
        {999999999999999.9, " 1E+15"},   // rounding carries into a new power of ten
        {1.7976931348623157e308, " 1.79769313486231E+308"},   // rounded up, it would read as infinity
    };
    for (const auto& [v, attendu] : cas) EXPECT_EQ(formeSignee(v).vue(), attendu) << v;
}

TEST(FormeGenerale, RegionalSeparatorLeadingZeroNoBlank)
{
    const std::tuple<double, const char*, const char*> cas[] = {
        {-30100, ",", "-30100"}, {30000, ",", "30000"},   // never a group separator
        {1.5, ".", "1.5"}, {1.5, ",", "1,5"}, {-0.5, ",", "-0,5"}, {1.5e20, ",", "1,5E+20"},
    };
    for (const auto& [v, sep, attendu] : cas) EXPECT_EQ(formeGenerale(v, sep).vue(), attendu) << v;
}

TEST(FormeLisible, GroupedByThreeAsTheLanguageDoesNeverWithTheDecimalMark)
{
    const struct { Langue langue; double v; const char* separateur; const char* texte; } cas[] = {
        {Langue::fr, 9999, ",", "9999"}, {Langue::fr, -6130000.5, ",", "-6\u00a0130\u00a0000,5"},
        {Langue::fr, 86400.5, ".", "86\u00a0400.5"}, {Langue::en, 6130000.5, ".", "6,130,000.5"},
        {Langue::en, -42164.5, ",", "-42\u00a0164,5"},
    };
    for (const auto& c : cas) {
        choisitLangue(c.langue);
        EXPECT_EQ(formeLisible(c.v, c.separateur), c.texte) << c.v;
    }
    choisitLangue(Langue::fr);
}
