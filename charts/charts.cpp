#include "charts.h"

#include "SimulationState.h"
#include "fenetre.h"
#include "formes.h"
#include "orbite.h"
#include "surface.h"
#include "vitesse.h"
#include "vue.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <span>
#include <vector>

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
        if (kGraphes[k].serie)
            series[k] = {kGraphes[k].picture, &(s.*kGraphes[k].serie), kGraphes[k].couleur, kGraphes[k].sansMinimum};

    for (int i = 0; i <= n; ++i) {
        const auto idx = static_cast<std::size_t>(i);
        s.Vt[idx] = vitesseScalaire(s.Vxt[idx], s.Vyt[idx]);
        for (Serie& g : series)
            if (g.valeurs) noteExtremes(g, (*g.valeurs)[idx]);
    }

    // A group is a run of the table's rows under one box, drawn when the box
    // is checked; a chart of its own kind (no series) has its own procedure.
    const std::span<const Serie> tout(series);
    for (std::size_t debut = 0, fin = 0; debut < kGraphes.size(); debut = fin) {
        while (fin < kGraphes.size() && kGraphes[fin].boite == kGraphes[debut].boite) ++fin;
        if (cases[static_cast<std::size_t>(kGraphes[debut].boite)] == 1 && kGraphes[debut].serie)
            traceGroupe(f, tout.subspan(debut, fin - debut), n);
    }
}

namespace {

// A chart's value at point i of a kept launch (its speed computed as V(t)'s).
double valeur(const Graphe& g, const Releve& r, std::size_t i)
{
    if (g.serie == &SimulationState::Xt) return r.Xt[i];
    if (g.serie == &SimulationState::Yt) return r.Yt[i];
    if (g.serie == &SimulationState::Vxt) return r.Vxt[i];
    if (g.serie == &SimulationState::Vyt) return r.Vyt[i];
    return vitesseScalaire(r.Vxt[i], r.Vyt[i]);
}

int dernier(const Releve& r) { return std::clamp<int>(r.Nfin, 0, kTaille - 1); }

// Where the launches' points go along the charts: at their time in seconds,
// or at their index when none of them lasts (a step of 0).
struct Abscisses {
    bool enTemps = true;
    double fin = 1;   ///< the last abscissa of them all
    double de(const Releve& r, int i) const { return enTemps ? i * std::fabs(static_cast<double>(r.pas)) : i; }
};

Abscisses abscisses(std::span<const CourbeLancement> l)
{
    Abscisses a;
    double duree = 0;
    int points = 1;
    for (const CourbeLancement& c : l) {
        duree = std::max(duree, std::fabs(static_cast<double>(c.releve->pas)) * dernier(*c.releve));
        points = std::max(points, dernier(*c.releve));
    }
    if (duree > 0 && std::isfinite(duree)) a.fin = duree;
    else a = {false, static_cast<double>(points)};
    return a;
}

// A number rounded to n significant digits, for the texts on the charts.
double chiffres(double v, int n)
{
    if (v == 0 || !std::isfinite(v)) return v;
    const double p = std::pow(10.0, n - 1 - static_cast<int>(std::floor(std::log10(std::fabs(v)))));
    return std::isfinite(p) && std::isfinite(v * p) ? std::round(v * p) / p : v;
}

std::string_view uniteAffichee(const Releve& r)
{
    std::string_view u(r.Unite.data(), r.Unite.size());
    while (u.starts_with(' ')) u.remove_prefix(1);
    while (u.ends_with(' ')) u.remove_suffix(1);
    return u;
}

} // namespace

const Graphe* graphe(int picture)
{
    for (const Graphe& g : kGraphes)
        if (g.picture == picture) return &g;
    return nullptr;
}

void TraceLancements(std::span<const CourbeLancement> lancements, Fenetre& f, const ValeursCases& cases)
{
    std::vector<CourbeLancement> l;
    for (const CourbeLancement& c : lancements)
        if (c.releve && !c.releve->estVide()) l.push_back(c);
    if (l.empty()) return;
    const Abscisses a = abscisses(l);
    const auto fin = static_cast<float>(a.fin);
    for (std::size_t debut = 0, fin0 = 0; debut < kGraphes.size(); debut = fin0) {
        while (fin0 < kGraphes.size() && kGraphes[fin0].boite == kGraphes[debut].boite) ++fin0;
        if (cases[static_cast<std::size_t>(kGraphes[debut].boite)] != 1 || !kGraphes[debut].serie) continue;
        const std::span<const Graphe> groupe(kGraphes.data() + debut, fin0 - debut);
        std::array<Serie, kGraphes.size()> series{};
        for (std::size_t k = 0; k < groupe.size(); ++k) {
            Serie& g = series[k];
            g = {groupe[k].picture, nullptr, groupe[k].couleur, groupe[k].sansMinimum};
            for (const CourbeLancement& c : l)
                for (int i = 0; i <= dernier(*c.releve); ++i)
                    noteExtremes(g, valeur(groupe[k], *c.releve, static_cast<std::size_t>(i)));
        }
        // The same stages as one launch's charts, over the whole span.
        for (std::size_t k = 0; k < groupe.size(); ++k) {
            Surface& s = f.picture(series[k].numero);
            const double unite = uniteGraphe(series[k]);
            const double haut = series[k].max / unite, bas = series[k].min / unite, marge = (haut - bas) / 8;
            s.scale(-0.2 * a.fin, std::min(haut + marge, kBorneEchelle), 1.2 * a.fin, std::max(bas - marge, -kBorneEchelle));
            s.line(0, 0, fin, 0);
            s.line(0, enFloat(haut), 0, enFloat(bas), couleurPalette(7));
            s.setDrawWidth(1);
        }
        for (const CourbeLancement& c : l)
            for (int i = 0; i <= dernier(*c.releve); ++i)
                for (std::size_t k = 0; k < groupe.size(); ++k) {
                    const double v = valeur(groupe[k], *c.releve, static_cast<std::size_t>(i)) / uniteGraphe(series[k]);
                    f.picture(series[k].numero)
                        .pset(static_cast<float>(a.de(*c.releve, i)), enFloat(v),
                              c.couleur.value_or(couleurPalette(groupe[k].couleur)));
                }
    }
}

void TraceEnergie(const Releve& r, Fenetre& f, std::string_view separateur)
{
    const Graphe* g = nullptr;
    for (const Graphe& e : kGraphes)
        if (e.boite == Case::Energie) g = &e;
    if (!g || r.estVide()) return;
    Surface& s = f.picture(g->picture);
    const int n = std::max(1, dernier(r));
    const CourbeLancement seul{&r, {}};
    const Abscisses a = abscisses(std::span(&seul, 1));
    const double W = s.largeurPixels(), H = s.hauteurPixels();

    // The energies of every point; a value past the double range is left out.
    std::vector<Energies> e;
    double bas = 0, haut = 0, emMin = std::numeric_limits<double>::infinity(), emMax = -emMin;
    for (int i = 0; i <= n; ++i) {
        const Energies v = energies(r, i);
        e.push_back(v);
        for (const double x : {v.cinetique, v.potentielle, v.totale})
            if (std::isfinite(x)) bas = std::min(bas, x), haut = std::max(haut, x);
        if (std::isfinite(v.totale)) emMin = std::min(emMin, v.totale), emMax = std::max(emMax, v.totale);
    }
    if (!(emMin <= emMax)) emMin = emMax = 0;
    if (haut == bas) haut = 1;

    // Two bands of rows: all three energies above, the total alone below.
    const double bande1 = 14, bande2 = std::round(H * 0.55), bande3 = bande2 + 16, bande4 = H - 14;
    const auto echelle = [&](double de, double a0, double lo, double hi) {
        if (hi == lo) lo -= std::max(1.0, std::fabs(lo) * 1e-6), hi += std::max(1.0, std::fabs(hi) * 1e-6);
        const double parPixel = (hi - lo) / (a0 - de);
        s.scale(-0.05 * a.fin, std::min(hi + parPixel * de, kBorneEchelle), 1.05 * a.fin,
                std::max(lo - parPixel * (H - a0), -kBorneEchelle));
    };
    const Couleur kBleu{0, 114, 178}, kVermillon{213, 94, 0}, kNoir{0, 0, 0};
    const auto nombre = [&](double v, int c) {
        return tr(Texte::energieValeur, {formeGenerale(chiffres(v, c), separateur).vue()});
    };

    // The texts, from the area's pixels.
    s.scale(0, 0, W, H);
    s.setDrawWidth(1);
    s.line(0, static_cast<float>(bande2 + 8), static_cast<float>(W), static_cast<float>(bande2 + 8), couleurPalette(7));
    const std::array<std::pair<Texte, Couleur>, 3> noms{{{Texte::energieCinetique, kBleu},
                                                         {Texte::energiePotentielle, kVermillon},
                                                         {Texte::energieTotale, kNoir}}};
    for (std::size_t k = 0; k < noms.size(); ++k)
        s.texte(static_cast<float>(3 + 24 * k), 2, tr(noms[k].first), Ancre::HautGauche, noms[k].second);
    s.texte(static_cast<float>(W - 3), 2, nombre(haut, 3), Ancre::HautDroite);
    s.texte(static_cast<float>(W - 3), static_cast<float>(bande2 + 6), nombre(bas, 3), Ancre::BasDroite);
    s.texte(3, static_cast<float>(bande2 + 10), tr(Texte::energieZoom), Ancre::HautGauche);
    // As many digits as tell the total's extremes apart.
    const double ecart = emMax - emMin, reference = std::fabs(e.front().totale);
    const int c = ecart > 0 ? std::clamp(3 + static_cast<int>(std::ceil(std::log10(std::max(std::fabs(emMin), std::fabs(emMax)) / ecart))), 3, 15) : 4;
    s.texte(static_cast<float>(W - 3), static_cast<float>(bande2 + 22), nombre(emMax, c), Ancre::HautDroite);
    s.texte(static_cast<float>(W - 3), static_cast<float>(bande4 + 1), nombre(emMin, c), Ancre::BasDroite);
    const double pourcent = reference > 0 && std::isfinite(ecart) ? chiffres(ecart / reference * 100, 2) : 0;
    s.texte(3, static_cast<float>(H - 1), tr(Texte::energieEcart, {formeGenerale(pourcent, separateur).vue()}), Ancre::BasGauche);
    s.texte(static_cast<float>(W - 3), static_cast<float>(H - 1),
            tr(Texte::energieTemps, {formeGenerale(std::round(a.fin), separateur).vue()}), Ancre::BasDroite);

    // The three energies, the time axis at 0; then the total alone.
    echelle(bande1, bande2, bas, haut);
    s.line(0, 0, static_cast<float>(a.fin), 0, couleurPalette(7));
    for (int i = 0; i <= n; ++i) {
        const auto t = static_cast<float>(a.de(r, i));
        const Energies& v = e[static_cast<std::size_t>(i)];
        const std::array<double, 3> valeurs{v.cinetique, v.potentielle, v.totale};
        for (std::size_t k = 0; k < valeurs.size(); ++k)
            if (std::isfinite(valeurs[k])) s.pset(t, enFloat(valeurs[k]), noms[k].second);
    }
    echelle(bande3, bande4, emMin, emMax);
    for (int i = 0; i <= n; ++i)
        if (const double v = e[static_cast<std::size_t>(i)].totale; std::isfinite(v))
            s.pset(static_cast<float>(a.de(r, i)), enFloat(v), kNoir);
}

std::string bulleGraphe(const Graphe& g, std::span<const CourbeLancement> lancements, bool enTemps, float x)
{
    std::vector<const Releve*> l;
    for (const CourbeLancement& c : lancements)
        if (c.releve && !c.releve->estVide()) l.push_back(c.releve);
    if (!g.serie || l.empty() || !std::isfinite(x)) return {};
    std::vector<CourbeLancement> courbes;
    for (const Releve* r : l) courbes.push_back({r, {}});
    const Abscisses a = enTemps ? abscisses(courbes) : Abscisses{false, static_cast<double>(dernier(*l.back()))};
    const auto dixieme = [](double v) { return formeSignee(std::round(v * 10) / 10); };
    // Lengths in the display unit (the launches of a view share it).
    const double echelle = g.longueur ? l.front()->Echelle : 1;
    const std::string_view unite = g.longueur ? uniteAffichee(*l.front()) : std::string_view("m/s");

    std::string t;
    double min = std::numeric_limits<double>::infinity(), max = -min;
    for (const Releve* r : l) {
        const int n = dernier(*r);
        const double pas = a.enTemps ? std::fabs(static_cast<double>(r->pas)) : 1;
        const int i = static_cast<int>(std::clamp(std::round(x / pas), 0.0, static_cast<double>(n)));
        for (int k = 0; k <= n; ++k) {
            const double v = valeur(g, *r, static_cast<std::size_t>(k)) / echelle;
            if (std::isfinite(v)) min = std::min(min, v), max = std::max(max, v);
        }
        const auto temps = formeSignee(static_cast<double>(i) * r->pas);
        const auto v = dixieme(valeur(g, *r, static_cast<std::size_t>(i)) / echelle);
        if (!t.empty()) t += '\n';
        if (l.size() > 1)
            t += tr(Texte::bulleGrapheLancement, {std::to_string(r->numero), temps.vue(), g.symbole, v.vue(), unite});
        else
            t += tr(Texte::bulleGraphe, {tr(g.titre), temps.vue(), g.symbole, v.vue(), unite});
    }
    if (min > max) min = max = 0;
    const double fin = a.enTemps ? a.fin : a.fin * l.back()->pas;
    t += '\n';
    t += tr(Texte::bulleGrapheEtendue, {formeSignee(fin).vue(), g.symbole, dixieme(min).vue(), dixieme(max).vue(), unite});
    return t;
}

void TraceKepler(Surface& s, std::span<const PointKepler> points, double GM, std::string_view separateur)
{
    const double W = s.largeurPixels(), H = s.hauteurPixels();
    const double k = constanteKepler(GM);
    // The plot in the upper part, from its axes' corner; the values under it.
    const double gauche = 10, droite = W - 12, haut = 16, bas = std::round(H * 0.6);
    const Couleur kNoir{0, 0, 0};
    s.scale(0, 0, W, H);
    s.setDrawWidth(1);
    s.texte(3, 2, tr(Texte::keplerAxeT), Ancre::HautGauche);
    s.texte(static_cast<float>(W - 3), static_cast<float>(bas + 3), tr(Texte::keplerAxeA), Ancre::HautDroite);
    std::string lignes = tr(Texte::keplerConstante, {ecritureScientifique(k, 4, separateur)});
    if (points.empty()) lignes += '\n' + std::string(tr(Texte::keplerSansTour));
    ecritLignes(s, 3, bas + 18, lignes);
    double y = bas + 18 + 2 * (kCorpsTexte + 1);
    for (const PointKepler& p : points) {
        const double rapport = p.T * p.T / (p.a * p.a * p.a);
        ecritLignes(s, 3, y, tr(Texte::keplerLancement, {std::to_string(p.numero), ecritureScientifique(rapport, 4, separateur)}),
                    p.couleur.value_or(kNoir));
        y += kCorpsTexte + 1;
    }

    double xMax = 0, yMax = 0;
    for (const PointKepler& p : points) {
        xMax = std::max(xMax, p.a * p.a * p.a);
        yMax = std::max(yMax, p.T * p.T);
    }
    if (!(xMax > 0) || !std::isfinite(xMax) || !std::isfinite(yMax) || !(k > 0) || !std::isfinite(k)) return;
    yMax = std::max(yMax, k * xMax);
    // User units: a thousandth of the largest a³ along x, of the largest T² upward (the
    // painters take no coordinate near 10²²), the origin on the axes' corner, 15 % to spare.
    const double ux = xMax / 1000, uy = yMax / 1000, parX = 1150.0 / (droite - gauche), parY = 1150.0 / (bas - haut);
    s.scale(-gauche * parX, 1150 + haut * parY, (W - gauche) * parX, 1150 - (H - haut) * parY);
    s.line(0, 0, 1150, 0, couleurPalette(8));
    s.line(0, 0, 0, 1150, couleurPalette(8));
    s.line(0, 0, 1150, enFloat(std::min(k * 1150 * ux / uy, 1150.0)), kNoir);
    s.setDrawWidth(5);
    for (const PointKepler& p : points) s.pset(enFloat(p.a * p.a * p.a / ux), enFloat(p.T * p.T / uy), p.couleur.value_or(kNoir));
    s.setDrawWidth(1);
    for (const PointKepler& p : points)
        s.texte(enFloat(p.a * p.a * p.a / ux + 6 * parX), enFloat(p.T * p.T / uy), std::to_string(p.numero), Ancre::HautGauche,
                p.couleur.value_or(kNoir));
}

std::optional<Fleche> curseurGraphe(const Graphe& g, const Surface& s, const Releve& r, int i, bool enTemps, Couleur c)
{
    if (r.estVide()) return std::nullopt;
    const int n = std::clamp(i, 0, dernier(r));
    const double x = g.serie && !enTemps ? n : n * std::fabs(static_cast<double>(r.pas));
    const double haut = s.scaleTop(), bas = s.scaleTop() + s.scaleHeight();
    double y = bas;
    if (g.serie) {
        const double v = valeur(g, r, static_cast<std::size_t>(n));
        y = std::fabs(v) <= kFloatMax ? v : bas;
    }
    if (!std::isfinite(y) || !std::isfinite(x)) return std::nullopt;
    return Fleche{enFloat(x), enFloat(haut), enFloat(x), enFloat(y), c};
}

void noteGraphe(Surface& s, Texte t) { ecritLignes(s, 3, 2, tr(t)); }

void basculeGraphes(Fenetre& f, Case c) { bascule(f, c); }
void vitesse_Click(Fenetre& f) { bascule(f, Case::Vitesse); }
void xy_Click(Fenetre& f) { bascule(f, Case::Xy); }

} // namespace orbeline
