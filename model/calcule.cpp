#include "calcule.h"

#include "formes.h"
#include "langue.h"

#include <array>
#include <cmath>
#include <limits>
#include <string>

namespace orbeline {

std::optional<std::int32_t> arrondiPair32(double v)
{
    if (!std::isfinite(v)) return std::nullopt;
    const double bas = std::floor(v);
    const double reste = v - bas;
    double r = bas;
    if (reste > 0.5 || (reste == 0.5 && std::fmod(bas, 2.0) != 0)) r = bas + 1;
    if (r < std::numeric_limits<std::int32_t>::min() || r > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(r);
}

namespace {

bool finis(std::initializer_list<double> valeurs)
{
    for (double v : valeurs)
        if (!std::isfinite(v)) return false;
    return true;
}

void ecritImpact(ResultatCalcul& r, const SimulationState& s, std::int32_t pas)
{
    remplis(r.label11, tr(Texte::impactTemps), {formeSignee(static_cast<double>(s.Nfin) * pas).vue()});
    remplis(r.label12, tr(Texte::impactVitesse),
            {formeSignee(std::floor(s.vx)).vue(), formeSignee(std::floor(s.vy)).vue()});
}

ResultatCalcul refus(Texte texte, std::string_view partie = {})
{
    ResultatCalcul r;
    r.compteRendu.ok = false;
    remplis(r.compteRendu.message, texte, {partie});
    return r;
}

} // namespace

ResultatCalcul calcule(SimulationState& s)
{
    // The two conversions to whole numbers are checked first: a refused run
    // leaves the record as init left it.
    const auto pasArrondi = arrondiPair32(s.dt / 10);
    if (!pasArrondi) return refus(kTauTropGrand, tr(kNomsChamps[5]));
    const auto rayonArrondi = arrondiPair32(s.Rayon * 1000);
    if (!rayonArrondi) return refus(kRayonTropGrand);
    const std::int32_t pas = *pasArrondi;
    const std::int32_t R = *rayonArrondi;
    const double R2 = static_cast<double>(R) * static_cast<double>(R);
    const double p = pas;

    ResultatCalcul r;
    r.pas = pas;
    s.x = s.Xo;
    s.y = s.Yo;
    s.Nfin = kPas;

    for (std::int16_t i = 1; i <= kPas; ++i) {
        const double r2 = s.x * s.x + s.y * s.y;
        const double r3 = std::pow(r2, 1.5);
        double ax = 0, ay = 0;
        // A zero distance (or one whose cube underflows) has no direction:
        // no force is applied; the impact test below ends the run.
        if (r3 != 0) {
            ax = (-s.GM * s.x) / r3;
            ay = (-s.GM * s.y) / r3;
        }
        const double vx = s.vx + ax * p;
        const double vy = s.vy + ay * p;
        const double x = s.x + vx * p;
        const double y = s.y + vy * p;

        if (!finis({r2, ax, ay, vx, vy, x, y})) {
            // Stop at the last finite point; a failure at the first step
            // keeps the satellite where it started.
            if (i == 1) {
                s.Xt[1] = s.Xt[0]; s.Yt[1] = s.Yt[0];
                s.Vxt[1] = s.Vxt[0]; s.Vyt[1] = s.Vyt[0];
                s.x = s.Xt[0]; s.y = s.Yt[0];
                s.vx = s.Vxt[0]; s.vy = s.Vyt[0];
            }
            s.Nfin = static_cast<std::int16_t>(i == 1 ? 1 : i - 1);
            r.compteRendu.ok = false;
            remplis(r.compteRendu.message, kCalculArrete, {std::to_string(static_cast<int>(i))});
            return r;
        }

        s.ax = ax; s.ay = ay;
        s.vx = vx; s.vy = vy;
        s.x = x; s.y = y;
        s.Vxt[i] = s.vx;
        s.Vyt[i] = s.vy;
        s.Xt[i] = s.x;
        s.Yt[i] = s.y;

        if (r2 < R2) {
            s.Nfin = i;
            ecritImpact(r, s, pas);
            return r;
        }
    }
    return r;
}

} // namespace orbeline
