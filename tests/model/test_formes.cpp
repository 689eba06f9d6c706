#include "formes.h"

#include <gtest/gtest.h>

using orbeline::formeGenerale;
using orbeline::formeSignee;

TEST(FormeSignee, WholeNumbersAsInTheImpactCaptions)
{
    EXPECT_EQ(formeSignee(8772).vue(), " 8772");
    EXPECT_EQ(formeSignee(0).vue(), " 0");
    EXPECT_EQ(formeSignee(-0.0).vue(), " 0");
    EXPECT_EQ(formeSignee(-13).vue(), "-13");
    EXPECT_EQ(formeSignee(123456789012345.0).vue(), " 123456789012345");
}

TEST(FormeSignee, FractionsHaveNoLeadingZeroAndAPoint)
{
    EXPECT_EQ(formeSignee(0.5).vue(), " .5");
    EXPECT_EQ(formeSignee(-0.5).vue(), "-.5");
    EXPECT_EQ(formeSignee(1200).vue(), " 1200");
    EXPECT_EQ(formeSignee(-100).vue(), "-100");
    EXPECT_EQ(formeSignee(12.25).vue(), " 12.25");
    EXPECT_EQ(formeSignee(0.001).vue(), " .001");
}

TEST(FormeSignee, VeryLargeOrSmallMagnitudesUseAnExponent)
{
    EXPECT_EQ(formeSignee(1e15).vue(), " 1E+15");
    EXPECT_EQ(formeSignee(-2.5e15).vue(), "-2.5E+15");
    EXPECT_EQ(formeSignee(1.23456789012345678e20).vue(), " 1.23456789012346E+20");
    EXPECT_EQ(formeSignee(1e-5).vue(), " 1E-05");
    EXPECT_EQ(formeSignee(1.5e300).vue(), " 1.5E+300");
}

TEST(FormeSignee, FifteenSignificantDigitsRounded)
{
    EXPECT_EQ(formeSignee(0.1 + 0.2).vue(), " .3");
    EXPECT_EQ(formeSignee(2.0 / 3).vue(), " .666666666666667");
    // Rounding that carries into a new power of ten.
    EXPECT_EQ(formeSignee(999999999999999.9).vue(), " 1E+15");
}

TEST(FormeGenerale, RegionalSeparatorLeadingZeroNoBlank)
{
    EXPECT_EQ(formeGenerale(-30100, ",").vue(), "-30100");
    EXPECT_EQ(formeGenerale(12000, ".").vue(), "12000");
    EXPECT_EQ(formeGenerale(1.5, ".").vue(), "1.5");
    EXPECT_EQ(formeGenerale(1.5, ",").vue(), "1,5");
    EXPECT_EQ(formeGenerale(0.5, ",").vue(), "0,5");
    EXPECT_EQ(formeGenerale(-0.5, ".").vue(), "-0.5");
    EXPECT_EQ(formeGenerale(0, ".").vue(), "0");
    EXPECT_EQ(formeGenerale(1e20, ",").vue(), "1E+20");
    EXPECT_EQ(formeGenerale(1.5e20, ",").vue(), "1,5E+20");
    EXPECT_EQ(formeGenerale(30000, ",").vue(), "30000");   // never a group separator
}
