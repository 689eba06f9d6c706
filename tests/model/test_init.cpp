#include "etat.h"

#include <gtest/gtest.h>


using namespace orbeline;

TEST(Init, WindowInitialValues)
{
    auto s = etatCharge();
    ASSERT_TRUE(init(*s, champsInitiaux()).ok);
    EXPECT_EQ(s->Xo, -3e7);
    EXPECT_EQ(s->Yo, 0);
    EXPECT_EQ(s->vx, 0);
    EXPECT_EQ(s->vy, 0);
    EXPECT_EQ(s->dt, 864);
    EXPECT_EQ(s->Masse, 6e24);
    EXPECT_DOUBLE_EQ(s->GM, 4.002e14);
    EXPECT_EQ(s->NbPoints, 1000);
    EXPECT_EQ(s->Xt[0], s->Xo);
    EXPECT_EQ(s->Yt[0], s->Yo);
}

TEST(Init, ReadsWithTheCurrentScaleAndUnits)
{
    auto s = etatCharge();
    s->Echelle = 1000000000;
    auto c = champsInitiaux();
    c.text3 = "";
    c.text4 = "150";
    c.text5 = "1.99E+6";
    c.text1 = "6,5";
    c.text2 = "-12";
    ASSERT_TRUE(init(*s, c).ok);
    EXPECT_EQ(s->Xo, 0);
    EXPECT_EQ(s->Yo, 1.5e11);
    EXPECT_DOUBLE_EQ(s->Masse, 1.99e30);
    EXPECT_EQ(s->vx, 6);
    EXPECT_EQ(s->Vxt[0], 6);
    EXPECT_EQ(s->Vyt[0], -12);

    c.text5 = "0.0734";
    c.text6 = "";
    ASSERT_TRUE(init(*s, c).ok);
    EXPECT_DOUBLE_EQ(s->Masse, 7.34e22);
    EXPECT_EQ(s->dt, 0);
    c.text5 = "";
    ASSERT_TRUE(init(*s, c).ok);
    EXPECT_EQ(s->GM, 0);
}

TEST(Init, PointCountFollowsTheOptionGroup)
{
    auto s = etatCharge();
    auto c = champsInitiaux();
    c.option100 = true;
    c.option1000 = false;
    init(*s, c);
    EXPECT_EQ(s->NbPoints, 100);
    c.option100 = false;
    c.option1000 = true;
    init(*s, c);
    EXPECT_EQ(s->NbPoints, 1000);
}

TEST(Init, ClearsPositionsButKeepsOtherResultsAndIsIdempotent)
{
    auto s = etatCharge();
    s->Xt[500] = 1;
    s->Yt[1000] = 2;
    s->Vxt[3] = 4;
    s->Vt[3] = 5;
    s->Nfin = 57;
    init(*s, champsInitiaux());
    EXPECT_EQ(s->Xt[500], 0);
    EXPECT_EQ(s->Yt[1000], 0);
    EXPECT_EQ(s->Vxt[3], 4);
    EXPECT_EQ(s->Vt[3], 5);
    EXPECT_EQ(s->Nfin, 57);

    auto t = std::make_unique<SimulationState>(*s);
    init(*t, champsInitiaux());
    EXPECT_TRUE(*s == *t);
}

TEST(Init, NonFiniteReadingOrProductNamesTheFieldAndChangesNothing)
{
    struct Cas { const char* champ; ChampsSaisis c; };
    auto base = champsInitiaux();
    auto avec = [&](auto modif) { auto c = base; modif(c); return c; };
    const Cas cas[] = {
        {"X initial", avec([](ChampsSaisis& c) { c.text3 = "1e400"; })},
        {"X initial", avec([](ChampsSaisis& c) { c.text3 = "1e307"; })},    // × Echelle overflows
        {"Y initial", avec([](ChampsSaisis& c) { c.text4 = "-1e400"; })},
        {"Vox (m/s)", avec([](ChampsSaisis& c) { c.text1 = "1e400"; })},
        {"Voy (m/s)", avec([](ChampsSaisis& c) { c.text2 = "1e400"; })},
        {"τ (en s)", avec([](ChampsSaisis& c) { c.text6 = "1e999"; })},
        {"masse de l'attracteur", avec([](ChampsSaisis& c) { c.text5 = "1e300"; })},
    };
    for (const auto& [champ, c] : cas) {
        auto s = etatCharge();
        s->Xt[0] = 7;
        s->Nfin = 12;
        const auto avant = std::make_unique<SimulationState>(*s);
        const auto r = init(*s, c);
        EXPECT_FALSE(r.ok) << champ;
        EXPECT_NE(r.message.vue().find(champ), std::string_view::npos) << r.message.vue();
        EXPECT_TRUE(*avant == *s) << champ;
    }
}
