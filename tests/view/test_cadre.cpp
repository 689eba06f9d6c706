// The empty frame of the orbit view: load, efface and the scale presets.
#include "outils.h"
#include "placement.h"

#include <gtest/gtest.h>

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
    for (std::size_t i = 0; i < 22; ++i) {
        const double k = i < 20 ? static_cast<double>(i / 2 + 1) : 5, y = t + k * h / 10, x = l + k * w / 10;
        EXPECT_EQ(lignes[i].args, (i % 2 ? Args{x, t, x, t + h} : Args{l, y, l + w, y})) << i;
        EXPECT_EQ(lignes[i].couleur, couleurPalette(i < 20 ? 8 : 12)) << i;
        EXPECT_TRUE(lignes[i].drawWidth == 1 && lignes[i].drawStyle == StyleTrait::TiretPointPoint) << i;
    }
}

} // namespace

TEST_F(VueCadre, LoadDrawsTheDefaultFrameWithoutReadingTheFields)
{
    EXPECT_EQ(s.Xo, 0);  // Text3 holds -30000, but loading runs no init
    std::vector<std::string> ops, attendu{"scale", "visible", "cls", "drawWidth", "drawStyle"};
    for (const auto& a : p1.appels) ops.push_back(a.op);
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
    EXPECT_NEAR(centreDe(p1, Controle::Sat).first, -300, 1e-3);
    EXPECT_NEAR(centreDe(p1, Controle::Sat).second, 0, 1e-3);
}

TEST_F(VueCadre, PresetsSetUnitsCircleXyAndView)
{
    // Presets 3..5 count in millions of km, where xy makes no sense.
    const struct { double reduction; float rayon; bool xy; } cas[7] = {{100, 63.8f, true}, {500, 12.76f, true},
        {1000, 6.38f, true}, {0.5, 0.01276f, false}, {1, 0.00638f, false}, {5, 0.001276f, false}, {10, 638.0f, true}};
    for (std::int16_t i = 0; i < 7; ++i) {
        p1.oublie();
        Option3_Click(s, f, i);
        EXPECT_EQ(s.Reduction, cas[i].reduction) << "preset " << i;
        EXPECT_EQ(unite(s), cas[i].xy ? " km            " : " M. de km      ") << "preset " << i;
        EXPECT_EQ(f.xyActif, cas[i].xy) << "preset " << i;
        EXPECT_FLOAT_EQ(static_cast<float>(p1.appelsDe("circle").at(0).args[2]), cas[i].rayon);
        if (i == 3) { EXPECT_NEAR(centreDe(p1, Controle::Sat).first, -60000, 1e-2); }  // Text3 in millions of km
    }
    // Preset 6: the square of side 500 centred on (0, 850).
    verifieLignes(p1, -250, 1100, 500, -500);

    for (std::int16_t i : {std::int16_t{7}, std::int16_t{-1}}) {  // unknown: record kept, default view and xy
        Option3_Click(s, f, 6);
        f.xyActif = false;
        Option3_Click(s, f, i);
        EXPECT_TRUE(f.xyActif && s.Reduction == 10 && p1.etat.top == 500) << i;
    }
}
