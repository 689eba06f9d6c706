#include "calcule.h"
#include "etat.h"
#include "releve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

using namespace orbeline;

namespace {

using Lignes = std::vector<std::vector<std::string>>;

Lignes decoupe(const std::string& texte, std::string_view sep)
{
    Lignes lignes;
    std::size_t debut = 0;
    for (std::size_t fin; (fin = texte.find('\n', debut)) != std::string::npos; debut = fin + 1) {
        const std::string ligne = texte.substr(debut, fin - debut);
        auto& champs = lignes.emplace_back();
        std::size_t d = 0;
        for (std::size_t f; (f = ligne.find(sep, d)) != std::string::npos; d = f + sep.size())
            champs.push_back(ligne.substr(d, f - d));
        champs.push_back(ligne.substr(d));
    }
    EXPECT_EQ(debut, texte.size()) << "the last line has no line end";
    return lignes;
}

// What a spreadsheet reads: the whole field must be one number.
double relit(std::string champ, std::string_view decimal)
{
    if (decimal != ".") {
        EXPECT_EQ(champ.find('.'), std::string::npos) << champ;
        if (const auto p = champ.find(decimal); p != std::string::npos) champ.replace(p, decimal.size(), ".");
    }
    char* fin = nullptr;
    const double v = std::strtod(champ.c_str(), &fin);
    EXPECT_TRUE(!champ.empty() && *fin == '\0') << "« " << champ << " »";
    return v;
}

// Equal within 15 significant digits.
void proche(double lu, double stocke, const char* quoi, int i)
{
    EXPECT_LE(std::fabs(lu - stocke), 1e-14 * std::fabs(stocke)) << quoi << " at point " << i;
}

Releve lanceEtRetiens(SimulationState& s, const ChampsSaisis& c)
{
    EXPECT_TRUE(init(s, c).ok);
    const ResultatCalcul r = calcule(s);
    Releve releve;
    retiens(releve, s, r.pas);
    return releve;
}

} // namespace

TEST(TableDesPoints, RowsHeaderUnitsSeparatorsAndRoundTrip)
{
    struct Cas {
        const char* nom;
        std::int32_t echelle;
        const char* unite;
        ChampsSaisis champs;
        int nfin;
        std::string_view decimal;
        bool csv;
        std::string_view separateur;
    };
    const Cas cas[] = {
        {"fall, km, French CSV", 1000, " km", champsInitiaux(), 102, ",", true, ";"},
        {"fall, km, copy", 1000, " km", champsInitiaux(), 102, ".", false, "\t"},
        {"Sun, M. de km, French copy", 1000000000, " M. de km",
         {"29800", "", "", "150", "1.99E+6", "315000", false, true}, 999, ",", false, "\t"},
        {"Sun, M. de km, CSV", 1000000000, " M. de km",
         {"29800", "", "", "150", "1.99E+6", "315000", false, true}, 999, ".", true, ","},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        auto s = etatCharge();
        s->Echelle = c.echelle;
        assigneUnite(*s, c.unite);
        const Releve r = lanceEtRetiens(*s, c.champs);
        const FormatTable f = c.csv ? formatCsv(c.decimal) : formatCopie(c.decimal);
        EXPECT_EQ(f.separateurChamp, c.separateur);

        const Lignes lignes = decoupe(texteTable(r, f), f.separateurChamp);
        ASSERT_EQ(static_cast<int>(lignes.size()), c.nfin + 2);
        const std::string u = std::string(c.unite).substr(1);
        EXPECT_EQ(lignes[0], (std::vector<std::string>{"t (s)", "X (" + u + ")", "Y (" + u + ")", "Vx (m/s)",
                                                       "Vy (m/s)", "V (m/s)"}));
        for (int i = 0; i <= c.nfin; ++i) {
            const auto& l = lignes[static_cast<std::size_t>(i) + 1];
            ASSERT_EQ(l.size(), 6u) << "point " << i;
            const auto k = static_cast<std::size_t>(i);
            EXPECT_EQ(relit(l[0], c.decimal), static_cast<double>(i) * r.pas) << i;
            proche(relit(l[1], c.decimal) * c.echelle, s->Xt[k], "X", i);
            proche(relit(l[2], c.decimal) * c.echelle, s->Yt[k], "Y", i);
            proche(relit(l[3], c.decimal), s->Vxt[k], "Vx", i);
            proche(relit(l[4], c.decimal), s->Vyt[k], "Vy", i);
            proche(relit(l[5], c.decimal), std::hypot(s->Vxt[k], s->Vyt[k]), "V", i);
        }
        // The points stay those of the launch whatever the record becomes.
        const std::string avant = texteTable(r, f);
        ASSERT_TRUE(init(*s, {"1", "2", "3", "4", "5", "6", true, false}).ok);
        EXPECT_EQ(texteTable(r, f), avant);
    }
}

TEST(TableDesPoints, OnlyFiniteNumbersEverAppear)
{
    // A run stopped by an overflow keeps its finite points 0..Nfin; a speed
    // beyond the double range (both components near the limit, no step) is
    // left empty; nothing at all is written before a launch.
    const std::pair<ChampsSaisis, int> cas[] = {
        {{"0", "0", "-30000", "0", "1e280", "864", false, true}, 1},
        {{"1.5e308", "-1.5e308", "-30000", "0", "6", "0", false, true}, 999},
    };
    for (const auto& [champs, nfin] : cas) {
        auto s = etatCharge();
        const Releve r = lanceEtRetiens(*s, champs);
        const std::string texte = texteTable(r, formatCsv("."));
        const Lignes lignes = decoupe(texte, ",");
        EXPECT_EQ(static_cast<int>(lignes.size()), nfin + 2);
        for (const char* mauvais : {"inf", "nan", "NaN", "infini"})
            EXPECT_EQ(texte.find(mauvais), std::string::npos) << mauvais;
        for (std::size_t i = 1; i < lignes.size(); ++i) EXPECT_EQ(lignes[i].size(), 6u);
    }
    EXPECT_EQ(texteTable(Releve{}, formatCopie(",")), "");
}
