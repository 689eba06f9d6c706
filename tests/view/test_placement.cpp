// Placing the initial position with the mouse, the read-out and the captions.
#include "outils.h"
#include "placement.h"

#include <gtest/gtest.h>

#include <string>

using namespace orbeline;
using namespace orbeline::test;

namespace {

struct Placement : ::testing::Test, FenetreChargee {};

} // namespace

TEST_F(Placement, PressRoundsDownIntoTheFieldsButMarksTheExactPoint)
{
    Picture1_MouseDown(s, f, 1, 0, -299.999f, 0.7f);  // "-30000" and "0", as already typed: no handler
    EXPECT_TRUE(f.changements.empty());
    Picture1_MouseDown(s, f, 1, 0, -300.4f, 120.9f);
    EXPECT_EQ(f.textes[Champ::Text3], "-30100");
    EXPECT_EQ(f.textes[Champ::Text4], "12000");
    EXPECT_EQ(f.changements[Champ::Text3], 1);
    EXPECT_EQ(s.Yo, 12000.0 * 1000);  // the handlers ran init
    EXPECT_NEAR(centreDe(p1, Controle::Sat).first, -300.4, 1e-3);
    EXPECT_NEAR(centreDe(p1, Controle::Sat).second, 120.9, 1e-3);
    Picture1_MouseDown(s, f, 1, 0, -301.2f, 120.5f);  // only Text3 changes
    EXPECT_EQ(f.changements[Champ::Text3], 2);
    EXPECT_EQ(f.changements[Champ::Text4], 1);

    SatMove(s, f);  // "Placer" brings the marker onto the rounded position
    EXPECT_NEAR(centreDe(p1, Controle::Sat).first, -302, 1e-3);
    EXPECT_NEAR(centreDe(p1, Controle::Sat).second, 120, 1e-3);
}

TEST_F(Placement, FractionalPositionUsesTheRegionalSeparator)
{
    for (const std::string sep : {".", ","}) {
        FenetreChargee w;
        w.f.separateur = sep;
        Option3_Click(w.s, w.f, 3);  // Reduction 0.5
        Picture1_MouseDown(w.s, w.f, 1, 0, 3.2f, 0.4f);
        EXPECT_EQ(w.f.textes[Champ::Text3], "1" + sep + "5");
        EXPECT_EQ(w.s.Xo, sep == "." ? 1.5e9 : 1e9);  // the field reads only up to a comma
    }
}

TEST_F(Placement, ReadOutAndCaptions)
{
    Picture1_MouseMove(s, f, 0, 0, 12.7f, -0.2f);  // the captions follow the pointer, not the preset
    EXPECT_EQ(f.etiquettes[Etiquette::Label3], "X initial en km            ");
    EXPECT_EQ(f.etiquettes[Etiquette::Label14], " X, Y en km            ");

    Option3_Click(s, f, 3);
    EXPECT_EQ(f.etiquettes[Etiquette::Label3], "X initial en km            ");
    f.separateur = ",";  // the read-out ignores the regional separator
    Picture1_MouseMove(s, f, 0, 0, 1.7f, -0.3f);
    EXPECT_EQ(f.etiquettes[Etiquette::Label9], "X =  .5");
    EXPECT_EQ(f.etiquettes[Etiquette::Label10], "Y = -.5");
    EXPECT_EQ(f.etiquettes[Etiquette::Label3], "X initial en M. de km      ");
    EXPECT_TRUE(f.changements.empty());
}
