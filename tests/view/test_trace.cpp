// The trajectory plot and the impact animation.
#include "calcule.h"
#include "outils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace orbeline;
using namespace orbeline::test;

namespace {

struct VueTrace : ::testing::Test, FenetreChargee {
    // Point i lies at (i, i / 2) user units in the default preset (1 unit = 10^5 m).
    void SetUp() override
    {
        for (std::size_t i = 0; i < kTaille; ++i) {
            s.Xt[i] = static_cast<double>(i) * 1e5;
            s.Yt[i] = static_cast<double>(i) * 0.5e5;
        }
        p1.oublie();
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

TEST_F(VueTrace, FullRunsDrawEveryPointOrEveryTenthWithTheMarkerAhead)
{
    EXPECT_EQ(trace(1000, 999), suite(1, 999, 1));
    EXPECT_EQ(trace(100, 999), suite(1, 991, 10));
    EXPECT_TRUE(p1.appelsDe("visible").empty());  // 999 is the no-impact value
    const auto [cx, cy] = centreDe(p1, Controle::Sat);
    EXPECT_NEAR(cx, 991, 1e-3);
    EXPECT_NEAR(cy, 495.5, 1e-3);

    // Each point: the marker is centred on it, then it is drawn with the frame's pen.
    const float w = p1.etat.largeur(Controle::Sat), h = p1.etat.hauteur(Controle::Sat);
    for (std::size_t n = 0; n < 100; ++n) {
        const auto& d = p1.appels[2 * n];
        const auto& p = p1.appels[2 * n + 1];
        const double i = 1 + 10.0 * static_cast<double>(n);
        ASSERT_EQ(d.op, "deplace");
        ASSERT_EQ(p.op, "pset");
        EXPECT_NEAR(d.args[1], i - w / 2, 1e-3);
        EXPECT_NEAR(d.args[2], i / 2 + h / 2, 1e-3);
        EXPECT_EQ(p.args[1], i / 2);
        EXPECT_EQ(p.drawWidth, 2);
        EXPECT_FALSE(p.couleur.has_value());
    }
}

TEST_F(VueTrace, ImpactAfterASkippedPointIsStillMarked)
{
    std::vector<double> attendu = suite(1, 51, 10);
    attendu.insert(attendu.end(), 16, 57.0);
    EXPECT_EQ(trace(100, 57), attendu);
    EXPECT_EQ(p1.appelsDe("pset").back().args[1], 28.5);
    EXPECT_NEAR(centreDe(p1, Controle::Sat).first, 51, 1e-3);

    // Start inside the attractor: point 1, then the animation in this order.
    trace(100, 1);
    std::vector<std::string> ops, op{"deplace", "pset", "visible"};
    for (int n = 0; n < 16; ++n) op.insert(op.end(), {"pset", "deplace", "largeur", "hauteur", "repeint"});
    op.insert(op.end(), {"visible", "largeur", "hauteur"});
    for (const auto& a : p1.appels) ops.push_back(a.op);
    EXPECT_EQ(ops, op);
    EXPECT_EQ(p1.appelsDe("visible")[0].args, (std::vector<double>{1, 1}));
    EXPECT_FALSE(p1.etat.geo(Controle::Etoile).visible);
}

TEST_F(VueTrace, StarGrowsFromItsPresentSizeAndEachFrameUsesTheSizeBeforeGrowth)
{
    s.Nfin = 57;
    // First animation since start: the layout's 14 × 12 px; then 28 × 23 units.
    const double w0 = 14 * 1000.0 / 496, h0 = 12 * 1000.0 / 496;
    for (auto [w, h] : {std::pair{w0, h0}, std::pair{28.0, 23.0}}) {
        p1.oublie();
        TraceImpact(s, f);
        const auto deplaces = p1.appelsDe("deplace");
        const auto largeurs = p1.appelsDe("largeur");
        const auto hauteurs = p1.appelsDe("hauteur");
        ASSERT_EQ(largeurs.size(), 17u);
        for (std::size_t k = 0; k < 16; ++k) {
            EXPECT_NEAR(deplaces[k].args[1], 57 - w / 2, 1e-3) << "frame " << k;
            EXPECT_NEAR(deplaces[k].args[2], 28.5 + h / 2, 1e-3) << "frame " << k;
            w *= 1.035;
            h *= 1.035;
            EXPECT_NEAR(largeurs[k].args[1], w, 1e-3) << "frame " << k;
            EXPECT_NEAR(hauteurs[k].args[1], h, 1e-3) << "frame " << k;
        }
        EXPECT_EQ(largeurs[16].args[1], 28);
        EXPECT_EQ(hauteurs[16].args[1], 23);
    }
    EXPECT_NEAR(p1.appelsDe("largeur")[15].args[1], 48.55, 0.005);
    EXPECT_NEAR(p1.appelsDe("hauteur")[15].args[1], 39.88, 0.005);
}

TEST_F(VueTrace, OddPointCountsAndIndicesStayInBounds)
{
    // 1000 / NbPoints rounds halves to even; a step below 1 becomes 1.
    EXPECT_EQ(trace(400, 999), suite(1, 999, 2));    // 2.5
    EXPECT_EQ(trace(80, 999), suite(1, 999, 12));    // 12.5
    EXPECT_EQ(trace(285, 999), suite(1, 999, 4));    // 3.51
    for (std::int16_t nb : {3000, 0, -100}) EXPECT_EQ(trace(nb, 999), suite(1, 999, 1)) << nb;

    EXPECT_EQ(trace(1000, 2000), suite(1, 1000, 1));
    EXPECT_TRUE(p1.appelsDe("visible").empty());
    trace(1000, -3);
    EXPECT_TRUE(p1.appels.empty());
}

TEST_F(VueTrace, ComputedFallOntoTheEarthEndsWithTheStarOnTheLastPoint)
{
    ASSERT_TRUE(init(s, {"0", "0", "-30000", "0", "6.00", "864", true, false}).ok);
    ASSERT_TRUE(calcule(s).compteRendu.ok);
    ASSERT_LT(s.Nfin, 999);
    p1.oublie();
    Trace(s, f);
    const auto points = p1.appelsDe("pset");
    const auto n = static_cast<std::size_t>(s.Nfin);
    ASSERT_EQ(points.size(), static_cast<std::size_t>((s.Nfin - 1) / 10 + 1 + 16));
    EXPECT_EQ(points.back().args[0], static_cast<float>(s.Xt[n] / 100 / 1000));
    EXPECT_EQ(points.back().args[1], static_cast<float>(s.Yt[n] / 100 / 1000));
}
