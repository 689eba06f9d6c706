// TraceVitesse and the two chart toggles, on the recording window.
#include "charts.h"

#include "FenetreEnregistree.h"
#include "SimulationState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace orbeline;
using orbeline::test::Appel;
using orbeline::test::FenetreEnregistree;
using orbeline::test::SurfaceEnregistree;

namespace {

/// One drawing call as seen across all the chart areas.
struct Entree {
    int numero = 0;  ///< picture area
    std::string op;  ///< "scale", "line", "pset", "drawWidth"
    friend bool operator==(const Entree&, const Entree&) = default;
};

/// A recording surface that also writes every call into a journal shared by
/// all areas, so that the order across charts can be checked.
class SurfaceJournal : public SurfaceEnregistree {
public:
    SurfaceJournal(int numero, std::vector<Entree>& journal)
        : SurfaceEnregistree(86, 86), numero_(numero), journal_(journal) {}

    void scale(double x1, double y1, double x2, double y2) override
    {
        journal_.push_back({numero_, "scale"});
        SurfaceEnregistree::scale(x1, y1, x2, y2);
    }
    void line(float x1, float y1, float x2, float y2, std::optional<Couleur> c = {}) override
    {
        journal_.push_back({numero_, "line"});
        SurfaceEnregistree::line(x1, y1, x2, y2, c);
    }
    void pset(float x, float y, std::optional<Couleur> c = {}) override
    {
        journal_.push_back({numero_, "pset"});
        SurfaceEnregistree::pset(x, y, c);
    }
    void setDrawWidth(int p) override
    {
        journal_.push_back({numero_, "drawWidth"});
        SurfaceEnregistree::setDrawWidth(p);
    }

private:
    int numero_;
    std::vector<Entree>& journal_;
};

/// A window double that notes the order in which chart elements are flipped.
class FenetreBascules : public FenetreEnregistree {
public:
    std::vector<std::pair<Element, bool>> bascules;  ///< every setVisible, in order

    void setVisible(Element e, bool v) override
    {
        bascules.emplace_back(e, v);
        FenetreEnregistree::setVisible(e, v);
    }
};

class Graphes : public ::testing::Test {
protected:
    std::unique_ptr<SimulationState> s = std::make_unique<SimulationState>();
    FenetreEnregistree f;

    void coche(int vitesse, int xy) { f.cases = {vitesse, xy}; }
    /// Scale corners of a chart: left, top, right, bottom.
    std::vector<double> echelle(int n) const
    {
        const auto a = f.pictures[static_cast<std::size_t>(n - 1)]->appelsDe("scale");
        EXPECT_EQ(a.size(), 1u) << "Picture" << n;
        return a.empty() ? std::vector<double>{} : a.front().args;
    }
    std::vector<Appel> points(int n) const { return f.pictures[static_cast<std::size_t>(n - 1)]->appelsDe("pset"); }
    std::vector<Appel> lignes(int n) const { return f.pictures[static_cast<std::size_t>(n - 1)]->appelsDe("line"); }
};

// ---------------------------------------------------------------- scales

TEST_F(Graphes, UnPointParIndiceEtEchelleHorizontale)
{
    // A full run (no impact), then an impact at the first step.
    coche(1, 1);
    for (const auto& [nfin, gauche, droite] : {std::tuple{999, -199.8, 1198.8}, std::tuple{1, -0.2, 1.2}}) {
        for (int n = 2; n <= 6; ++n) f.pic(n).oublie();
        s->Nfin = static_cast<std::int16_t>(nfin);
        for (int i = 0; i <= 1000; ++i) s->Xt[static_cast<std::size_t>(i)] = i;  // 1000 lies beyond Nfin
        TraceVitesse(*s, f);

        for (int n = 2; n <= 6; ++n) {
            const auto e = echelle(n);
            ASSERT_EQ(e.size(), 4u);
            EXPECT_DOUBLE_EQ(e[0], gauche) << "Picture" << n;
            EXPECT_DOUBLE_EQ(e[2], droite) << "Picture" << n;
            const auto p = points(n);
            ASSERT_EQ(p.size(), std::size_t(nfin) + 1) << "Picture" << n;
            for (std::size_t i = 0; i < p.size(); ++i) ASSERT_EQ(p[i].args[0], double(i));
            EXPECT_EQ(lignes(n).front().args, (std::vector<double>{0, 0, double(nfin), 0}));
        }
        // X(t) plots Xt(i) at abscissa i; its maximum is Xt(Nfin).
        for (const auto& p : points(5)) ASSERT_EQ(p.args[1], p.args[0]);
        EXPECT_EQ(echelle(5)[1], nfin + (nfin + 1) / 8.0);
    }
}

TEST_F(Graphes, ExtremesMargeEtEchelleVerticale)
{
    // X positive throughout: 3·10⁷ at point 0, at most 4·10⁷.
    s->Nfin = 4;
    const double x[] = {3e7, 3.5e7, 4e7, 3.9e7, 3.2e7};
    for (std::size_t i = 0; i < 5; ++i) s->Xt[i] = x[i];
    coche(0, 1);
    TraceVitesse(*s, f);

    const auto e = echelle(5);
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(e[1], 45000000.125);
    EXPECT_EQ(e[3], -5000001.125);
    // Value axis from the maximum down to the minimum, as floats.
    const auto l = lignes(5);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[1].args, (std::vector<double>{0, 4e7, 0, -1}));
    // Point values go through single precision.
    EXPECT_EQ(points(5)[1].args[1], double(float(3.5e7)));
}

TEST_F(Graphes, ValeursNullesPartout)
{
    s->Nfin = 10;
    coche(1, 1);
    TraceVitesse(*s, f);

    for (int n : {2, 3, 5, 6}) {
        const auto e = echelle(n);
        ASSERT_EQ(e.size(), 4u);
        EXPECT_EQ(e[1], 1.25) << "Picture" << n;
        EXPECT_EQ(e[3], -1.25) << "Picture" << n;
        for (const auto& p : points(n)) ASSERT_EQ(p.args[1], 0.0);
    }
    // Zero speed: maximum 1, floor 0, margin 0.125.
    const auto v = echelle(4);
    ASSERT_EQ(v.size(), 4u);
    EXPECT_EQ(v[1], 1.125);
    EXPECT_EQ(v[3], -0.125);
    EXPECT_EQ(lignes(4)[1].args, (std::vector<double>{0, 1, 0, 0}));
}

TEST_F(Graphes, RemplacementDesZerosApresChaquePoint)
{
    // −5 then 0.5: the maximum became 1 after point 0 and 0.5 does not raise it.
    // 5 then −0.5: symmetric, the minimum stays −1.
    // 0.5 then −0.2: the maximum is 0.5, no replacement once non-zero.
    s->Nfin = 1;
    s->Xt[0] = -5;
    s->Xt[1] = 0.5;
    s->Yt[0] = 5;
    s->Yt[1] = -0.5;
    s->Vxt[0] = 0.5;
    s->Vxt[1] = -0.2;
    s->Vyt[0] = 0.25;  // speed 0.5590…, below 1: maximum speed stays at that value
    coche(1, 1);
    TraceVitesse(*s, f);

    EXPECT_EQ(lignes(5)[1].args, (std::vector<double>{0, 1, 0, -5}));
    EXPECT_EQ(echelle(5)[1], 1 + 6.0 / 8);
    EXPECT_EQ(lignes(6)[1].args, (std::vector<double>{0, 5, 0, -1}));
    EXPECT_EQ(echelle(6)[3], -1 - 6.0 / 8);
    EXPECT_EQ(lignes(2)[1].args, (std::vector<double>{0, 0.5, 0, -1}));

    const double v0 = std::sqrt(0.5 * 0.5 + 0.25 * 0.25);
    EXPECT_EQ(echelle(4)[1], v0 + v0 / 8);
    EXPECT_EQ(echelle(4)[3], -(v0 / 8));
}

// ---------------------------------------------------------------- speeds

TEST_F(Graphes, VitessesCalculeesEtTracees)
{
    s->Nfin = 3;
    s->Vxt[0] = 3;
    s->Vyt[0] = 4;
    s->Vxt[1] = 4634.431512103738;
    s->Vyt[1] = -4453.861216105659;
    s->Vxt[2] = -6;
    s->Vyt[2] = 8;
    s->Vyt[3] = -40;
    s->Vt[4] = 77;  // beyond Nfin: untouched
    s->Vxt[4] = 1;
    coche(1, 0);
    TraceVitesse(*s, f);

    EXPECT_EQ(s->Vt[0], 5.0);
    EXPECT_EQ(s->Vt[2], 10.0);
    EXPECT_EQ(s->Vt[3], 40.0);
    EXPECT_EQ(s->Vt[4], 77.0);
    // √(x² + y²) as written, which here differs from hypot by one ulp.
    const double vx = s->Vxt[1], vy = s->Vyt[1];
    EXPECT_EQ(s->Vt[1], std::sqrt(vx * vx + vy * vy));
    EXPECT_NE(s->Vt[1], std::hypot(vx, vy));

    // V(t) plots the speeds between the maximum speed and 0.
    const auto p = points(4);
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0].args[1], 5.0);
    EXPECT_EQ(p[3].args[1], 40.0);
    const double vmax = s->Vt[1];
    EXPECT_EQ(echelle(4)[1], vmax + vmax / 8);
    EXPECT_EQ(echelle(4)[3], -(vmax / 8));
    EXPECT_EQ(lignes(4)[1].args, (std::vector<double>{0, float(vmax), 0, 0}));
}

// ---------------------------------------------------------------- drawing

TEST_F(Graphes, CouleursEtEpaisseurDuTrait)
{
    s->Nfin = 3;
    s->Xt[1] = 2;
    coche(1, 1);
    for (int n = 2; n <= 6; ++n) f.pic(n).setDrawWidth(3);
    TraceVitesse(*s, f);

    const int couleurs[] = {0, 0, 4, 4, 12, 4, 4};
    for (int n = 2; n <= 6; ++n) {
        const auto l = lignes(n);
        ASSERT_EQ(l.size(), 2u);
        EXPECT_FALSE(l[0].couleur.has_value()) << "time axis of Picture" << n;
        EXPECT_EQ(l[1].couleur, couleurPalette(7)) << "value axis of Picture" << n;
        for (const auto& p : points(n)) {
            ASSERT_EQ(p.couleur, couleurPalette(couleurs[n])) << "Picture" << n;
            ASSERT_EQ(p.drawWidth, 1) << "Picture" << n;
        }
        // The charts are never cleared here: the launch does it.
        EXPECT_TRUE(f.pic(n).appelsDe("cls").empty());
    }
}

TEST_F(Graphes, OrdreDesEtapesDansChaqueGroupe)
{
    std::vector<Entree> journal;
    for (int n = 2; n <= 6; ++n)
        f.pictures[static_cast<std::size_t>(n - 1)] = std::make_unique<SurfaceJournal>(n, journal);
    s->Nfin = 2;
    coche(1, 1);
    TraceVitesse(*s, f);

    std::vector<Entree> attendu;
    const auto groupe = [&](std::vector<int> charts) {
        for (const char* etape : {"scale", "line", "line", "drawWidth"}) {
            // Two line stages: all time axes, then all value axes.
            for (int n : charts) attendu.push_back({n, etape});
        }
        for (int i = 0; i <= 2; ++i)
            for (int n : charts) attendu.push_back({n, "pset"});
    };
    groupe({2, 3, 4});
    groupe({5, 6});
    EXPECT_EQ(journal, attendu);

    // The first line of each chart is the time axis, the second the value axis.
    for (int n = 2; n <= 6; ++n) {
        const auto l = lignes(n);
        ASSERT_EQ(l.size(), 2u);
        EXPECT_EQ(l[0].args, (std::vector<double>{0, 0, 2, 0}));
        EXPECT_EQ(l[1].args[0], 0.0);
        EXPECT_EQ(l[1].args[2], 0.0);
    }
}

TEST_F(Graphes, CasesDecidentDesGroupesTraces)
{
    s->Nfin = 3;
    s->Vxt[0] = 3;
    s->Vyt[0] = 4;

    // Both unchecked, or greyed (2): Vt is still computed, nothing is drawn.
    for (const auto& [vitesse, xy] : {std::pair{0, 0}, std::pair{2, 2}}) {
        s->Vt = {};
        coche(vitesse, xy);
        TraceVitesse(*s, f);
        EXPECT_EQ(s->Vt[0], 5.0);
        for (int n = 1; n <= 6; ++n) EXPECT_TRUE(f.pic(n).appels.empty()) << "Picture" << n;
    }

    // Only xy: the position charts alone.
    coche(2, 1);
    TraceVitesse(*s, f);
    for (int n : {1, 2, 3, 4}) EXPECT_TRUE(f.pic(n).appels.empty()) << "Picture" << n;
    for (int n : {5, 6}) EXPECT_EQ(points(n).size(), 4u) << "Picture" << n;

    // Only vitesse: the velocity charts alone.
    for (int n = 1; n <= 6; ++n) f.pic(n).oublie();
    coche(1, 0);
    TraceVitesse(*s, f);
    for (int n : {2, 3, 4}) EXPECT_EQ(points(n).size(), 4u) << "Picture" << n;
    for (int n : {1, 5, 6}) EXPECT_TRUE(f.pic(n).appels.empty()) << "Picture" << n;
}

// ---------------------------------------------------------------- hostile input

TEST_F(Graphes, NfinHorsBornesNeSortPasDesTableaux)
{
    coche(1, 1);
    for (const auto& [nfin, n] : {std::pair<int, int>{0, 1}, {-7, 1}, {1000, 1000}, {5000, 1000},
                                 {32767, 1000}}) {
        s->Nfin = static_cast<std::int16_t>(nfin);
        for (int k = 2; k <= 6; ++k) f.pic(k).oublie();
        TraceVitesse(*s, f);
        const auto e = echelle(2);
        ASSERT_EQ(e.size(), 4u);
        EXPECT_DOUBLE_EQ(e[0], -0.2 * n) << "Nfin " << nfin;
        EXPECT_DOUBLE_EQ(e[2], 1.2 * n) << "Nfin " << nfin;
        EXPECT_EQ(points(6).size(), std::size_t(n) + 1) << "Nfin " << nfin;
    }
}

TEST_F(Graphes, ValeursExtremesRestentFinies)
{
    // Absurd but finite inputs: a speed whose squares overflow, positions
    // whose spread overflows, positions beyond the float range.
    constexpr double kGrand = 1.5e308;
    s->Nfin = 1;
    s->Vxt[0] = 1e200;
    s->Vyt[0] = 1e200;
    s->Xt[0] = kGrand;
    s->Xt[1] = -kGrand;
    s->Yt[0] = 1e39;
    coche(1, 1);
    TraceVitesse(*s, f);

    EXPECT_DOUBLE_EQ(s->Vt[0], std::sqrt(2.0) * 1e200);
    for (int n = 2; n <= 6; ++n) {
        const auto& sf = f.pic(n);
        EXPECT_TRUE(std::isfinite(sf.scaleTop()) && std::isfinite(sf.scaleHeight())) << "Picture" << n;
        EXPECT_LT(sf.scaleHeight(), 0) << "Picture" << n;
        for (const auto& a : sf.appels)
            for (double v : a.args) ASSERT_TRUE(std::isfinite(v)) << a.op << " on Picture" << n;
    }
    // Beyond the float range a point is drawn at its edge, on the right side.
    EXPECT_EQ(points(6)[0].args[1], double(std::numeric_limits<float>::max()));
    EXPECT_EQ(points(5)[1].args[1], -double(std::numeric_limits<float>::max()));
}

// ---------------------------------------------------------------- toggles

TEST(GraphesBascules, VitesseEtXyBasculentDansLOrdre)
{
    FenetreBascules f;
    f.cases = {0, 2};  // the handlers do not read the boxes
    f.visibles[Element::Label13] = true;
    vitesse_Click(f);
    const std::vector<std::pair<Element, bool>> vitesse{
        {Element::Picture2, true}, {Element::Label8, true}, {Element::Picture3, true},
        {Element::Label13, false}, {Element::Picture4, true}, {Element::Label15, true}};
    EXPECT_EQ(f.bascules, vitesse);

    f.bascules.clear();
    xy_Click(f);
    const std::vector<std::pair<Element, bool>> xy{
        {Element::Picture5, true}, {Element::Label16, true}, {Element::Picture6, true},
        {Element::Label17, true}};
    EXPECT_EQ(f.bascules, xy);

    for (int n = 1; n <= 6; ++n) EXPECT_TRUE(f.pic(n).appels.empty()) << "Picture" << n;
}

TEST(GraphesBascules, DeuxClicsRestaurent)
{
    FenetreBascules f;
    f.visibles[Element::Picture4] = true;
    f.visibles[Element::Label17] = true;
    const auto etat = [&f] {
        std::vector<bool> v;
        for (int e = 0; e <= static_cast<int>(Element::Label17); ++e)
            v.push_back(f.estVisible(static_cast<Element>(e)));
        return v;
    };
    const auto avant = etat();
    vitesse_Click(f);
    xy_Click(f);
    const auto apres = etat();
    for (std::size_t e = 0; e < avant.size(); ++e) EXPECT_NE(apres[e], avant[e]) << "element " << e;
    vitesse_Click(f);
    xy_Click(f);
    EXPECT_EQ(etat(), avant);
}

} // namespace
