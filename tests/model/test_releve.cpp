#include "calcule.h"
#include "etat.h"
#include "releve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

using namespace orbeline;

TEST(TableDesPoints, RowsHeaderUnitsSeparatorsAndTheLastPointTo15Digits)
{
    const ChampsSaisis soleil{"29800", "", "", "150", "1.99E+6", "315000", false, true};
    const struct {
        std::int32_t echelle;
        const char* unite;
        ChampsSaisis champs;
        FormatTable format;
        const char* debut;   // the header and the first point
        const char* fin;     // the last point
    } cas[] = {
        {1000, " km", champsInitiaux(), formatCsv(","), "t (s);X (km);Y (km);Vx (m/s);Vy (m/s);V (m/s)\n0;-30000;0;0;0;0\n",
         "8772;-5354,60299358638;0;10521,7950345451;0;10521,7950345451\n"},
        {1000, " km", champsInitiaux(), formatCopie("."), "t (s)\tX (km)\tY (km)\tVx (m/s)\tVy (m/s)\tV (m/s)\n",
         "8772\t-5354.60299358638\t0\t10521.7950345451\t0\t10521.7950345451\n"},
        {1000000000, " M. de km", soleil, formatCsv("."), "t (s),X (M. de km),Y (M. de km),Vx (m/s),Vy (m/s),V (m/s)\n",
         "31468500,-11.4787477749293,149.597583076505,29705.8718189855,2271.44747933702,29792.5879066822\n"},
        // Both components near the largest double, a zero step: the speed is the chart's, the largest double.
        {1000, " km", {"1.5e308", "-1.5e308", "-30000", "0", "6", "0", false, true}, formatCsv("."), "t (s),X (km)",
         "0,-30000,0,1.5E+308,-1.5E+308,1.79769313486231E+308\n"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.debut);
        auto s = etatCharge();
        s->Echelle = c.echelle;
        assigneUnite(*s, c.unite);
        Releve r;
        retiens(r, *s, lance(*s, c.champs).pas);
        const std::string texte = texteTable(r, c.format);
        EXPECT_TRUE(texte.starts_with(c.debut));
        EXPECT_TRUE(texte.ends_with(c.fin));
        EXPECT_EQ(std::count(texte.begin(), texte.end(), '\n'), s->Nfin + 2);   // the header, then a line per point
    }
    EXPECT_EQ(texteTable(Releve{}, formatCopie(",")), "");   // nothing before any launch
}

TEST(TourDuLancement, APeriodFoundBetweenThePointsOfAKeplerOrbitWhateverTheStep)
{
    // Points of an exact Kepler orbit from its perigee, at steps the period is no multiple of:
    // a period taken on a point would be up to a step off.
    const struct { double e; std::int32_t pas; } cas[] = {{0, 97}, {0.3, 611}, {0.6, 130}};
    constexpr double GM = 4.002e14, a = 2.5e7;
    const double n = std::sqrt(GM / (a * a * a));
    for (const auto& c : cas) {
        Releve r;
        r.Nfin = 999, r.pas = c.pas;
        for (std::size_t i = 0; i <= 999; ++i) {
            const double M = n * static_cast<double>(i) * c.pas, b = a * std::sqrt(1 - c.e * c.e);
            double E = M;
            for (int k = 0; k < 50; ++k) E -= (E - c.e * std::sin(E) - M) / (1 - c.e * std::cos(E));
            r.Xt[i] = a * (std::cos(E) - c.e);
            r.Yt[i] = b * std::sin(E);
            r.Vxt[i] = -a * n * std::sin(E) / (1 - c.e * std::cos(E));
            r.Vyt[i] = b * n * std::cos(E) / (1 - c.e * std::cos(E));
        }
        const Tour t = mesureTour(r);
        EXPECT_TRUE(t.boucle);
        EXPECT_NEAR(t.periode, 2 * M_PI / n, 0.02 * c.pas) << c.e;
        EXPECT_NEAR(t.rProche, a * (1 - c.e), 1e-6 * a) << c.e;
        EXPECT_NEAR(t.rLoin, a * (1 + c.e), 1e-3 * a) << c.e;
        EXPECT_NEAR(t.vProche, std::sqrt(GM / a * (1 + c.e) / (1 - c.e)), 1e-6 * t.vProche) << c.e;
    }
    Releve chute;   // a fall never turns
    chute.Nfin = 3, chute.pas = 10;
    chute.Xt = {3e7, 2e7, 1e7, 5e6};
    EXPECT_EQ(std::pair(mesureTour(chute).boucle, mesureTour(chute).duree), std::pair(false, 30.0));
    EXPECT_EQ(energies(chute, 4).potentielle, -std::numeric_limits<double>::max());   // at the centre: the lowest, never −GM / 0
}
