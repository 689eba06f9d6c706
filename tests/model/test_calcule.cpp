// init and calcule: the fields into the record, then the 999 steps.
#include "calcule.h"
#include "etat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <tuple>

using namespace orbeline;

TEST(Init, WindowInitialValuesAndScale)
{
    auto s = etatCharge();
    s->Xt[500] = s->Yt[500] = 1;
    s->Vt[3] = 5;
    s->Nfin = 57;
    ASSERT_TRUE(init(*s, champsInitiaux()).ok);
    // Positions are cleared; speeds, Nfin and the radius are left alone.
    EXPECT_EQ(std::tuple(s->Xo, s->Yo, s->dt, s->Masse, s->NbPoints, s->Xt[0], s->Xt[500], s->Yt[500], s->Vt[3], s->Nfin),
              std::tuple(-3e7, 0.0, 864.0, 6e24, 1000, -3e7, 0.0, 0.0, 5.0, 57));
    EXPECT_DOUBLE_EQ(s->GM, 4.002e14);
    // Running it again changes nothing.
    auto t = std::make_unique<SimulationState>(*s);
    init(*t, champsInitiaux());
    EXPECT_TRUE(*s == *t);

    s->Echelle = 1000000000;
    ASSERT_TRUE(init(*s, {"6,5", "-12", "", "150", "1.99E+6", "", true, false}).ok);
    EXPECT_EQ(std::tuple(s->Xo, s->Yo, s->vx, s->Vyt[0], s->dt, s->NbPoints), std::tuple(0.0, 1.5e11, 6.5, -12.0, 0.0, 100));
    EXPECT_DOUBLE_EQ(s->Masse, 1.99e30);
}

TEST(Init, NonFiniteReadingOrProductNamesTheFieldAndChangesNothing)
{
    const struct { const char* champ; std::string_view ChampsSaisis::*texte; const char* valeur; } cas[] = {
        {"X initial", &ChampsSaisis::text3, "1e307"}, {"Y initial", &ChampsSaisis::text4, "-1e400"},   // 1e307 × Echelle overflows
        {"Vox (m/s)", &ChampsSaisis::text1, "1e400"}, {"Voy (m/s)", &ChampsSaisis::text2, "1e400"},
        {"τ (en s)", &ChampsSaisis::text6, "1e999"}, {"masse de l'attracteur", &ChampsSaisis::text5, "1e300"},
    };
    for (const auto& [champ, texte, valeur] : cas) {
        auto c = champsInitiaux();
        c.*texte = valeur;
        auto s = etatCharge();
        s->Xt[0] = 7;
        const auto avant = std::make_unique<SimulationState>(*s);
        const auto r = init(*s, c);
        EXPECT_FALSE(r.ok) << champ;
        EXPECT_NE(r.message.vue().find(champ), std::string_view::npos) << r.message.vue();
        EXPECT_TRUE(*avant == *s) << champ;
    }
}

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

TEST(Calcule, WhereTheRunStopsAndTheImpactCaptions)
{
    // No force, 1000 m/s along x, 1 s steps: point k lies at x0 + 1000 k m,
    // so x0 chooses the first point inside the radius.
    const auto premierDedans = [](double k) { return std::to_string(-(6380000 + (k - 0.5) * 1000) / 1000); };
    const std::string x998 = premierDedans(998), x999 = premierDedans(999);
    const struct { ChampsSaisis champs; int nfin; const char* label11; const char* label12; } cas[] = {
        {champsInitiaux(), 102, "Impact à t =  8772 s", "Vx =  10521 et Vy =  0m/s"},
        // Backwards in time: negative time, velocity rounded down.
        {{"0", "0", "-30000", "0", "6.00", "-864"}, 102, "Impact à t = -8772 s", "Vx = -10522 et Vy =  0m/s"},
        // The impact test uses the distance at the start of the step: point 998
        // found at step 999; point 999 is never tested; a point at R is outside.
        {{"1000", "0", x998, "0", "0", "10"}, 999, "Impact à t =  999 s", "Vx =  1000 et Vy =  0m/s"},
        {{"1000", "0", x999, "0", "0", "10"}, 999, "", ""},
        {{"0", "0", "-6380", "0", "0", "10"}, 999, "", ""},
        // Starting inside, or at the centre (no direction, so no force): found at the first step.
        {{"0", "0", "-3000", "0", "6.00", "864"}, 1, "Impact à t =  86 s", "Vx =  3824 et Vy =  0m/s"},
        {{"-12.2", "3.9", "-3000", "0", "0", "864"}, 1, "Impact à t =  86 s", "Vx = -13 et Vy =  3m/s"},
        {{"100", "-7", "", "", "6.00", "864"}, 1, "Impact à t =  86 s", "Vx =  100 et Vy = -7m/s"},
        {{"2e15", "-3.5e16", "", "", "0", "10"}, 1, "Impact à t =  1 s", "Vx =  2E+15 et Vy = -3.5E+16m/s"},
        {{"3078", "0", "0", "42164", "6.00", "864"}, 999, "", ""},   // the geostationary orbit
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.champs.text1) + " " + std::string(c.champs.text3) + " " + std::string(c.champs.text6));
        auto s = etatCharge();
        const auto r = lance(*s, c.champs);
        EXPECT_TRUE(r.compteRendu.ok);
        EXPECT_EQ(s->Nfin, c.nfin);
        EXPECT_EQ(r.label11.vue(), c.label11);
        EXPECT_EQ(r.label12.vue(), c.label12);
    }
}

TEST(Calcule, StepsOfATenthOfTauRoundedHalfToEven)
{
    auto s = etatCharge();
    lance(*s, champsInitiaux());
    // The points' values are the table's matter; the current velocity is the last one.
    EXPECT_EQ(std::pair(s->vx, s->vy), std::pair(s->Vxt[102], s->Vyt[102]));
    // With no force and 1 m/s, the first step's length is the step; |τ| < 5 gives none.
    for (const auto& [tau, pas] : {std::pair{"865", 86}, {"875", 88}, {"4.9", 0}, {"-4.9", 0}}) {
        lance(*s, {"1", "0", "-30000", "0", "0", tau, false, true});
        EXPECT_EQ(s->Xt[1] - s->Xt[0], pas) << tau;
        EXPECT_EQ(s->Xt[999] - s->Xt[0], 999 * pas) << tau;
    }
    // At the centre the step is still taken, with no force (the captions show only the velocity).
    lance(*s, {"100", "-7", "", "", "6.00", "864", false, true});
    EXPECT_EQ(s->Xt[1], 8600);
}

TEST(Calcule, EarthOrbitRunsClockwise)
{
    auto s = etatCharge();
    lance(*s, {"3078", "0", "0", "42164", "6.00", "864", false, true});
    // From the top towards +x, about one revolution clockwise: the last point stands some 0.66 degree
    // past the starting direction (a mirrored or counter-clockwise run ends on the other side).
    const double angle = std::atan2(s->Xt[999], s->Yt[999]) * 180 / std::numbers::pi;
    EXPECT_NEAR(angle, 0.655, 0.01);
}

TEST(CalculeErreurs, StepOrRadiusOutsideTheIntegerRangeRefusesTheRun)
{
    const struct { ChampsSaisis champs; double rayon; const char* champ; } cas[] = {
        {{"0", "0", "-30000", "0", "6.00", "1e12", false, true}, 6380, "τ (en s)\u00a0» est trop grand"},
        {champsInitiaux(), 3e6, "rayon"},   // 3e9 m
    };
    for (const auto& c : cas) {
        auto s = etatCharge();
        ASSERT_TRUE(init(*s, c.champs).ok);
        s->Rayon = c.rayon;
        s->Nfin = 57;
        const auto avant = std::make_unique<SimulationState>(*s);
        const auto r = calcule(*s);
        EXPECT_FALSE(r.compteRendu.ok);
        EXPECT_NE(r.compteRendu.message.vue().find(c.champ), std::string_view::npos);
        EXPECT_TRUE(*avant == *s) << c.champ;
        EXPECT_TRUE(r.label11.estVide());
    }
}

TEST(CalculeErreurs, OverflowStopsAtTheLastFinitePoint)
{
    // A huge mass flings the satellite beyond the double range at step 2.
    auto s = etatCharge();
    const auto r = lance(*s, {"0", "0", "-30000", "0", "1e280", "864", false, true});
    EXPECT_FALSE(r.compteRendu.ok);
    EXPECT_NE(r.compteRendu.message.vue().find("point 2"), std::string_view::npos);
    EXPECT_EQ(s->Nfin, 1);
    EXPECT_TRUE(r.label11.estVide());

    // Overflow at the very first step: point 1 and the satellite stay on the start.
    lance(*s, {"5", "7", "-1e-30", "0", "1e240", "864", false, true});
    EXPECT_EQ(std::tuple(s->Nfin, s->Xt[1], s->Yt[1], s->Vxt[1], s->Vyt[1], s->x, s->y, s->vx, s->vy),
              std::tuple(1, s->Xt[0], s->Yt[0], 5.0, 7.0, s->Xt[0], s->Yt[0], 5.0, 7.0));
}
