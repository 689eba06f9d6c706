// Placing the initial position with the mouse, the read-out and the captions.
#include "outils.h"
#include "placement.h"

#include <gtest/gtest.h>

using namespace orbeline;
using namespace orbeline::test;

namespace {

struct Placement : ::testing::Test, FenetreChargee {};

} // namespace

TEST_F(Placement, PressRoundsDownIntoTheFieldsButMarksTheExactPoint)
{
    Picture1_MouseDown(s, f, 1, 0, -300.4f, 120.9f);
    EXPECT_EQ(f.textes[Champ::Text3], "-30100");
    EXPECT_EQ(f.textes[Champ::Text4], "12000");
    EXPECT_EQ(f.changements[Champ::Text3], 1);
    EXPECT_EQ(s.Yo, 12000.0 * 1000);  // the handlers ran init
    auto [cx, cy] = centreDe(p1, Controle::Sat);
    EXPECT_NEAR(cx, -300.4, 1e-3);
    EXPECT_NEAR(cy, 120.9, 1e-3);

    // Right and middle buttons, with any shift state, place alike.
    for (int bouton : {2, 4}) {
        FenetreChargee autre;
        Picture1_MouseDown(autre.s, autre.f, bouton, 3, -300.4f, 120.9f);
        EXPECT_EQ(autre.f.textes, f.textes);
        EXPECT_TRUE(autre.s == s);
        EXPECT_EQ(autre.p1.etat.geo(Controle::Sat).gauche, p1.etat.geo(Controle::Sat).gauche);
    }

    // "Placer" brings the marker onto the rounded position and changes nothing else.
    const SimulationState avant = s;
    SatMove(s, f);
    std::tie(cx, cy) = centreDe(p1, Controle::Sat);
    EXPECT_NEAR(cx, -301, 1e-3);
    EXPECT_NEAR(cy, 120, 1e-3);
    EXPECT_TRUE(s == avant);
    EXPECT_EQ(f.changements[Champ::Text3], 1);
}

TEST_F(Placement, UnchangedTextsRunNoHandler)
{
    Picture1_MouseDown(s, f, 1, 0, -299.999f, 0.7f);  // "-30000" and "0", as already typed
    EXPECT_TRUE(f.changements.empty());
    EXPECT_NEAR(centreDe(p1, Controle::Sat).first, -299.999, 1e-3);
    Picture1_MouseDown(s, f, 1, 0, -299.5f, 3.0f);
    EXPECT_EQ(f.changements.count(Champ::Text3), 0u);
    EXPECT_EQ(f.changements[Champ::Text4], 1);
}

TEST_F(Placement, FractionalPositionUsesTheRegionalSeparator)
{
    Option3_Click(s, f, 3);  // Reduction 0.5
    Picture1_MouseDown(s, f, 1, 0, 3.2f, 0.4f);
    EXPECT_EQ(f.textes[Champ::Text3], "1.5");
    EXPECT_EQ(s.Xo, 1.5e9);

    FenetreChargee virgule;
    virgule.f.separateur = ",";
    Option3_Click(virgule.s, virgule.f, 3);
    Picture1_MouseDown(virgule.s, virgule.f, 1, 0, 3.2f, 0.4f);
    EXPECT_EQ(virgule.f.textes[Champ::Text3], "1,5");
    EXPECT_EQ(virgule.s.Xo, 1e9);  // the field reads only up to the comma
}

TEST_F(Placement, ReadOutAndCaptions)
{
    EXPECT_EQ(f.etiquettes.count(Etiquette::Label3), 0u);  // untouched until the pointer moves
    Picture1_MouseMove(s, f, 0, 0, 12.7f, -0.2f);
    EXPECT_EQ(f.etiquettes[Etiquette::Label9], "X =  1200");
    EXPECT_EQ(f.etiquettes[Etiquette::Label10], "Y = -100");
    EXPECT_EQ(f.etiquettes[Etiquette::Label3], "X initial en km            ");
    EXPECT_EQ(f.etiquettes[Etiquette::Label4], "Y initial en km            ");
    EXPECT_EQ(f.etiquettes[Etiquette::Label14], " X, Y en km            ");

    Option3_Click(s, f, 3);
    EXPECT_EQ(f.etiquettes[Etiquette::Label3], "X initial en km            ");  // presets write no caption
    f.separateur = ",";  // the read-out ignores the regional separator
    Picture1_MouseMove(s, f, 0, 0, 1.7f, -0.3f);
    EXPECT_EQ(f.etiquettes[Etiquette::Label9], "X =  .5");
    EXPECT_EQ(f.etiquettes[Etiquette::Label10], "Y = -.5");
    EXPECT_EQ(f.etiquettes[Etiquette::Label3], "X initial en M. de km      ");
    EXPECT_TRUE(f.changements.empty());
}
