#include "releve.h"

#include "calcule.h"
#include "formes.h"
#include "lecture.h"
#include "langue.h"
#include "vitesse.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace orbeline {

void retiens(Releve& r, const SimulationState& s, std::int32_t pas)
{
    r.Nfin = std::clamp<std::int16_t>(s.Nfin, 0, kTaille - 1);
    r.pas = pas;
    r.GM = s.GM;
    r.masse = s.Masse;
    r.dt = s.dt;
    r.rayon = arrondiPair32(s.Rayon * 1000).value_or(0);
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

std::string_view uniteAffichee(const Releve& r)
{
    return sansBlancs(std::string_view(r.Unite.data(), r.Unite.size()));
}

std::string texteTable(const Releve& r, const FormatTable& f)
{
    const Releve* seul = &r;
    return texteTable(std::span<const Releve* const>(&seul, 1), f);
}

std::string texteTable(std::span<const Releve* const> lancements, const FormatTable& f)
{
    std::vector<const Releve*> l;
    for (const Releve* r : lancements)
        if (r && !r->estVide()) l.push_back(r);
    if (l.empty()) return {};
    // The launches on one view share its scale, hence the unit.
    const std::string_view unite = uniteAffichee(*l.front());
    const bool numerotes = l.size() > 1;

    std::string t;
    const std::string_view sep = f.separateurChamp;
    const auto colonne = [&](std::string_view nom, std::string_view u, bool derniere = false) {
        t.append(nom).append(" (").append(u).append(")").append(derniere ? "\n" : sep);
    };
    if (numerotes) t.append(tr(Texte::colonneLancement)).append(sep);
    colonne("t", "s");
    colonne("X", unite);
    colonne("Y", unite);
    colonne("Vx", "m/s");
    colonne("Vy", "m/s");
    colonne("V", "m/s", true);

    for (const Releve* r : l) {
        const double echelle = r->Echelle;
        const std::string numero = std::to_string(r->numero);
        for (int i = 0; i <= r->Nfin; ++i) {
            const auto k = static_cast<std::size_t>(i);
            const double valeurs[] = {static_cast<double>(i) * r->pas, r->Xt[k] / echelle, r->Yt[k] / echelle,
                                      r->Vxt[k], r->Vyt[k], vitesseScalaire(r->Vxt[k], r->Vyt[k])};
            if (numerotes) t.append(numero).append(sep);
            for (std::size_t c = 0; c < std::size(valeurs); ++c) {
                if (c > 0) t.append(sep);
                if (std::isfinite(valeurs[c])) t.append(formeGenerale(valeurs[c], f.separateurDecimal).vue());
            }
            t.append("\n");
        }
    }
    return t;
}

Tour mesureTour(const Releve& r)
{
    Tour m;
    if (r.estVide()) return m;
    const auto point = [&](int i) { return std::pair(r.Xt[static_cast<std::size_t>(i)], r.Yt[static_cast<std::size_t>(i)]); };
    m.duree = static_cast<double>(r.Nfin) * r.pas;
    // The angle swept, step by step: each step's turn between the two
    // directions, signed, so that a retrograde orbit counts as well.
    double balaye = 0;
    int fin = r.Nfin;
    for (int i = 1; i <= r.Nfin; ++i) {
        const auto [x0, y0] = point(i - 1);
        const auto [x1, y1] = point(i);
        const double d = std::atan2(x0 * y1 - y0 * x1, x0 * x1 + y0 * y1);
        if (!std::isfinite(d)) break;
        if (std::fabs(balaye + d) >= 2 * std::numbers::pi) {
            const double part = (2 * std::numbers::pi - std::fabs(balaye)) / std::fabs(d);
            m.boucle = true;
            m.periode = (i - 1 + part) * r.pas;
            fin = i;
            break;
        }
        balaye += d;
    }
    double rMin = std::numeric_limits<double>::infinity(), rMax = -1;
    for (int i = 0; i <= fin; ++i) {
        const auto [x, y] = point(i);
        const double d = std::hypot(x, y);
        if (d < rMin) rMin = d, m.proche = i;
        if (d > rMax) rMax = d, m.loin = i;
    }
    const auto vitesse = [&](int i) {
        return vitesseScalaire(r.Vxt[static_cast<std::size_t>(i)], r.Vyt[static_cast<std::size_t>(i)]);
    };
    m.rProche = rMin;
    m.rLoin = rMax;
    m.vProche = vitesse(m.proche);
    m.vLoin = vitesse(m.loin);
    return m;
}

Energies energies(const Releve& r, int i)
{
    const auto k = static_cast<std::size_t>(std::clamp(i, 0, kTaille - 1));
    const double v = vitesseScalaire(r.Vxt[k], r.Vyt[k]);
    const double d = std::hypot(r.Xt[k], r.Yt[k]);
    Energies e;
    e.cinetique = v * v / 2;
    e.potentielle = d > 0 ? -r.GM / d : -std::numeric_limits<double>::max();
    e.totale = e.cinetique + e.potentielle;
    return e;
}

} // namespace orbeline
