// The empty frame of the orbit view: load, efface and the scale presets.
#include "outils.h"
#include "placement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace orbeline;
using namespace orbeline::test;

namespace {

struct VueCadre : ::testing::Test, FenetreChargee {};

using Args = std::vector<double>;

/// The 20 grid lines, then the two centre lines, of the view (l, t)-(l + w, t + h).
void verifieLignes(const SurfaceEnregistree& p, double l, double t, double w, double h)
{
    const auto lignes = p.appelsDe("line");
    ASSERT_EQ(lignes.size(), 22u);
    for (std::size_t k = 1; k <= 10; ++k) {
        const double y = t + k * h / 10, x = l + k * w / 10;
        EXPECT_EQ(lignes[2 * k - 2].args, (Args{l, y, l + w, y})) << "k = " << k;
        EXPECT_EQ(lignes[2 * k - 1].args, (Args{x, t, x, t + h})) << "k = " << k;
    }
    for (std::size_t i = 0; i < 22; ++i) {
        EXPECT_EQ(lignes[i].couleur, couleurPalette(i < 20 ? 8 : 12)) << i;
        EXPECT_EQ(lignes[i].drawWidth, 1);
        EXPECT_EQ(lignes[i].drawStyle, StyleTrait::TiretPointPoint);
    }
    EXPECT_EQ(lignes[20].args, (Args{l, t + h / 2, l + w, t + h / 2}));
    EXPECT_EQ(lignes[21].args, (Args{l + w / 2, t, l + w / 2, t + h}));
}

} // namespace

TEST_F(VueCadre, LoadDrawsTheDefaultFrameWithoutReadingTheFields)
{
    EXPECT_EQ(unite(s), " km            ");
    EXPECT_EQ(s.Xo, 0);  // Text3 holds -30000, but loading runs no init
    EXPECT_TRUE(f.changements.empty());

    std::vector<std::string> ops;
    for (const auto& a : p1.appels) ops.push_back(a.op);
    std::vector<std::string> attendu{"scale", "visible", "cls", "drawWidth", "drawStyle"};
    attendu.insert(attendu.end(), 20, "line");
    attendu.insert(attendu.end(), {"drawWidth", "line", "line", "drawWidth", "drawStyle", "circle", "deplace"});
    EXPECT_EQ(ops, attendu);
    for (int n = 2; n <= 6; ++n) EXPECT_EQ(f.pic(n).appelsDe("cls").size(), 1u) << "Picture" << n;
    verifieLignes(p1, -500, 500, 1000, -1000);

    // Circle and trajectory points use the pen left behind: width 2, dash.
    const auto cercle = p1.appelsDe("circle").at(0);
    EXPECT_FLOAT_EQ(static_cast<float>(cercle.args[2]), 63.8f);
    EXPECT_EQ(cercle.drawWidth, 2);
    EXPECT_EQ(p1.etat.drawStyle, StyleTrait::Tirets);

    const auto [cx, cy] = centreDe(p1, Controle::Sat);
    EXPECT_NEAR(cx, -300, 1e-3);
    EXPECT_NEAR(cy, 0, 1e-3);
}

TEST_F(VueCadre, PresetsSetUnitsCircleXyAndView)
{
    const struct { double reduction; std::int32_t echelle; const char* unite; float rayon; bool xy; } cas[7] = {
        {100, 1000, " km            ", 63.8f, true},
        {500, 1000, " km            ", 12.76f, true},
        {1000, 1000, " km            ", 6.38f, true},
        {0.5, 1000000000, " M. de km      ", 0.01276f, false},
        {1, 1000000000, " M. de km      ", 0.00638f, false},
        {5, 1000000000, " M. de km      ", 0.001276f, false},
        {10, 1000, " km            ", 638.0f, true},
    };
    for (std::int16_t i = 0; i < 7; ++i) {
        p1.oublie();
        Option3_Click(s, f, i);
        EXPECT_EQ(s.Reduction, cas[i].reduction) << "preset " << i;
        EXPECT_EQ(s.Echelle, cas[i].echelle) << "preset " << i;
        EXPECT_EQ(unite(s), cas[i].unite) << "preset " << i;
        EXPECT_EQ(f.xyActif, cas[i].xy) << "preset " << i;
        EXPECT_FLOAT_EQ(static_cast<float>(p1.appelsDe("circle").at(0).args[2]), cas[i].rayon);
        EXPECT_EQ(p1.appels.at(i == 6 ? 2 : 1).op, "visible");  // the frame follows the view
    }
    // Preset 6: the square of side 500 centred on (0, 850).
    EXPECT_EQ(p1.appels[1].args, (Args{-250, 1100, 250, 600}));
    verifieLignes(p1, -250, 1100, 500, -500);

    Option3_Click(s, f, 3);
    const auto [cx, cy] = centreDe(p1, Controle::Sat);  // "-30000" now in millions of km
    EXPECT_NEAR(cx, -60000, 1e-2);
    EXPECT_NEAR(cy, 0, 1e-3);
    Option3_Click(s, f, 0);
    EXPECT_TRUE(f.xyActif);
    EXPECT_EQ(p1.etat.top, 500);
    EXPECT_TRUE(f.changements.empty());  // presets rewrite no field
}

TEST_F(VueCadre, UnknownIndexOnlyResetsViewAndXyThenRedraws)
{
    for (std::int16_t i : {std::int16_t{7}, std::int16_t{-1}}) {
        Option3_Click(s, f, 6);
        f.xyActif = false;
        p1.oublie();
        Option3_Click(s, f, i);
        EXPECT_TRUE(f.xyActif);
        EXPECT_EQ(s.Reduction, 10);   // preset 6's values are kept…
        EXPECT_EQ(p1.etat.top, 500);  // …but the view is the default one
        EXPECT_EQ(p1.appelsDe("cls").size(), 1u);
    }
}

TEST_F(VueCadre, OverflowingFieldGivesAnInfiniteButNeverNaNPosition)
{
    f.textes[Champ::Text3] = "1e400";
    f.textes[Champ::Text4] = "-1e400";
    p1.oublie();
    efface(s, f);
    SatMove(s, f);
    ASSERT_EQ(p1.appelsDe("deplace").size(), 2u);
    for (const auto& a : p1.appelsDe("deplace")) {
        EXPECT_EQ(a.args[1], HUGE_VAL);
        EXPECT_EQ(a.args[2], -HUGE_VAL);
    }
}
