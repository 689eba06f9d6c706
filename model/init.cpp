#include "init.h"

#include "calcule.h"
#include "caracteres.h"
#include "formes.h"
#include "lecture.h"
#include "langue.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace orbeline {
namespace {

constexpr Texte kTropGrand = Texte::nombreTropGrand;
constexpr Texte kVide = Texte::champVide;
constexpr Texte kPasUnNombre = Texte::pasUnNombre;
constexpr Texte kArret = Texte::lectureArretee;
constexpr Texte kImmobile = Texte::satelliteImmobile;

CompteRendu tropGrand(std::string_view champ)
{
    CompteRendu r{false, {}};
    remplis(r.message, kTropGrand, {champ});
    return r;
}

// What the reading of one field has to say; empty when nothing.
Message messageChamp(std::size_t k, std::string_view texte, const Separateur& separateur)
{
    const Lecture l = litNombre(texte);
    const std::string_view t = sansBlancs(texte);
    const std::string_view champ = tr(kNomsChamps[k]);
    const auto lu = [&] { return formeGenerale(l.valeur, separateur()); };
    // A comma with nothing after it ends the number as a point would.
    const bool fin = l.arret >= texte.size() || sansBlancs(texte.substr(l.arret)) == ",";
    const bool special = !fin && (static_cast<unsigned char>(texte[l.arret]) >= 0x80 ||
                                  !visible(static_cast<unsigned char>(texte[l.arret])));
    Message m;
    if (special || (l.nombre && !fin))
        remplis(m, kArret, {champ, lu().vue(), nomCaractere(texte, l.arret).vue()});
    else if (k == 5 && std::isfinite(l.valeur) && arrondiPair32(l.valeur / 10) == 0)
        remplis(m, kImmobile, {champ, lu().vue()});   // a step of τ / 10 that rounds to 0
    else if (t.empty())
        remplis(m, kVide, {champ});
    else if (!l.nombre)
        remplis(m, kPasUnNombre, {champ, extrait(t).vue()});
    return m;
}

// The first field whose reading has something to say, and its message; the
// number of fields and nothing when none has.
std::pair<std::size_t, Message> premiereLecture(const ChampsSaisis& champs, const Separateur& separateur)
{
    const std::array<std::string_view, 6> textes{champs.text1, champs.text2, champs.text3,
                                                  champs.text4, champs.text5, champs.text6};
    for (std::size_t k = 0; k < textes.size(); ++k)
        if (Message m = messageChamp(k, textes[k], separateur); !m.estVide()) return {k, m};
    return {textes.size(), {}};
}

// What makes no sense in the values read, for the first field that has it
// and whose reading said nothing (`lu`: the field that said something).
std::string invraisemblance(const SimulationState& s, std::size_t lu, const Separateur& separateur)
{
    const auto nombre = [&](double v) { return std::string(formeGenerale(v, separateur()).vue()); };
    const auto km = [&](double m) { return nombre(std::round(m / 1000)); };
    // calcule's impact test on the start: the impact is its first point.
    const double r2 = s.Xo * s.Xo + s.Yo * s.Yo;
    if (const auto R = arrondiPair32(s.Rayon * 1000); R && r2 < static_cast<double>(*R) * *R)
        return tr(Texte::departInterieur, {km(std::sqrt(r2)), km(*R)});
    const double tape = s.Masse / 1e24;
    if (lu != 4 && !(s.Masse > 0)) return tr(Texte::masseNulle, {tr(kNomsChamps[4]), nombre(tape)});
    if (lu != 4 && tape >= kMasseTapeeMax)
        return tr(Texte::massePuissanceDix, {tr(kNomsChamps[4]), nombre(tape), nombre(s.Masse)});
    // The period of the orbit the start lies on (Kepler's third law), when it is bound.
    const double energie = (s.vx * s.vx + s.vy * s.vy) / 2 - s.GM / std::sqrt(r2);
    if (lu == 5 || !(energie < 0)) return {};
    const double a = -s.GM / (2 * energie);
    const double tour = 2 * std::numbers::pi * std::sqrt(a * a * a / s.GM);
    if (!(std::fabs(s.dt) > tour)) return {};
    // A hundred points a turn, as the window's 864 s does on the geostationary orbit.
    return tr(Texte::tauPlusQuUnTour,
              {tr(kNomsChamps[5]), nombre(s.dt), nombre(std::round(tour)), nombre(std::max(6.0, std::round(tour / 100)))});
}

} // namespace

Message messageLecture(const ChampsSaisis& champs, const Separateur& separateur)
{
    return premiereLecture(champs, separateur).second;
}

std::string messageChamps(const SimulationState& s, const ChampsSaisis& champs, const Separateur& separateur)
{
    const auto [lu, lecture] = premiereLecture(champs, separateur);
    std::string m(lecture.vue());
    const std::string autre = invraisemblance(s, lu, separateur);
    if (!m.empty() && !autre.empty()) m += ' ';
    return m + autre;
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

    if (!std::isfinite(xo)) return tropGrand(tr(kNomsChamps[2]));
    if (!std::isfinite(yo)) return tropGrand(tr(kNomsChamps[3]));
    if (!std::isfinite(vx)) return tropGrand(tr(kNomsChamps[0]));
    if (!std::isfinite(vy)) return tropGrand(tr(kNomsChamps[1]));
    if (!std::isfinite(dt)) return tropGrand(tr(kNomsChamps[5]));
    if (!std::isfinite(masse) || !std::isfinite(gm)) return tropGrand(tr(kNomsChamps[4]));

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
