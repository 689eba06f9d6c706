// The exact motion set against the computed points: the conic's numbers
// against their closed forms, the exact fall; the change of velocity a pupil
// constructs at a plotted point (the force, the stray and Kepler's ratio are
// checked where a pupil reads them: tests/shell/test_physique.cpp).
#include "etat.h"
#include "orbite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

using namespace orbeline;

namespace {

constexpr double kGM = kG * 6.00e24;
constexpr double kPi = std::numbers::pi;

// A launch from the given fields (km, m/s), kept as the window keeps it, plotted every tenth point or every one.
Releve lanceDe(const char* vx, const char* vy, const char* x, const char* y, const char* tau, bool cent)
{
    auto s = etatCharge();
    Releve r;
    retiens(r, *s, lance(*s, {vx, vy, x, y, "6.00", tau, cent, !cent}).pas);
    r.pasTrace = cent ? 10 : 1;
    return r;
}

} // namespace

TEST(Orbite, TheConicsAEAndPeriodAreTheirClosedFormsFromTheStart)
{
    const double rc = 4e7, ra = 42164e3;
    const double vc = std::sqrt(kGM / rc);
    // From an apsis, speed v at distance r: 1/a = 2/r − v²/GM, e = |r·v²/GM − 1|.
    const auto a = [](double r, double v) { return 1 / (2 / r - v * v / kGM); };
    const auto e = [](double r, double v) { return std::fabs(r * v * v / kGM - 1); };
    const struct { const char* nom; double vx, y; FormeOrbite forme; double a, e; } cas[] = {
        {"circle", vc, rc, FormeOrbite::Cercle, rc, 0},
        {"ellipse", 2000, ra, FormeOrbite::Ellipse, a(ra, 2000), e(ra, 2000)},
        {"hyperbola", 5000, ra, FormeOrbite::Hyperbole, a(ra, 5000), e(ra, 5000)},
        {"clockwise ellipse", -2000, ra, FormeOrbite::Ellipse, a(ra, 2000), e(ra, 2000)},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        const Conique k = conique(0, c.y, c.vx, 0, kGM);
        EXPECT_EQ(k.forme, c.forme);
        EXPECT_NEAR(k.a / c.a, 1, 1e-12);
        EXPECT_NEAR(k.e, c.e, 1e-12);
        EXPECT_NEAR(k.periode, c.forme == FormeOrbite::Hyperbole ? 0 : 2 * kPi * std::sqrt(c.a * c.a * c.a / kGM), 1e-6);
        EXPECT_EQ(k.sens, c.vx > 0 ? -1 : 1);   // from the top of the view, rightward is clockwise
        const auto [x, y] = k.point(k.nu0);     // the curve passes through the start
        EXPECT_NEAR(std::hypot(x, y - c.y), 0, 1e-3);
    }
    EXPECT_EQ(conique(0, 3e7, 0, -100, kGM).forme, FormeOrbite::Droite);
    EXPECT_EQ(conique(0, 0, 3000, 0, kGM).forme, FormeOrbite::Aucune);   // no direction at the centre
    EXPECT_EQ(conique(0, 3e7, 3000, 0, 0).forme, FormeOrbite::Aucune);   // nothing attracts
}

TEST(Orbite, TheExactFallFromRestTakesTheRadialTimeAndReachesTheSurfaceAtTheVisVivaSpeed)
{
    // Dropped from r0: t = √(r0³/2GM)·(√(x(1 − x)) + arccos √x) with x = R/r0, v = √(2GM(1/R − 1/r0)).
    const Releve chute = lanceDe("0", "0", "-30000", "0", "864", false);
    const double r0 = 3e7, R = 6.38e6, x = R / r0;
    const auto impact = impactExact(conique(chute), chute.rayon);
    ASSERT_TRUE(impact);
    EXPECT_NEAR(impact->temps, std::sqrt(r0 * r0 * r0 / (2 * kGM)) * (std::sqrt(x * (1 - x)) + std::acos(std::sqrt(x))), 1e-6);
    EXPECT_NEAR(impact->vitesse, std::sqrt(2 * kGM * (1 / R - 1 / r0)), 1e-6);
    // Thrown sideways at the apogee, or towards the Earth too, it lands on an ellipse: after the last computed point
    // outside, before the one inside.
    for (const char* vx : {"0", "1000"}) {
        const Releve ellipse = lanceDe(vx, "1500", "-30000", "0", "864", false);
        const auto oblique = impactExact(conique(ellipse), ellipse.rayon);
        ASSERT_TRUE(oblique) << vx;
        EXPECT_GT(oblique->temps, (ellipse.Nfin - 2) * ellipse.pas) << vx;
        EXPECT_LT(oblique->temps, ellipse.Nfin * ellipse.pas) << vx;
    }
    EXPECT_FALSE(impactExact(conique(lanceDe("2000", "0", "0", "42164", "864", false)), 6.38e6));   // perigee 11 260 km
}

TEST(Orbite, DeltaVAtAPlottedPointIsTheAccelerationTimesTheTimeBetweenItsNeighboursAndPointsToTheCentre)
{
    for (const bool cent : {true, false}) {
        const Releve r = lanceDe("3163.1", "0", "0", "40000", "864", cent);
        for (const int i : {11, 51, 91, 501, 941}) {
            SCOPED_TRACE(std::to_string(i) + (cent ? " of 100" : " of 1000"));
            const VecteursPoint v = vecteursPoint(r, i, 30000);
            ASSERT_TRUE(v.variation);
            const double x = r.Xt[i], y = r.Yt[i], d = std::hypot(x, y), a = kGM / (d * d);
            const auto [dx, dy] = *v.variation;
            EXPECT_EQ(v.duree, 2 * r.pasTrace * r.pas);   // from the previous plotted point to the next
            EXPECT_NEAR(std::hypot(dx, dy) / (a * v.duree), 1, 0.002);
            EXPECT_LT(std::acos(-(dx * x + dy * y) / (std::hypot(dx, dy) * d)) * 180 / kPi, 1);
        }
    }
}

TEST(Orbite, AnArrowThatWouldBeWrongIsLeftOutAndItsReasonNamed)
{
    const Releve cent = lanceDe("3163.1", "0", "0", "40000", "864", true), mille = lanceDe("3163.1", "0", "0", "40000", "864", false);
    EXPECT_EQ(sansVariation(cent, 1), SansFleche::PremierPoint);   // nothing plotted 10 points before
    EXPECT_EQ(sansVariation(mille, 1), SansFleche::Aucune);        // the start, one step before
    EXPECT_EQ(sansVariation(cent, 991), SansFleche::DernierPoint);
    const Releve centre = lanceDe("0", "0", "0", "0", "864", false);
    EXPECT_EQ(sansForce(centre, 1, 30000), SansFleche::Centre);
    Releve vide = cent;
    vide.GM = 0;
    EXPECT_EQ(sansForce(vide, 51, 30000), SansFleche::SansAttraction);
    EXPECT_EQ(pointsFleches(mille), pointsFleches(cent));   // a readable tenth at 1000 points: the 100 points' places
}

TEST(Orbite, ALaunchWhosePeriodOutlastsItClosesNoTurnAndMeasuresNoT2OverA3)
{
    EXPECT_FALSE(mesureKepler(lanceDe("3500", "0", "0", "42164", "864", true)).tour);
}

TEST(Orbite, ScientificNotationKeepsTheDigitsAskedAndCarriesARoundingUp)
{
    const struct { double v; int chiffres; const char* texte; } cas[] = {
        {9.86467e-14, 4, "9,865\u00a0×\u00a010⁻¹⁴"}, {9.99996e-5, 4, "1\u00a0×\u00a010⁻⁴"}, {1.5e7, 3, "1,5\u00a0×\u00a010⁷"},
        {43361.2, 5, "43361"}, {0.0123456, 3, "0,0123"}, {-2.5e-20, 2, "-2,5\u00a0×\u00a010⁻²⁰"},
    };
    for (const auto& c : cas) EXPECT_EQ(ecritureScientifique(c.v, c.chiffres, ","), c.texte) << c.v;
}
