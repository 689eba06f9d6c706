#include "init.h"

#include "calcule.h"
#include "caracteres.h"
#include "formes.h"
#include "lecture.h"
#include "langue.h"

#include <cmath>

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
Message messageChamp(std::size_t k, std::string_view texte, const std::function<std::string()>& separateur)
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

} // namespace

Message messageLecture(const ChampsSaisis& champs, const std::function<std::string()>& separateur)
{
    const std::array<std::string_view, 6> textes{champs.text1, champs.text2, champs.text3,
                                                  champs.text4, champs.text5, champs.text6};
    for (std::size_t k = 0; k < textes.size(); ++k)
        if (Message m = messageChamp(k, textes[k], separateur); !m.estVide()) return m;
    return {};
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
