#include "calcule.h"
#include "etat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace orbeline;

namespace {

// Runs init then calcule on the given fields, as a launch does.
ResultatCalcul lance(SimulationState& s, const ChampsSaisis& c)
{
    EXPECT_TRUE(init(s, c).ok);
    return calcule(s);
}

bool toutFini(const SimulationState& s)
{
    for (int i = 0; i <= s.Nfin; ++i)
        for (double v : {s.Xt[i], s.Yt[i], s.Vxt[i], s.Vyt[i]})
            if (!std::isfinite(v)) return false;
    return std::isfinite(s.x) && std::isfinite(s.y) && std::isfinite(s.vx) && std::isfinite(s.vy);
}

// A straight run (no attractor force) along x at `v` m/s with a 1 s step,
// starting at x0: used to put the first point inside the radius where wanted.
ChampsSaisis droite(double x0km, const char* v)
{
    static std::string x0;
    x0 = std::to_string(x0km);
    return {v, "0", x0, "0", "0", "10", false, true};
}

} // namespace

TEST(RoundHalfEven, StepAndRadiusRounding)
{
    const std::pair<double, std::int32_t> cas[] = {
        {86.4, 86}, {86.5, 86}, {87.5, 88}, {86.6, 87}, {-86.5, -86}, {-87.5, -88}, {0.5, 0},
        {2147483647.4, 2147483647}, {-2147483648.5, -2147483647 - 1},
    };
    for (const auto& [v, attendu] : cas) EXPECT_EQ(arrondiPair32(v), attendu) << v;
    EXPECT_FALSE(arrondiPair32(2147483647.5));   // the even neighbour is out of range
    EXPECT_FALSE(arrondiPair32(-2147483649.0));
    EXPECT_FALSE(arrondiPair32(NAN));
}

TEST(Calcule, DefaultCaseFallsOntoTheEarth)
{
    auto s = etatCharge();
    const auto r = lance(*s, champsInitiaux());
    EXPECT_TRUE(r.compteRendu.ok);
    EXPECT_EQ(s->Nfin, 102);
    // Point 101 is the first inside the radius; the run stops one step later.
    EXPECT_GT(std::hypot(s->Xt[100], s->Yt[100]), 6380000);
    EXPECT_NEAR(s->Xt[101], -6259477, 1);
    EXPECT_NEAR(s->Xt[102], -5354603, 1);
    EXPECT_NEAR(s->vx, 10521.8, 0.1);
    EXPECT_EQ(s->vy, 0);
    EXPECT_EQ(s->Vxt[102], s->vx);
    EXPECT_EQ(r.label11.vue(), "Impact à t =  8772 s");
    EXPECT_EQ(r.label12.vue(), "Vx =  10521 et Vy =  0m/s");

    // A negative step runs backwards in time: negative time, velocity rounded down.
    const auto arriere = lance(*s, {"0", "0", "-30000", "0", "6.00", "-864", false, true});
    EXPECT_EQ(s->Nfin, 102);
    EXPECT_EQ(arriere.label11.vue(), "Impact à t = -8772 s");
    EXPECT_EQ(arriere.label12.vue(), "Vx = -10522 et Vy =  0m/s");
}

TEST(Calcule, EarthOrbitWithoutImpactRunsClockwise)
{
    auto s = etatCharge();
    const auto r = lance(*s, {"3078", "0", "0", "42164", "6.00", "864", false, true});
    EXPECT_EQ(s->Nfin, 999);
    EXPECT_TRUE(r.label11.estVide());
    // Starting at the top moving towards +x: clockwise, so x > 0 first.
    EXPECT_GT(s->Xt[10], 0);
    EXPECT_LT(s->Yt[250], 0.2 * 4.2164e7);
    // About one revolution: the last point stands some 0.66 degree from the
    // starting direction (just past it with this step).
    const double angle = std::atan2(s->Xt[999], s->Yt[999]) * 180 / std::numbers::pi;
    EXPECT_NEAR(angle, 0.655, 0.01);
}

TEST(Calcule, SunLikeCaseInMillionsOfKilometres)
{
    auto s = etatCharge();
    s->Echelle = 1000000000;
    const auto r = lance(*s, {"29800", "0", "", "150", "1.99E+6", "315000", false, true});
    EXPECT_EQ(s->Nfin, 999);
    EXPECT_TRUE(r.label11.estVide());
    // 999 steps of 31500 s cover about 99 % of a revolution, clockwise.
    double tour = 0;
    for (int i = 1; i <= 999; ++i)
        tour += std::remainder(std::atan2(s->Yt[i - 1], s->Xt[i - 1]) - std::atan2(s->Yt[i], s->Xt[i]),
                               2 * std::numbers::pi);
    EXPECT_NEAR(tour / (2 * std::numbers::pi), 0.99, 0.01);
}

TEST(Calcule, StepIsATenthOfDtRoundedHalfToEven)
{
    auto s = etatCharge();
    // |dt| < 5 gives a zero step: every point stays on the start.
    for (const char* dt : {"0", "4.9", "-4.9"}) {
        const auto r = lance(*s, {"100", "50", "-30000", "0", "6", dt, false, true});
        EXPECT_EQ(s->Nfin, 999) << dt;
        EXPECT_EQ(s->Xt[999], -3e7) << dt;
        EXPECT_TRUE(r.label11.estVide());
    }
    // With no force and 1 m/s, the first step's length is the step.
    lance(*s, {"1", "0", "-30000", "0", "0", "865", false, true});
    EXPECT_EQ(s->Xt[1] - s->Xt[0], 86);
    lance(*s, {"1", "0", "-30000", "0", "0", "875", false, true});
    EXPECT_EQ(s->Xt[1] - s->Xt[0], 88);
}

TEST(Calcule, StartInsideTheAttractorStopsAtTheFirstStep)
{
    auto s = etatCharge();
    auto r = lance(*s, {"0", "0", "-3000", "0", "6.00", "864", false, true});
    EXPECT_EQ(s->Nfin, 1);
    EXPECT_EQ(r.label11.vue(), "Impact à t =  86 s");
    EXPECT_GT(s->Xt[1], s->Xt[0]);   // pulled towards the centre during that step

    // Without attractor, the velocity is shown rounded down.
    r = lance(*s, {"-12.2", "3.9", "-3000", "0", "0", "864", false, true});
    EXPECT_EQ(s->Nfin, 1);
    EXPECT_EQ(r.label12.vue(), "Vx = -13 et Vy =  3m/s");
}

TEST(Calcule, ImpactTestUsesTheDistanceAtTheStartOfTheStep)
{
    // 1000 m/s along x, 1 s steps: point k is at x0 + 1000 k.
    // Point 998 is the first inside: found at step 999, Nfin = 999 with labels.
    auto s = etatCharge();
    auto r = lance(*s, droite(-(6380000 + 997.5 * 1000) / 1000, "1000"));
    EXPECT_EQ(s->Nfin, 999);
    EXPECT_EQ(r.label11.vue(), "Impact à t =  999 s");
    EXPECT_EQ(r.label12.vue(), "Vx =  1000 et Vy =  0m/s");

    // Point 999 is the first inside: it is never tested, no impact.
    r = lance(*s, droite(-(6380000 + 998.5 * 1000) / 1000, "1000"));
    EXPECT_EQ(s->Nfin, 999);
    EXPECT_TRUE(r.label12.estVide());

    // A point exactly at distance R counts as outside.
    r = lance(*s, {"0", "0", "-6380", "0", "0", "10", false, true});
    EXPECT_EQ(s->Nfin, 999);
}

TEST(CalculeErreurs, StepOrRadiusOutsideTheIntegerRangeRefusesTheRun)
{
    auto s = etatCharge();
    ASSERT_TRUE(init(*s, {"0", "0", "-30000", "0", "6.00", "1e12", false, true}).ok);
    s->Nfin = 57;
    auto avant = std::make_unique<SimulationState>(*s);
    auto r = calcule(*s);
    EXPECT_FALSE(r.compteRendu.ok);
    EXPECT_NE(r.compteRendu.message.vue().find("τ"), std::string_view::npos);
    EXPECT_TRUE(*avant == *s);
    EXPECT_TRUE(r.label11.estVide());

    ASSERT_TRUE(init(*s, champsInitiaux()).ok);
    s->Rayon = 3e6;   // 3e9 m
    avant = std::make_unique<SimulationState>(*s);
    r = calcule(*s);
    EXPECT_FALSE(r.compteRendu.ok);
    EXPECT_NE(r.compteRendu.message.vue().find("Rayon"), std::string_view::npos);
    EXPECT_TRUE(*avant == *s);
}

TEST(CalculeErreurs, ZeroDistanceIsAnImpactWithFiniteValues)
{
    auto s = etatCharge();
    const auto r = lance(*s, {"100", "-7", "", "", "6.00", "864", false, true});
    EXPECT_TRUE(r.compteRendu.ok);
    EXPECT_EQ(s->Nfin, 1);
    EXPECT_TRUE(toutFini(*s));
    EXPECT_EQ(s->Xt[1], 8600);
    EXPECT_EQ(r.label11.vue(), "Impact à t =  86 s");
    EXPECT_EQ(r.label12.vue(), "Vx =  100 et Vy = -7m/s");
}

TEST(CalculeErreurs, OverflowStopsAtTheLastFinitePoint)
{
    // A huge mass flings the satellite beyond the double range at step 2.
    auto s = etatCharge();
    auto r = lance(*s, {"0", "0", "-30000", "0", "1e280", "864", false, true});
    EXPECT_FALSE(r.compteRendu.ok);
    EXPECT_NE(r.compteRendu.message.vue().find("point 2"), std::string_view::npos);
    EXPECT_EQ(s->Nfin, 1);
    EXPECT_TRUE(toutFini(*s));
    EXPECT_TRUE(r.label11.estVide());

    // Overflow at the very first step: point 1 stays on the start.
    r = lance(*s, {"0", "0", "-1e-30", "0", "1e240", "864", false, true});
    EXPECT_FALSE(r.compteRendu.ok);
    EXPECT_EQ(s->Nfin, 1);
    EXPECT_EQ(s->Xt[1], s->Xt[0]);
    EXPECT_TRUE(toutFini(*s));
}

TEST(CalculeErreurs, HugeImpactVelocityIsWrittenWithAnExponent)
{
    auto s = etatCharge();
    const auto r = lance(*s, {"2e15", "-3.5e16", "", "", "0", "10", false, true});
    EXPECT_EQ(s->Nfin, 1);
    EXPECT_EQ(r.label12.vue(), "Vx =  2E+15 et Vy = -3.5E+16m/s");
}
