// The orbit view against the recording window: the empty frame for each scale preset (at load, in pixels:
// tests/ui/picture), the trajectory plot, the impact animation, and placing the initial position with the mouse.
#include "FenetreEnregistree.h"
#include "journal.h"
#include "SimulationState.h"
#include "principale.h"
#include "pixels.h"
#include "placement.h"
#include "vue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace orbeline;
using namespace orbeline::test;

namespace {

using Args = std::vector<double>;

/// How far the marker's centre (left + w/2, top − h/2) lies from (x, y), in user units.
double ecartSat(const SurfaceEnregistree& p, double x, double y)
{
    const EtatSurface& e = p.etat();
    constexpr Controle c = Controle::Sat;
    return std::hypot(e.gauche(c) + e.largeur(c) / 2.0 - x, e.haut(c) - e.hauteur(c) / 2.0 - y);
}

struct VueCadre : ::testing::Test, FenetreChargee {};
struct Placement : ::testing::Test, FenetreChargee {};

// The sixteen colours: an index's bits say its red (4), green (2) and blue (1), bright from 8; 7 and 8 are greys.
TEST(Palette, EachIndexsBitsSayItsChannels)
{
    for (int i = 0; i < 16; ++i) {
        const std::uint8_t fort = i < 8 ? 128 : 255, r = i & 4 ? fort : 0, g = i & 2 ? fort : 0, b = i & 1 ? fort : 0;
        EXPECT_EQ(couleurPalette(i), (i == 7 ? Couleur{192, 192, 192} : i == 8 ? Couleur{128, 128, 128} : Couleur{r, g, b})) << i;
    }
}

struct VueTrace : ::testing::Test, FenetreChargee {
    // Point i lies at (i, i / 2) user units in the default preset (1 unit = 10^5 m).
    void SetUp() override
    {
        for (std::size_t i = 0; i < kTaille; ++i) {
            s.Xt[i] = static_cast<double>(i) * 1e5;
            s.Yt[i] = static_cast<double>(i) * 0.5e5;
        }
    }
    /// Runs Trace from a clean record of calls; returns the abscissas drawn.
    std::vector<double> trace(std::int16_t nbPoints, std::int16_t nfin)
    {
        s.NbPoints = nbPoints;
        s.Nfin = nfin;
        p1.oublie();
        Trace(s, f);
        std::vector<double> r;
        for (const auto& a : p1.appelsDe("pset")) r.push_back(a.args[0]);
        return r;
    }
    static std::vector<double> suite(int premier, int dernier, int pas)
    {
        std::vector<double> r;
        for (int i = premier; i <= dernier; i += pas) r.push_back(i);
        return r;
    }
};

} // namespace

TEST_F(VueCadre, PresetsSetTheCircleXyAndView)
{
    // The Earth's circle in each preset's units; presets 3..5 count in millions of km, where xy makes no sense.
    const std::pair<float, bool> cas[7] = {{63.8f, true}, {12.76f, true}, {6.38f, true}, {0.01276f, false},
                                           {0.00638f, false}, {0.001276f, false}, {638.0f, true}};
    f.textes[Champ::Text4] = "-500";
    for (std::int16_t i = 0; i < 7; ++i) {
        p1.oublie();
        Option3_Click(s, f, i);
        EXPECT_EQ(f.xyActif, cas[i].second) << "preset " << i;
        EXPECT_FLOAT_EQ(static_cast<float>(p1.appelsDe("circle").at(0).args[2]), cas[i].first) << "preset " << i;
        const Args e = p1.appelsDe("scale").back().args;   // square, centred on the vertical axis
        EXPECT_TRUE(e[0] + e[2] == 0 && e[2] - e[0] == e[1] - e[3] && e[2] - e[0] == (i == 6 ? 500 : 1000)) << "preset " << i;
        if (i == 3) { EXPECT_LT(ecartSat(p1, -60000, -1000), 1e-2); }  // Text3 and Text4 in millions of km
    }
    // Preset 6, the square of side 500 centred on (0, 850): its 20 grid lines, then its two centre lines.
    const auto lignes = p1.appelsDe("line");
    ASSERT_EQ(lignes.size(), 22u);
    for (std::size_t i = 0; i < 22; ++i) {
        const double k = i < 20 ? static_cast<double>(i / 2 + 1) : 5, y = 1100 - k * 50, x = -250 + k * 50;
        EXPECT_EQ(lignes[i].args, (i % 2 ? Args{x, 1100, x, 600} : Args{-250, y, 250, y})) << i;
        EXPECT_EQ(lignes[i].couleur, couleurPalette(i < 20 ? 8 : 12)) << i;
        EXPECT_TRUE(lignes[i].drawWidth == 1 && lignes[i].drawStyle == StyleTrait::TiretPointPoint) << i;
    }

    for (std::int16_t i : {std::int16_t{7}, std::int16_t{-1}}) {  // unknown: record kept, default view and xy
        Option3_Click(s, f, 6);
        f.xyActif = false;
        Option3_Click(s, f, i);
        EXPECT_TRUE(f.xyActif && s.Reduction == 10 && p1.etat().top == 500) << i;
    }
}

TEST_F(VueTrace, PointsDrawnFollowTheCountAndStayInBounds)
{
    // 1000 / NbPoints rounds halves to even; a step below 1 (or none) becomes 1.
    const struct { std::int16_t nb; int pas; } cas[] = {
        {1000, 1}, {400, 2}, {80, 12}, {285, 4}, {3000, 1}, {0, 1}, {-100, 1}, {100, 10}};   // the last one ends at 991
    for (const auto& c : cas) EXPECT_EQ(trace(c.nb, 999), suite(1, 999, c.pas)) << c.nb;
    EXPECT_TRUE(p1.appelsDe("visible").empty());  // 999 is the no-impact value
    EXPECT_LT(ecartSat(p1, 991, 495.5), 1e-3);
    EXPECT_EQ(trace(1000, 2000), suite(1, 1000, 1));  // never read past the arrays
    trace(1000, -3);
    for (const std::int16_t n : {-3, 1001, 32767}) {   // no such point: no mark, no star
        s.Nfin = n;
        TraceImpact(s, f);
        imageImpact(s, f);
    }
    EXPECT_TRUE(p1.appels.empty());
}

TEST_F(VueTrace, ImpactAfterASkippedPointIsMarkedOnItThenAnimatedInOrder)
{
    std::vector<double> xs = suite(1, 51, 10);
    xs.insert(xs.end(), 16, 57.0);
    EXPECT_EQ(trace(100, 57), xs);
    EXPECT_LT(ecartSat(p1, 51, 25.5), 1e-3);

    std::vector<std::string> attendu, faits;
    attendu.insert(attendu.end(), 6, "pset");
    attendu.insert(attendu.end(), {"deplace", "visible"});
    for (int n = 0; n < 16; ++n) attendu.insert(attendu.end(), {"pset", "deplace", "largeur", "hauteur", "repeint"});
    attendu.insert(attendu.end(), {"visible", "largeur", "hauteur"});
    for (const auto& a : p1.appels) faits.push_back(a.op);
    EXPECT_EQ(faits, attendu);
    EXPECT_EQ(p1.appelsDe("visible")[0].args, (std::vector<double>{1, 1}));
    EXPECT_FALSE(p1.etat().geo(Controle::Etoile).visible);
}

TEST_F(VueTrace, StarGrowsFromItsPresentSizeKeptInUserUnitsAcrossScalesAndEachFrameUsesTheSizeBeforeGrowth)
{
    s.Nfin = 57;
    // First animation since start: the layout's 14 × 12 px; then 28 × 23 units, kept in units on another scale.
    for (auto [preset, w, h] : {std::tuple{0, 14 * 1000.0 / 496, 12 * 1000.0 / 496}, std::tuple{6, 28.0, 23.0}}) {
        Option3_Click(s, f, static_cast<std::int16_t>(preset));
        p1.oublie();
        TraceImpact(s, f);
        const double x = s.Xt[57] / s.Reduction / s.Echelle, y = s.Yt[57] / s.Reduction / s.Echelle;
        const auto d = p1.appelsDe("deplace"), l = p1.appelsDe("largeur"), t = p1.appelsDe("hauteur");
        ASSERT_EQ(l.size(), 17u);
        for (std::size_t k = 0; k < 16; ++k, w *= 1.035, h *= 1.035) {
            EXPECT_NEAR(d[k].args[1], x - w / 2, 1e-3) << "frame " << k;
            EXPECT_NEAR(d[k].args[2], y + h / 2, 1e-3) << "frame " << k;
            EXPECT_NEAR(l[k].args[1], w * 1.035, 1e-3) << "frame " << k;
            EXPECT_NEAR(t[k].args[1], h * 1.035, 1e-3) << "frame " << k;
        }
    }
}

TEST_F(VueTrace, PointsBeyondTheFloatRangeStayFinite)
{
    // Far beyond the single-precision range, the point, the marker and the star's
    // 16 frames are drawn at its edge, outside the view, never at infinity.
    s.Xt[1] = 1.3e300;
    s.Yt[1] = -4e38 * 1e5;
    EXPECT_EQ(trace(1000, 1), std::vector<double>(17, std::numeric_limits<float>::max()));
    for (const Appel& a : p1.appels) EXPECT_TRUE(std::all_of(a.args.begin(), a.args.end(), [](double v) { return std::isfinite(v); })) << a.op;
}

TEST_F(Placement, PressRoundsDownIntoTheFieldsButMarksTheExactPoint)
{
    Picture1_MouseDown(s, f, 1, 0, -299.999f, 0.7f);  // "-30000" and "0", as already typed: no handler
    EXPECT_TRUE(f.changements.empty());
    Picture1_MouseDown(s, f, 1, 0, -300.4f, 120.9f);
    EXPECT_EQ(std::tie(f.textes[Champ::Text3], f.textes[Champ::Text4]), std::tuple("-30100", "12000"));
    EXPECT_EQ(s.Yo, 12000.0 * 1000);  // the handlers ran init
    EXPECT_LT(ecartSat(p1, -300.4, 120.9), 1e-3);
    Picture1_MouseDown(s, f, 1, 0, -301.2f, 120.5f);  // only Text3 changes

    SatMove(s, f);  // "Placer" brings the marker onto the rounded position, and writes no field
    EXPECT_EQ(f.changements, (std::map<Champ, int>{{Champ::Text3, 2}, {Champ::Text4, 1}}));
    EXPECT_LT(ecartSat(p1, -302, 120), 1e-3);
}

TEST_F(Placement, AFractionalPositionInEitherRegionalFormIsThePointLaunchedFrom)
{
    for (const std::string sep : {".", ","}) {
        FenetreChargee w;
        w.f.separateur = sep;
        Option3_Click(w.s, w.f, 3);  // Reduction 0.5
        Picture1_MouseDown(w.s, w.f, 1, 0, 3.2f, -0.4f);
        EXPECT_EQ(w.f.textes[Champ::Text3], "1" + sep + "5");
        Command1_Click(w.p, w.f);
        EXPECT_EQ(std::pair(w.s.Xt[0], w.s.Yt[0]), std::pair(1.5e9, -0.5e9)) << sep;
        EXPECT_EQ(w.f.message, "") << sep;
    }
}

TEST_F(Placement, ReadOutAndCaptions)
{
    Picture1_MouseMove(s, f, 0, 0, 12.7f, -0.2f);  // the captions follow the pointer, not the preset
    EXPECT_EQ(f.etiquettes[Etiquette::LectureUnite], " X, Y en km            ");
    Option3_Click(s, f, 3);
    EXPECT_EQ(f.etiquettes[Etiquette::LegendeX], "X initial en km            ");
    f.separateur = ",";  // the read-out ignores the regional separator
    Picture1_MouseMove(s, f, 0, 0, 1.7f, -0.3f);
    EXPECT_EQ(std::tie(f.etiquettes[Etiquette::LectureX], f.etiquettes[Etiquette::LectureY]), std::tuple("X =  .5", "Y = -.5"));
    EXPECT_EQ(f.etiquettes[Etiquette::LegendeX], "X initial en M. de km      ");
    EXPECT_TRUE(f.changements.empty());
}

TEST(Journal, DrawnAgainElsewhereWithTheSameCallsSinceTheLastClsOrNotAtAllPastItsBound)
{
    // An area of another size gets the drawing calls made since the last cls,
    // with the pen in force at each and the settings of that moment first.
    const auto dessin = [](const SurfaceEnregistree& s, std::size_t depuis) {
        std::vector<Appel> r;
        for (std::size_t i = depuis; i < s.appels.size(); ++i) {
            const Appel& a = s.appels[i];
            if (a.op == "cls") r.clear();
            else if (a.op != "deplace" && a.op != "largeur" && a.op != "hauteur" && a.op != "visible" && a.op != "repeint")
                r.push_back(a);
        }
        return r;
    };
    const struct { const char* nom; int picture; void (*faire)(FenetreChargee&); } cas[] = {
        {"after a scale preset, two launches", 1, [](FenetreChargee& w) {
             w.f.choisitOption(Groupe::Echelle, 4);
             Command1_Click(w.p, w.f);
             w.f.ecritTexte(Champ::Text1, "3000");
         }},
        {"a chart's axis", 4, [](FenetreChargee& w) { w.f.cases = {1, 0}; }},
        {"the energy chart and its texts", 7, [](FenetreChargee& w) { w.f.ecritCase(Case::Energie, true); }},
    };
    for (const auto& c : cas) {
        FenetreChargee w;
        c.faire(w);
        w.lance();
        const SurfaceEnregistree& source = w.f.pic(c.picture);
        SurfaceEnregistree copie(1000, 700);
        ASSERT_TRUE(source.journal().rejoue(copie)) << c.nom;
        EXPECT_EQ(dessin(copie, 6), dessin(source, 0)) << c.nom;
        const EtatSurface &a = source.etat(), &b = copie.etat();
        EXPECT_TRUE(a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height &&
                    a.foreColor == b.foreColor && a.fillColor == b.fillColor && a.fillStyle == b.fillStyle) << c.nom;
    }

    // A pupil who never clears: past the bound the calls go (a point in a colour of its own holds 16 bytes, its block
    // and its two numbers), and come back after a cls.
    SurfaceEnregistree s;
    int n = 0;
    while (s.journal().complet()) s.pset(1, 2, couleurPalette(n++ % 2));
    EXPECT_EQ(n, Journal::kOctetsMax / 16 + 1);   // and the one that found no room
    SurfaceEnregistree copie;
    EXPECT_FALSE(s.journal().rejoue(copie));
    EXPECT_TRUE(copie.appels.empty());
    s.cls();
    s.pset(3, 4);
    EXPECT_TRUE(s.journal().rejoue(copie));
    EXPECT_EQ(copie.appelsDe("pset").size(), 1u);
    EXPECT_EQ(std::tie(copie.etat().top, copie.etat().height), std::tie(s.etat().top, s.etat().height));   // never scaled: in pixels
}

TEST(Pixels, ArrowBarbs7PxBack25DegreesEachSideHalfTheShaftAtMostAndNothingOffTheArea)
{
    const struct { const char* quoi; PointPx a, b; double longueur; } cas[] = {
        {"long, along x", {0, 0}, {100, 0}, 7}, {"short, up and to the left", {10, 10}, {4, 2}, 5}};
    for (const auto& c : cas) {
        const auto pointe = barbes(c.a, c.b);
        ASSERT_TRUE(pointe) << c.quoi;
        double somme = 0;
        for (const PointPx& q : *pointe) {
            const double ecart = std::remainder(std::atan2(q.y - c.b.y, q.x - c.b.x) - std::atan2(c.a.y - c.b.y, c.a.x - c.b.x),
                                                2 * std::numbers::pi);
            EXPECT_NEAR(std::hypot(q.x - c.b.x, q.y - c.b.y), c.longueur, 1e-9) << c.quoi;
            EXPECT_NEAR(std::fabs(ecart), 25 * std::numbers::pi / 180, 1e-9) << c.quoi;
            somme += ecart;
        }
        EXPECT_NEAR(somme, 0, 1e-9) << c.quoi;   // one on each side
    }
    EXPECT_FALSE(barbes({1, 1}, {1.3, 1.2}));   // within half a pixel
    EXPECT_FALSE(barbes({0, 0}, {std::nan(""), 0}));
    EXPECT_FALSE(segment({-300, 10}, {-20, 400}, 1, 496, 496));   // wholly left of the area: nothing to draw
    for (const auto& [x, y] : {std::pair{496.6, 9.0}, {9.0, 496.6}, {-1.0, 9.0}, {9.0, -1.0}, {std::nan(""), 9.0}})
        EXPECT_FALSE(carrePoint(x, y, 2, 496, 496));
    EXPECT_TRUE(carrePoint(0.4, 0.4, 2, 496, 496));   // half of it on the area
}

TEST(Fleches, AScaleIsTheRoundNumberThatMakesTheLongestArrowBetweenTwoFifthsOfASquareAndOne)
{
    const struct { double plusGrand, parCarreau; } cas[] = {
        {3078, 5000}, {2000, 2000}, {2000.5, 5000}, {7490, 1e4}, {1.2e-3, 2e-3}, {94700, 1e5}, {0, 0}, {INFINITY, 0},
    };
    for (const auto& c : cas) {
        EXPECT_DOUBLE_EQ(echelleRonde(c.plusGrand), c.parCarreau) << c.plusGrand;
        EXPECT_TRUE(c.parCarreau == 0 || (c.plusGrand / c.parCarreau >= 0.4 && c.plusGrand / c.parCarreau <= 1)) << c.plusGrand;
    }
}

TEST(Fleches, ADashedLineRunsItsDashesOnFromOnePointToTheNext)
{
    SurfaceEnregistree s(100, 100);   // a user unit is a pixel
    const std::vector<std::pair<double, double>> points{{0, 10}, {4, 10}, {20, 10}, {20, 30}};
    traceTirets(s, points, {}, 6, 4);
    std::vector<Args> traits;
    for (const Appel& a : s.appelsDe("line")) traits.push_back(a.args);
    // 6 px of dash then 4 of gap along the whole line, the corners included.
    EXPECT_EQ(traits, (std::vector<Args>{{0, 10, 4, 10}, {4, 10, 6, 10}, {10, 10, 16, 10}, {20, 10, 20, 16}, {20, 20, 20, 26}}));
}
