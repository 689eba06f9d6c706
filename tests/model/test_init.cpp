#include "etat.h"

#include <gtest/gtest.h>

using namespace orbeline;

TEST(Init, WindowInitialValuesAndScale)
{
    auto s = etatCharge();
    s->Xt[500] = 1;
    s->Vt[3] = 5;
    s->Nfin = 57;
    ASSERT_TRUE(init(*s, champsInitiaux()).ok);
    EXPECT_EQ(s->Xo, -3e7);
    EXPECT_EQ(s->Yo, 0);
    EXPECT_EQ(s->dt, 864);
    EXPECT_EQ(s->Masse, 6e24);
    EXPECT_DOUBLE_EQ(s->GM, 4.002e14);
    EXPECT_EQ(s->NbPoints, 1000);
    EXPECT_EQ(s->Xt[0], s->Xo);
    // Positions are cleared; speeds, Nfin and the radius are left alone.
    EXPECT_EQ(s->Xt[500], 0);
    EXPECT_EQ(s->Vt[3], 5);
    EXPECT_EQ(s->Nfin, 57);
    // Running it again changes nothing.
    auto t = std::make_unique<SimulationState>(*s);
    init(*t, champsInitiaux());
    EXPECT_TRUE(*s == *t);

    s->Echelle = 1000000000;
    ASSERT_TRUE(init(*s, {"6,5", "-12", "", "150", "1.99E+6", "", true, false}).ok);
    EXPECT_EQ(s->Xo, 0);
    EXPECT_EQ(s->Yo, 1.5e11);
    EXPECT_DOUBLE_EQ(s->Masse, 1.99e30);
    EXPECT_EQ(s->vx, 6);
    EXPECT_EQ(s->Vyt[0], -12);
    EXPECT_EQ(s->dt, 0);
    EXPECT_EQ(s->NbPoints, 100);
}

TEST(Init, NonFiniteReadingOrProductNamesTheFieldAndChangesNothing)
{
    struct Cas { const char* champ; ChampsSaisis c; };
    auto avec = [](auto modif) { auto c = champsInitiaux(); modif(c); return c; };
    const Cas cas[] = {
        {"X initial", avec([](ChampsSaisis& c) { c.text3 = "1e307"; })},   // × Echelle overflows
        {"Y initial", avec([](ChampsSaisis& c) { c.text4 = "-1e400"; })},
        {"Vox (m/s)", avec([](ChampsSaisis& c) { c.text1 = "1e400"; })},
        {"Voy (m/s)", avec([](ChampsSaisis& c) { c.text2 = "1e400"; })},
        {"τ (en s)", avec([](ChampsSaisis& c) { c.text6 = "1e999"; })},
        {"masse de l'attracteur", avec([](ChampsSaisis& c) { c.text5 = "1e300"; })},
    };
    for (const auto& [champ, c] : cas) {
        auto s = etatCharge();
        s->Xt[0] = 7;
        const auto avant = std::make_unique<SimulationState>(*s);
        const auto r = init(*s, c);
        EXPECT_FALSE(r.ok) << champ;
        EXPECT_NE(r.message.vue().find(champ), std::string_view::npos) << r.message.vue();
        EXPECT_TRUE(*avant == *s) << champ;
    }
}
