#include "charts.h"

#include "SimulationState.h"
#include "fenetre.h"
#include "surface.h"
#include "vitesse.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <span>

namespace orbeline {

namespace {

/// One chart of one run: where it draws, what it plots, and its extremes.
struct Serie {
    int numero = 0;                   ///< picture area number
    const Tableau* valeurs = nullptr; ///< value of each point
    int couleur = 4;                  ///< palette index of the points
    bool sansMinimum = false;         ///< the speed: its floor is 0, not a running minimum
    double max = 0;                   ///< running maximum
    double min = 0;                   ///< running minimum
};

// Scale corners stay within half the double range so that the surface's
// height (bottom − top) is always finite, whatever the record holds.
constexpr double kBorneEchelle = std::numeric_limits<double>::max() / 2;
constexpr double kFloatMax = std::numeric_limits<float>::max();

// Points are handed over in single precision: a chart whose extremes pass the
// float range is drawn in units of a power of two (exact, and 1 otherwise),
// so that its points keep their places instead of piling up at the edge.
double uniteGraphe(const Serie& g)
{
    const double ampleur = std::max(std::fabs(g.max), std::fabs(g.min));
    if (!(ampleur > kFloatMax) || !std::isfinite(ampleur)) return 1;
    return std::ldexp(1.0, std::ilogb(ampleur) - 125);
}

void noteExtremes(Serie& g, double v)
{
    if (v > g.max) g.max = v;
    if (!g.sansMinimum && v < g.min) g.min = v;
    // After every point, so that a bound replaced by ±1 is no longer raised
    // by values between 0 and ±1: every chart's extent contains 0 and is non-zero.
    if (g.max == 0) g.max = 1;
    if (!g.sansMinimum && g.min == 0) g.min = -1;
}

// Each stage runs on every chart of the group before the next one, and
// point i is set on every chart before point i + 1.
void traceGroupe(Fenetre& f, std::span<const Serie> groupe, int n)
{
    std::array<Surface*, kGraphes.size()> surfaces{};
    std::array<double, kGraphes.size()> unites{};
    std::array<Couleur, kGraphes.size()> couleurs{};   // looked up once, not for every point
    for (std::size_t k = 0; k < groupe.size(); ++k) {
        surfaces[k] = &f.picture(groupe[k].numero);
        unites[k] = uniteGraphe(groupe[k]);
        couleurs[k] = couleurPalette(groupe[k].couleur);
    }

    for (std::size_t k = 0; k < groupe.size(); ++k) {
        const double haut = groupe[k].max / unites[k], bas = groupe[k].min / unites[k];
        // The speed's minimum stays 0: its margin is the maximum / 8.
        const double marge = (haut - bas) / 8;
        surfaces[k]->scale(-0.2 * n, std::min(haut + marge, kBorneEchelle),
                           1.2 * n, std::max(bas - marge, -kBorneEchelle));
    }
    for (std::size_t k = 0; k < groupe.size(); ++k)
        surfaces[k]->line(0, 0, static_cast<float>(n), 0);
    for (std::size_t k = 0; k < groupe.size(); ++k)
        surfaces[k]->line(0, enFloat(groupe[k].max / unites[k]), 0, enFloat(groupe[k].min / unites[k]),
                          couleurPalette(7));
    for (std::size_t k = 0; k < groupe.size(); ++k) surfaces[k]->setDrawWidth(1);
    for (int i = 0; i <= n; ++i) {
        const auto idx = static_cast<std::size_t>(i);
        for (std::size_t k = 0; k < groupe.size(); ++k)
            surfaces[k]->pset(static_cast<float>(i), enFloat((*groupe[k].valeurs)[idx] / unites[k]), couleurs[k]);
    }
}

// Each chart's area, then its caption, in table order.
void bascule(Fenetre& f, Case boite)
{
    for (const Graphe& g : kGraphes)
        if (g.boite == boite)
            for (const Role r : {zone(g.picture), legendeGraphe(g.picture)}) f.setVisible(r, !f.estVisible(r));
}

} // namespace

ValeursCases valeursCases(const Fenetre& f)
{
    ValeursCases v{};
    for (std::size_t c = 0; c < v.size(); ++c) v[c] = f.valeurCase(static_cast<Case>(c));
    return v;
}

void TraceVitesse(SimulationState& s, Fenetre& f) { TraceVitesse(s, f, valeursCases(f)); }

void TraceVitesse(SimulationState& s, Fenetre& f, const ValeursCases& cases)
{
    // calcule keeps Nfin within 1..999; a stray value must still neither
    // read past the arrays nor give the charts a zero width.
    const int n = std::clamp<int>(s.Nfin, 1, kTaille - 1);

    std::array<Serie, kGraphes.size()> series{};
    for (std::size_t k = 0; k < kGraphes.size(); ++k)
        series[k] = {kGraphes[k].picture, &(s.*kGraphes[k].serie), kGraphes[k].couleur, kGraphes[k].sansMinimum};

    for (int i = 0; i <= n; ++i) {
        const auto idx = static_cast<std::size_t>(i);
        s.Vt[idx] = vitesseScalaire(s.Vxt[idx], s.Vyt[idx]);
        for (Serie& g : series) noteExtremes(g, (*g.valeurs)[idx]);
    }

    // A group is a run of the table's rows under one box, drawn when the box is checked.
    const std::span<const Serie> tout(series);
    for (std::size_t debut = 0, fin = 0; debut < kGraphes.size(); debut = fin) {
        while (fin < kGraphes.size() && kGraphes[fin].boite == kGraphes[debut].boite) ++fin;
        if (cases[static_cast<std::size_t>(kGraphes[debut].boite)] == 1)
            traceGroupe(f, tout.subspan(debut, fin - debut), n);
    }
}

void basculeGraphes(Fenetre& f, Case c) { bascule(f, c); }
void vitesse_Click(Fenetre& f) { bascule(f, Case::Vitesse); }
void xy_Click(Fenetre& f) { bascule(f, Case::Xy); }

} // namespace orbeline
