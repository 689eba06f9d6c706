#include "init.h"

#include "lecture.h"

#include <cmath>

namespace orbeline {
namespace {

CompteRendu tropGrand(std::string_view champ)
{
    CompteRendu r{false, {}};
    r.message += "Nombre trop grand dans le champ « ";
    r.message += champ;
    r.message += " » : la saisie n'est pas prise en compte.";
    return r;
}

} // namespace

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

    if (!std::isfinite(xo)) return tropGrand("X initial");
    if (!std::isfinite(yo)) return tropGrand("Y initial");
    if (!std::isfinite(vx)) return tropGrand("Vox (m/s)");
    if (!std::isfinite(vy)) return tropGrand("Voy (m/s)");
    if (!std::isfinite(dt)) return tropGrand("τ (en s)");
    if (!std::isfinite(masse) || !std::isfinite(gm)) return tropGrand("masse de l'attracteur");

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
