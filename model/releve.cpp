#include "releve.h"

#include "formes.h"
#include "vitesse.h"

#include <algorithm>
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
}

FormatTable formatCopie(std::string_view separateurDecimal) { return {"\t", separateurDecimal}; }

FormatTable formatCsv(std::string_view separateurDecimal)
{
    return {separateurDecimal == "," ? ";" : ",", separateurDecimal};
}

std::string texteTable(const Releve& r, const FormatTable& f)
{
    if (r.estVide()) return {};
    std::string_view unite(r.Unite.data(), r.Unite.size());
    unite.remove_prefix(std::min(unite.find_first_not_of(' '), unite.size()));
    unite.remove_suffix(unite.size() - std::min(unite.find_last_not_of(' ') + 1, unite.size()));

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

} // namespace orbeline
