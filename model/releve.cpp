#include "releve.h"

#include "formes.h"
#include "langue.h"
#include "vitesse.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orbeline {

void retiens(Releve& r, const SimulationState& s, std::int32_t pas)
{
    r.Nfin = std::clamp<std::int16_t>(s.Nfin, 0, kTaille - 1);
    r.pas = pas;
    r.Echelle = s.Echelle;
    r.Unite = s.Unite;
    r.Xt = s.Xt;
    r.Yt = s.Yt;
    r.Vxt = s.Vxt;
    r.Vyt = s.Vyt;
    r.textes.reset();   // an earlier launch's texts never describe these points
}

FormatTable formatCopie(std::string_view separateurDecimal) { return {"\t", separateurDecimal}; }

FormatTable formatCsv(std::string_view separateurDecimal)
{
    return {separateurDecimal == "," ? ";" : ",", separateurDecimal};
}

namespace {

// The display unit without its padding blanks ("km", "M. de km").
std::string_view uniteSansBlancs(const Releve& r)
{
    std::string_view unite(r.Unite.data(), r.Unite.size());
    unite.remove_prefix(std::min(unite.find_first_not_of(' '), unite.size()));
    unite.remove_suffix(unite.size() - std::min(unite.find_last_not_of(' ') + 1, unite.size()));
    return unite;
}

} // namespace

std::string texteTable(const Releve& r, const FormatTable& f)
{
    if (r.estVide()) return {};
    const std::string_view unite = uniteSansBlancs(r);

    std::string t;
    const std::string_view sep = f.separateurChamp;
    const auto colonne = [&](std::string_view nom, std::string_view u, bool derniere = false) {
        t.append(nom).append(" (").append(u).append(")").append(derniere ? "\n" : sep);
    };
    colonne("t", "s");
    colonne("X", unite);
    colonne("Y", unite);
    colonne("Vx", "m/s");
    colonne("Vy", "m/s");
    colonne("V", "m/s", true);

    const double echelle = r.Echelle;
    for (int i = 0; i <= r.Nfin; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double valeurs[] = {static_cast<double>(i) * r.pas, r.Xt[k] / echelle, r.Yt[k] / echelle,
                                  r.Vxt[k], r.Vyt[k], vitesseScalaire(r.Vxt[k], r.Vyt[k])};
        for (std::size_t c = 0; c < std::size(valeurs); ++c) {
            if (c > 0) t.append(sep);
            if (std::isfinite(valeurs[c])) t.append(formeGenerale(valeurs[c], f.separateurDecimal).vue());
        }
        t.append("\n");
    }
    return t;
}

std::vector<std::string> lignesLegende(const Releve& r)
{
    if (r.estVide() || !r.textes) return {};
    const TextesLancement& t = *r.textes;
    const std::string u(uniteSansBlancs(r));
    // One line per row, each with the same numbered parts.
    static constexpr std::array<Texte, 5> kLignes{Texte::legendeVitesses, Texte::legendePosition, Texte::legendeMasseTau,
                                                  Texte::legendeEchelle, Texte::legendeMasseSatellite};
    std::vector<std::string> l;
    for (const Texte modele : kLignes) {
        std::string ligne;
        remplis(ligne, modele, {t.champs[0], t.champs[1], t.champs[2], t.champs[3], t.champs[4], t.champs[5],
                                     t.nbPoints, u, t.echelle, t.masseSatellite});
        l.push_back(std::move(ligne));
    }
    for (const std::string* impact : {&t.impactTemps, &t.impactVitesse})
        if (!impact->empty()) l.push_back(*impact);
    return l;
}

} // namespace orbeline
