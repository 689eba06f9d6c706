#include "init.h"

#include "formes.h"
#include "lecture.h"

#include <cmath>
#include <optional>

namespace orbeline {
namespace {

bool chiffre(char c) { return c >= '0' && c <= '9'; }
bool blanc(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// The comma the reading stopped at, when it stopped at one followed by a
// digit: only a sign, digits and blanks stand before it, so the reading took
// all of them and the comma was meant as a decimal separator.
std::optional<std::size_t> virguleDecimale(std::string_view t)
{
    std::size_t i = 0;
    while (i < t.size() && blanc(t[i])) ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    bool chiffres = false;
    for (; i < t.size() && (chiffre(t[i]) || blanc(t[i])); ++i) chiffres = chiffres || chiffre(t[i]);
    if (!chiffres || i >= t.size() || t[i] != ',') return {};
    std::size_t j = i + 1;
    while (j < t.size() && blanc(t[j])) ++j;
    if (j >= t.size() || !chiffre(t[j])) return {};
    return i;
}

CompteRendu tropGrand(std::string_view champ)
{
    CompteRendu r{false, {}};
    r.message += "Nombre trop grand dans le champ « ";
    r.message += champ;
    r.message += " » : la saisie n'est pas prise en compte.";
    return r;
}

} // namespace

Message conseilVirgule(const ChampsSaisis& champs)
{
    const std::array<std::string_view, 6> textes{champs.text1, champs.text2, champs.text3,
                                                  champs.text4, champs.text5, champs.text6};
    Message m;
    for (std::size_t k = 0; k < textes.size(); ++k) {
        const std::string_view t = textes[k];
        const auto virgule = virguleDecimale(t);
        if (!virgule) continue;
        // The number as typed: from its first character to the end of the digits after the comma.
        const std::size_t debut = t.find_first_not_of(" \t\n");
        std::size_t fin = *virgule + 1;
        while (fin < t.size() && (chiffre(t[fin]) || blanc(t[fin]))) ++fin;
        while (blanc(t[fin - 1])) --fin;
        constexpr std::size_t kLongueurMax = 40;   // a pasted page is not echoed whole
        if (fin - debut > kLongueurMax) continue;
        const std::string_view avant = t.substr(debut, *virgule - debut), apres = t.substr(*virgule + 1, fin - *virgule - 1);
        m += "Dans « ";
        m += kNomsChamps[k];
        m += " », ";
        m += avant;
        m += ",";
        m += apres;
        m += " est lu ";
        m += formeGenerale(lisNombre(t), ".").vue();
        m += " : tapez ";
        m += avant;
        m += ".";
        m += apres;
        m += " (le point sépare les décimales).";
        return m;
    }
    return m;
}

CompteRendu init(SimulationState& s, const ChampsSaisis& champs)
{
    // Everything is computed before anything is written, so that a failure
    // leaves the record untouched.
    const double xo = lisNombre(champs.text3) * s.Echelle;
    const double yo = lisNombre(champs.text4) * s.Echelle;
    const double vx = lisNombre(champs.text1);
    const double vy = lisNombre(champs.text2);
    const double dt = lisNombre(champs.text6);
    const double masse = lisNombre(champs.text5) * 1e24;
    const double gm = masse * kG;

    if (!std::isfinite(xo)) return tropGrand(kNomsChamps[2]);
    if (!std::isfinite(yo)) return tropGrand(kNomsChamps[3]);
    if (!std::isfinite(vx)) return tropGrand(kNomsChamps[0]);
    if (!std::isfinite(vy)) return tropGrand(kNomsChamps[1]);
    if (!std::isfinite(dt)) return tropGrand(kNomsChamps[5]);
    if (!std::isfinite(masse) || !std::isfinite(gm)) return tropGrand(kNomsChamps[4]);

    s.Yt.fill(0);
    s.Xt.fill(0);
    s.Xo = xo;
    s.Yo = yo;
    s.vx = vx;
    s.vy = vy;
    s.dt = dt;
    s.Masse = masse;
    s.Xt[0] = s.Xo;
    s.Yt[0] = s.Yo;
    s.Vxt[0] = s.vx;
    s.Vyt[0] = s.vy;
    s.GM = gm;
    s.NbPoints = static_cast<std::int16_t>(100 * (champs.option100 ? 1 : 0) +
                                           1000 * (champs.option1000 ? 1 : 0));
    return {};
}

} // namespace orbeline
