#include "formes.h"

#include <gtest/gtest.h>

using orbeline::formeGenerale;
using orbeline::formeSignee;

TEST(FormeSignee, BlankOrMinusPointAndNoLeadingZero)
{
    const std::pair<double, const char*> cas[] = {
        {8772, " 8772"}, {0, " 0"}, {-0.0, " 0"}, {-13, "-13"}, {123456789012345.0, " 123456789012345"},
        {0.5, " .5"}, {-0.5, "-.5"}, {12.25, " 12.25"}, {0.001, " .001"},
        {1e15, " 1E+15"}, {-2.5e15, "-2.5E+15"}, {1.23456789012345678e20, " 1.23456789012346E+20"},
        {1e-5, " 1E-05"}, {0.1 + 0.2, " .3"}, {2.0 / 3, " .666666666666667"},
        {999999999999999.9, " 1E+15"},   // rounding carries into a new power of ten
        {1.7976931348623157e308, " 1.79769313486231E+308"},   // rounded up, it would read as infinity
    };
    for (const auto& [v, attendu] : cas) EXPECT_EQ(formeSignee(v).vue(), attendu) << v;
}

TEST(FormeGenerale, RegionalSeparatorLeadingZeroNoBlank)
{
    EXPECT_EQ(formeGenerale(-30100, ",").vue(), "-30100");
    EXPECT_EQ(formeGenerale(30000, ",").vue(), "30000");   // never a group separator
    EXPECT_EQ(formeGenerale(1.5, ".").vue(), "1.5");
    EXPECT_EQ(formeGenerale(1.5, ",").vue(), "1,5");
    EXPECT_EQ(formeGenerale(-0.5, ",").vue(), "-0,5");
    EXPECT_EQ(formeGenerale(1.5e20, ",").vue(), "1,5E+20");
}
