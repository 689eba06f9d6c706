// TraceVitesse on the recording window.
#include "charts.h"

#include "FenetreEnregistree.h"
#include "SimulationState.h"
#include "calcule.h"
#include "init.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

using namespace orbeline;

namespace {

using Args = std::vector<double>;

class Graphes : public ::testing::Test {
protected:
    SimulationState s;
    test::FenetreEnregistree f;

    void trace(int vitesse, int xy)
    {
        f.cases = {vitesse, xy};
        for (int n = 1; n <= 6; ++n) f.pic(n).oublie();
        TraceVitesse(s, f);
    }
    auto points(int n) { return f.pic(n).appelsDe("pset"); }
    auto lignes(int n) { return f.pic(n).appelsDe("line"); }
    /// Scale corners of a chart: left, top, right, bottom.
    Args echelle(int n) { return f.pic(n).appelsDe("scale").at(0).args; }

    /// Every point of every chart inside its scale; on the given charts the
    /// largest value lies one margin, a tenth of the height, under the top.
    void pointsALeurPlace(std::initializer_list<int> maximumAtteint)
    {
        for (int k = 2; k <= 6; ++k) {
            const double haut = echelle(k)[1], bas = echelle(k)[3];
            double plusHaut = 0;
            for (const auto& p : points(k)) {
                const double rang = (haut - p.args[1]) / (haut - bas);
                EXPECT_TRUE(rang >= 0 && rang <= 1) << "Picture" << k << ", point " << p.args[0];
                plusHaut = std::max(plusHaut, 1 - rang);
            }
            for (const auto& l : lignes(k))   // the axes too
                EXPECT_TRUE((haut - l.args[1]) / (haut - bas) >= 0 && (haut - l.args[3]) / (haut - bas) <= 1) << "Picture" << k;
            if (std::count(maximumAtteint.begin(), maximumAtteint.end(), k)) {
                EXPECT_NEAR(plusHaut, 0.9, 1e-6) << "Picture" << k;
            }
        }
    }
};

TEST_F(Graphes, OnePointPerIndexScalesAndTheOrderOfTheStages)
{
    // X(t) plots Xt(i) = i, every other chart zero; Nfin without impact, impact at once, stray values.
    for (int i = 0; i <= 1000; ++i) s.Xt[static_cast<std::size_t>(i)] = i;
    for (int k = 2; k <= 6; ++k) f.pic(k).setDrawWidth(3);
    const int couleurs[] = {0, 0, 4, 4, 12, 4, 4};
    for (const auto& [nfin, n] : {std::pair{999, 999}, {1, 1}, {0, 1}, {-7, 1}, {1000, 1000}, {32767, 1000}}) {
        s.Nfin = static_cast<std::int16_t>(nfin);
        trace(1, 1);
        std::vector<std::string> etapes{"scale", "line", "line", "drawWidth"};  // no cls: the launch clears
        etapes.resize(std::size_t(n) + 5, "pset");
        // X reaches Xt(Nfin) and no further; zero gives ±1.25, and 1.125 to −0.125 for the speed.
        const double marge = (n + 1) / 8.0;
        const std::pair<double, double> bornes[] = {{}, {}, {1.25, -1.25}, {1.25, -1.25}, {1.125, -0.125},
                                                    {n + marge, -1 - marge}, {1.25, -1.25}};
        for (int k = 2; k <= 6; ++k) {
            SCOPED_TRACE("Nfin " + std::to_string(nfin) + ", Picture" + std::to_string(k));
            std::vector<std::string> ops;
            for (const auto& a : f.pic(k).appels) ops.push_back(a.op);
            EXPECT_EQ(ops, etapes);
            EXPECT_EQ(echelle(k), (Args{-0.2 * n, bornes[k].first, 1.2 * n, bornes[k].second}));
            const auto l = lignes(k);
            EXPECT_EQ(l.at(0).args, (Args{0, 0, double(n), 0}));  // the time axis first, in the foreground colour
            EXPECT_FALSE(l[0].couleur.has_value());
            EXPECT_EQ(l.at(1).couleur, couleurPalette(7));
            const auto p = points(k);
            for (std::size_t i = 0; i < p.size(); ++i) {
                ASSERT_EQ(p[i].args, (Args{double(i), k == 5 ? double(i) : 0.0}));
                ASSERT_EQ(p[i].couleur, couleurPalette(couleurs[k]));
                ASSERT_EQ(p[i].drawWidth, 1);
            }
        }
    }
}

TEST_F(Graphes, ExtremesZeroReplacementAndOverflows)
{
    s.Nfin = 4;
    s.Xt = {3e7, 3.5e7, 4e7, 3.9e7, 3.2e7};  // positive throughout: minimum −1
    s.Yt = {5, -0.5};                        // the minimum became −1 after point 0: −0.5 does not raise it
    s.Vxt = {-5, 0.5};                       // likewise the maximum stays 1, not 0.5
    s.Vyt = {0.5, -0.2};                     // non-zero at once: the maximum is 0.5, not 1
    trace(1, 1);
    EXPECT_EQ(lignes(5)[1].args, (Args{0, 4e7, 0, -1}));
    EXPECT_EQ(lignes(6)[1].args, (Args{0, 5, 0, -1}));
    EXPECT_EQ(lignes(2)[1].args, (Args{0, 1, 0, -5}));
    EXPECT_EQ(lignes(3)[1].args, (Args{0, 0.5, 0, -1}));

    // Overflowing squares and spread, positions beyond the float range: finite scales.
    s = {};
    s.Nfin = 1;
    s.Vxt[0] = s.Vyt[0] = 1e200;
    s.Xt = {1.5e308, -1.5e308};
    s.Yt[0] = 1e39;
    trace(1, 1);
    EXPECT_DOUBLE_EQ(s.Vt[0], std::sqrt(2.0) * 1e200);
    EXPECT_TRUE(std::isfinite(f.pic(5).scaleHeight()) && f.pic(5).scaleHeight() < 0);
    pointsALeurPlace({2, 3, 4, 5, 6});
}

TEST_F(Graphes, SpeedsAtTheEdgeOfTheDoubleRange)
{
    // A launch that succeeds with every value finite although √2 · 1.3e308
    // passes the double range: the speed stops at the largest double.
    s.Echelle = 1000, s.Rayon = 6380;
    ASSERT_TRUE(init(s, {"1.3e308", "1.3e308", "-30000", "0", "6.00", "0", false, true}).ok);
    ASSERT_TRUE(calcule(s).compteRendu.ok);
    trace(1, 1);
    for (int i = 0; i <= s.Nfin; ++i) ASSERT_EQ(s.Vt[std::size_t(i)], std::numeric_limits<double>::max());
    pointsALeurPlace({2, 3, 4});
}

TEST_F(Graphes, SpeedsAndCheckedBoxes)
{
    s.Nfin = 5;
    // The last two: squares that lose digits or vanish; the speed is the component's size.
    s.Vxt = {3, 4634.431512103738, -6, 0, -1e-158, 0, 1};
    s.Vyt = {4, -4453.861216105659, 8, -40, 0, 1e-310};
    const double vx = s.Vxt[1], vy = s.Vyt[1], vmax = std::sqrt(vx * vx + vy * vy);
    ASSERT_NE(vmax, std::hypot(vx, vy));  // one ulp apart: the plain formula is the one wanted
    // Only the value 1 counts as checked; Vt is computed whatever the boxes say, up to Nfin only.
    for (const auto& [vitesse, xy] : {std::pair{0, 0}, {2, 2}, {2, 1}, {1, 0}}) {
        s.Vt.fill(77);
        trace(vitesse, xy);
        EXPECT_EQ(Args(s.Vt.begin(), s.Vt.begin() + 7), (Args{5, vmax, 10, 40, 1e-158, 1e-310, 77}));
        for (int n = 1; n <= 6; ++n)
            EXPECT_EQ(f.pic(n).appels.empty(), n == 1 || (n <= 4 ? vitesse : xy) != 1)
                << "vitesse " << vitesse << " xy " << xy << " Picture" << n;
    }
    // V(t) plots the speeds between the maximum speed and 0.
    EXPECT_EQ(points(4).at(3).args[1], 40.0);
    EXPECT_EQ(lignes(4)[1].args, (Args{0, float(vmax), 0, 0}));
}

TEST_F(Graphes, SeveralLaunchesAtTheirTimeOnTheScalesAndStagesOfOne)
{
    // Each point at its time, i × |pas| seconds (a negative step's time runs forward), or at its index for a step of 0.
    s.Nfin = 4;
    s.Xt = {3e7, 3.5e7, 4e7, 3.9e7, 3.2e7};
    s.Vxt = {-5, 0.5, 2};
    s.Vyt = {0.5, -0.2};
    trace(1, 1);
    const auto dessin = [&](int n, double etire) {
        std::vector<test::Appel> r = f.pic(n).appels;
        for (test::Appel& a : r) {
            if (a.op != "drawWidth") a.args[0] *= etire;
            if (a.op == "scale" || a.op == "line") a.args[2] *= etire;
        }
        return r;
    };
    std::vector<std::vector<test::Appel>> seul;
    for (int n = 2; n <= 6; ++n) seul.push_back(f.pic(n).appels);
    Releve r;
    for (const int pas : {1, -2, 0}) {
        retiens(r, s, pas);
        for (int n = 2; n <= 6; ++n) f.pic(n).oublie();
        TraceLancements(std::vector<CourbeLancement>{{&r, std::nullopt}}, f, {1, 1});
        for (int n = 2; n <= 6; ++n) EXPECT_EQ(dessin(n, 1.0 / std::max(std::abs(pas), 1)), seul[n - 2]) << pas << " " << n;
    }
    r.vide();   // launches that left nothing: nothing drawn
    for (int n = 2; n <= 6; ++n) f.pic(n).oublie();
    TraceLancements(std::vector<CourbeLancement>{{&r, std::nullopt}, {nullptr, std::nullopt}}, f, {1, 1});
    for (int n = 2; n <= 6; ++n) EXPECT_TRUE(f.pic(n).appels.empty()) << n;
}

} // namespace

TEST(BulleGraphe, TheValueAtThePointerThenTheWholeRangeInTheChartsUnitGroupedWithTheDecimalSeparatorGiven)
{
    Releve r;
    r.Nfin = 2, r.pas = 100, r.Echelle = 1000;
    r.Unite = {'k', 'm', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
    r.Vxt = {30780, 30780, 30780};   // flat: the range still reads its value
    r.Yt = {7.0015e5, 5e5, -2.04e6};   // highest at the start
    const CourbeLancement l[] = {{&r, {}}};
    const struct { const char* quoi; int graphe; float x; const char* bulle; } cas[] = {
        {"flat, the nearest point", 0, 149, "Vx(t)\u00a0: t = 100\u00a0s   Vx = 30\u00a0780\u00a0m/s\n"
                                            "Graphique\u00a0: t de 0 à 200\u00a0s, Vx de 30\u00a0780 à 30\u00a0780\u00a0m/s"},
        {"before the start, in km", 4, -50, "Y(t)\u00a0: t = 0\u00a0s   Y = 700,2\u00a0km\n"
                                            "Graphique\u00a0: t de 0 à 200\u00a0s, Y de -2040 à 700,2\u00a0km"},
        {"past the end", 4, 1e9f, "Y(t)\u00a0: t = 200\u00a0s   Y = -2040\u00a0km\n"},
        {"Vy", 1, 149, "Vy(t)\u00a0: t = 100\u00a0s   Vy = 0\u00a0m/s\n"}, {"V", 2, 149, "V(t)\u00a0: t = 100\u00a0s   V = 30\u00a0780\u00a0m/s\n"},
        {"X", 3, 149, "X(t)\u00a0: t = 100\u00a0s   X = 0\u00a0km\n"}, {"a pointer nowhere", 3, std::nanf(""), ""},
    };
    for (const auto& c : cas) {
        const std::string bulle = bulleGraphe(kGraphes[static_cast<std::size_t>(c.graphe)], l, true, c.x, ",");
        EXPECT_TRUE(*c.bulle ? bulle.starts_with(c.bulle) : bulle.empty()) << c.quoi << " : " << bulle;
    }
}
