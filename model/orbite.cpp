#include "orbite.h"

#include "formes.h"
#include "langue.h"
#include "vitesse.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace orbeline {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kInfini = std::numeric_limits<double>::infinity();

// An angle brought into (−π, π].
double normalise(double a)
{
    if (!std::isfinite(a)) return 0;
    // fmod, which the program has already, rather than remainder: both are
    // exact, and so is each step below (the operands within a factor of 2).
    // Where remainder would give ±π by its quotient's parity, π either way.
    a = std::fmod(a, 2 * kPi);
    if (a > kPi) return a - 2 * kPi;
    return a <= -kPi ? a + 2 * kPi : a;
}

bool fini(std::initializer_list<double> v)
{
    return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
}

// The largest true anomaly an open conic reaches (its asymptote's), less a hair.
double nuLimite(const Conique& c)
{
    if (c.e < 1) return kInfini;
    return (c.e == 1 ? kPi : std::acos(-1 / c.e)) - 1e-9;
}

// Along a radius: the time to go from the centre to distance r (outward; the
// way in takes as long), for an energy of zero or more.
double tempsRadialOuvert(const Conique& c, double r)
{
    if (c.energie == 0) return std::sqrt(2.0) / 3 * std::pow(r, 1.5) / std::sqrt(c.GM);
    const double a = c.GM / (2 * c.energie), u = r / a;
    // η = acosh(1 + u), by log1p: 1 + u is not rounded first, and the page
    // needs no C library log for it (its 4 kB table).
    const double eta = std::log1p(u + std::sqrt(u) * std::sqrt(u + 2));
    return std::sqrt(a * a * a / c.GM) * (std::sinh(eta) - eta);
}

// Along a radius, bound: the parameter η of r = a(1 − cos η), t = √(a³/GM)(η − sin η), η in [0, 2π).
double etaRadial(const Conique& c, double r, bool descend)
{
    const double eta = std::acos(std::clamp(1 - r / c.a, -1.0, 1.0));
    return descend ? 2 * kPi - eta : eta;
}

std::optional<ImpactExact> impactRadial(const Conique& c, double R, double vR)
{
    if (c.energie < 0) {
        const double e0 = etaRadial(c, c.r0, c.vr0 < 0), eR = etaRadial(c, R, true);
        const double t = std::sqrt(c.a * c.a * c.a / c.GM) * ((eR - std::sin(eR)) - (e0 - std::sin(e0)));
        return ImpactExact{std::max(0.0, t), vR};
    }
    if (c.vr0 >= 0) return std::nullopt;   // away for ever
    return ImpactExact{std::max(0.0, tempsRadialOuvert(c, c.r0) - tempsRadialOuvert(c, R)), vR};
}

// The anomaly of the next meeting with the sphere of radius R after the start (νR below the start's when it falls now).
std::optional<double> nuImpact(const Conique& c, double R)
{
    const double rp = c.p / (1 + c.e);
    if (!(rp < R)) return std::nullopt;
    const double nuR = std::acos(std::clamp((c.p / R - 1) / c.e, -1.0, 1.0));
    if (c.nu0 <= -nuR) return -nuR;
    if (c.e < 1) return 2 * kPi - nuR;   // round the apoapsis, then down
    return std::nullopt;                 // moving away on an open branch
}

} // namespace

double Conique::rayon(double nu) const { return p / (1 + e * std::cos(nu)); }

std::pair<double, double> Conique::point(double nu) const
{
    const double r = rayon(nu), theta = omega + sens * nu;
    return {r * std::cos(theta), r * std::sin(theta)};
}

double Conique::temps(double nu) const
{
    if (e < 1) {
        const double E = 2 * std::atan2(std::sqrt(1 - e) * std::sin(nu / 2), std::sqrt(1 + e) * std::cos(nu / 2));
        return (E - e * std::sin(E)) * std::sqrt(a * a * a / GM);
    }
    if (e > 1) {
        const double H = 2 * std::atanh(std::sqrt((e - 1) / (e + 1)) * std::tan(nu / 2));
        return (e * std::sinh(H) - H) * std::sqrt(-a * a * a / GM);
    }
    const double D = std::tan(nu / 2);
    return 0.5 * std::sqrt(p * p * p / GM) * (D + D * D * D / 3);
}

Conique conique(double x, double y, double vx, double vy, double GM)
{
    Conique c;
    const double r = std::hypot(x, y), v2 = vx * vx + vy * vy;
    if (!(r > 0) || !(GM > 0) || !fini({r, v2, GM, x * vy, y * vx})) return c;
    c.GM = GM;
    c.r0 = r;
    c.ux = x / r, c.uy = y / r;
    c.vr0 = (x * vx + y * vy) / r;
    c.energie = v2 / 2 - GM / r;
    const double h = x * vy - y * vx;
    c.a = c.energie != 0 ? -GM / (2 * c.energie) : kInfini;
    if (!std::isfinite(c.energie)) return Conique{};
    // No angular momentum (to the rounding of the products): the motion stays on the radius.
    if (std::fabs(h) <= 1e-12 * r * std::sqrt(v2)) {
        c.forme = FormeOrbite::Droite;
        c.e = 1;
        return c;
    }
    c.sens = h > 0 ? 1 : -1;
    c.p = h * h / GM;
    const double k = v2 - GM / r, rv = x * vx + y * vy;
    const double ex = (k * x - rv * vx) / GM, ey = (k * y - rv * vy) / GM;
    c.e = std::hypot(ex, ey);
    if (!fini({c.p, c.e})) return Conique{};
    // A circle's periapsis is anywhere: the start's.
    c.omega = c.e > 1e-12 ? std::atan2(ey, ex) : std::atan2(y, x);
    c.nu0 = normalise(c.sens * (std::atan2(y, x) - c.omega));
    if (std::fabs(c.e - 1) < kParabole) c.forme = FormeOrbite::Parabole;
    else if (c.e < kCercle) c.forme = FormeOrbite::Cercle;
    else c.forme = c.e < 1 ? FormeOrbite::Ellipse : FormeOrbite::Hyperbole;
    if (c.e < 1 && c.forme != FormeOrbite::Parabole) c.periode = 2 * kPi * std::sqrt(c.a * c.a * c.a / GM);
    return c;
}

Conique conique(const Releve& r)
{
    if (r.estVide()) return {};
    return conique(r.Xt[0], r.Yt[0], r.Vxt[0], r.Vyt[0], r.GM);
}

std::optional<ImpactExact> impactExact(const Conique& c, double R)
{
    if (c.forme == FormeOrbite::Aucune || !(R > 0)) return std::nullopt;
    const double vR = std::sqrt(std::max(0.0, 2 * (c.energie + c.GM / R)));
    if (c.r0 <= R) return ImpactExact{0, std::sqrt(std::max(0.0, 2 * (c.energie + c.GM / c.r0)))};
    if (c.forme == FormeOrbite::Droite) return impactRadial(c, R, vR);
    const auto nu = nuImpact(c, R);
    if (!nu) return std::nullopt;
    const double t = *nu > kPi ? c.periode - (c.temps(c.nu0) - c.temps(*nu - 2 * kPi)) : c.temps(*nu) - c.temps(c.nu0);
    return ImpactExact{std::max(0.0, t), vR};
}

std::vector<std::pair<double, double>> arcConique(const Conique& c, double R, double rMax, int n)
{
    std::vector<std::pair<double, double>> l;
    if (c.forme == FormeOrbite::Aucune || n < 2) return l;
    if (c.forme == FormeOrbite::Droite) {
        // The radius it runs along, from the surface (or the centre) to as high as it goes.
        const double haut = c.energie < 0 ? std::min(2 * c.a, rMax) : (c.vr0 < 0 ? c.r0 : rMax);
        const double bas = std::min(std::max(R, 0.0), c.r0);
        for (const double r : {bas, std::max(bas, haut)}) l.push_back({r * c.ux, r * c.uy});
        return l;
    }
    double debut = 0, fin = 0;
    if (const auto nu = nuImpact(c, R); nu && c.r0 > R) {
        debut = c.nu0, fin = *nu;
    } else if (c.e < 1) {
        debut = c.nu0, fin = c.nu0 + 2 * kPi;
    } else {
        // The whole branch within rMax of the centre.
        const double bord = std::min(nuLimite(c), std::acos(std::clamp((c.p / rMax - 1) / c.e, -1.0, 1.0)));
        debut = -bord, fin = bord;
    }
    if (!(fin > debut)) return l;
    for (int k = 0; k <= n; ++k) l.push_back(c.point(debut + (fin - debut) * k / n));
    return l;
}

int finPremierTour(const Releve& r)
{
    const Tour t = mesureTour(r);
    if (!t.boucle) return r.Nfin;
    // The first point past the turn's end.
    return std::min<int>(r.Nfin, static_cast<int>(std::ceil(t.periode / std::max<double>(1, r.pas))));
}

Ecart ecartConique(const Releve& r, const Conique& c, int fin)
{
    Ecart e;
    if (r.estVide() || c.forme == FormeOrbite::Aucune) return e;
    fin = std::clamp(fin, 0, static_cast<int>(r.Nfin));
    const double limite = nuLimite(c);
    for (int i = 0; i <= fin; ++i) {
        const double x = r.Xt[static_cast<std::size_t>(i)], y = r.Yt[static_cast<std::size_t>(i)];
        double d = 0;
        if (c.forme == FormeOrbite::Droite) {
            d = x * c.ux + y * c.uy >= 0 ? std::fabs(x * c.uy - y * c.ux) : std::hypot(x, y);
        } else {
            // The nearest point of the curve lies near the one seen in the same direction:
            // a golden-section search around it.
            const auto d2 = [&](double nu) {
                const auto [px, py] = c.point(nu);
                return (px - x) * (px - x) + (py - y) * (py - y);
            };
            const double nu = normalise(c.sens * (std::atan2(y, x) - c.omega));
            double g = std::max(nu - 0.5, -limite), h = std::min(nu + 0.5, limite);
            constexpr double kOr = 0.6180339887498949;
            for (int k = 0; k < 60 && h - g > 1e-13; ++k) {
                const double m1 = h - kOr * (h - g), m2 = g + kOr * (h - g);
                if (d2(m1) < d2(m2)) h = m2;
                else g = m1;
            }
            d = std::sqrt(std::min(d2((g + h) / 2), d2(std::clamp(nu, -limite, limite))));
        }
        if (std::isfinite(d) && d > e.distance) e = {d, i};
    }
    return e;
}

std::vector<int> pointsFleches(const Releve& r)
{
    std::vector<int> l;
    if (r.estVide()) return l;
    const int pas = std::max(1, r.pasTrace) * (r.pasTrace <= 1 ? 10 : 1);
    for (int i = 1; i <= r.Nfin; i += pas) l.push_back(i);
    return l;
}

VecteursPoint vecteursPoint(const Releve& r, int i, double masse)
{
    VecteursPoint v;
    if (r.estVide()) return v;
    i = std::clamp(i, 0, static_cast<int>(r.Nfin));
    const auto k = [](int n) { return static_cast<std::size_t>(n); };
    v.vitesse = {r.Vxt[k(i)], r.Vyt[k(i)]};
    const int pas = std::max(1, r.pasTrace);
    v.precedent = i - pas, v.suivant = i + pas;
    v.duree = static_cast<double>(v.suivant - v.precedent) * r.pas;
    if (sansVariation(r, i) == SansFleche::Aucune)
        v.variation = std::array{r.Vxt[k(v.suivant)] - r.Vxt[k(v.precedent)], r.Vyt[k(v.suivant)] - r.Vyt[k(v.precedent)]};
    if (sansForce(r, i, masse) == SansFleche::Aucune) {
        const double x = r.Xt[k(i)], y = r.Yt[k(i)], d = std::hypot(x, y);
        // GM/d × m/d: no square leaves the double range first.
        const double f = r.GM / d * (masse / d);
        v.force = std::array{-f * x / d, -f * y / d};
    }
    return v;
}

SansFleche sansVariation(const Releve& r, int i)
{
    const int pas = std::max(1, r.pasTrace);
    if (i - pas < 0) return SansFleche::PremierPoint;
    if (i + pas > r.Nfin) return SansFleche::DernierPoint;
    return SansFleche::Aucune;
}

SansFleche sansForce(const Releve& r, int i, double masse)
{
    if (!(r.GM > 0)) return SansFleche::SansAttraction;
    if (!(masse > 0) || !std::isfinite(masse)) return SansFleche::MasseNulle;
    const auto k = static_cast<std::size_t>(std::clamp(i, 0, kTaille - 1));
    if (!(std::hypot(r.Xt[k], r.Yt[k]) > 0)) return SansFleche::Centre;
    return SansFleche::Aucune;
}

Kepler mesureKepler(const Releve& r)
{
    const Tour t = mesureTour(r);
    Kepler k;
    if (!t.boucle) return k;
    k.tour = true;
    k.a = (t.rProche + t.rLoin) / 2;
    k.T = t.periode;
    k.rapport = k.T * k.T / (k.a * k.a * k.a);
    return k;
}

double constanteKepler(double GM) { return 4 * kPi * kPi / GM; }

std::string ecritureScientifique(double v, int chiffres, std::string_view separateur)
{
    double simple = v;   // the value written plainly
    if (std::isfinite(v) && v != 0) {
        int exposant = static_cast<int>(std::floor(std::log10(std::fabs(v))));
        double mantisse = v / std::pow(10.0, exposant);
        const double p = std::pow(10.0, chiffres - 1);
        mantisse = std::round(mantisse * p) / p;
        if (std::fabs(mantisse) >= 10) mantisse /= 10, ++exposant;   // 9.9996 rounded up
        if (exposant < -3 || exposant >= 6) return puissanceDix(mantisse, exposant, separateur);
        const double q = std::pow(10.0, exposant - chiffres + 1);
        simple = std::round(v / q) * q;
    }
    return std::string(formeGenerale(simple, separateur).vue());
}

} // namespace orbeline
