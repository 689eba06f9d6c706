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
#include <memory>
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

// A chart's texts in rows of the areas' type across it: a text at the left
// and one at the right of a row, or each on a row of its own when they would
// meet. The curves keep the height between the rows above and those below.
constexpr double kRang = kCorpsTexte + 1;

struct Rangs {
    Surface& s;
    double haut = 0, bas = 0;   // px taken at the top and at the bottom
    // `gaucheEcrite`: the caller has written the left text already (in colours of its own); its room is kept.
    void ecrit(bool enHaut, std::string_view gauche, std::string_view droite, std::optional<Couleur> c = {},
               bool gaucheEcrite = false)
    {
        const double W = s.largeurPixels();
        const bool ensemble = gauche.empty() || droite.empty() ||
                              largeurTexte(gauche, kCorpsTexte) + largeurTexte(droite, kCorpsTexte) + 8 <= W - 4;
        for (int k = 0; k < (ensemble ? 1 : 2); ++k) {
            const std::string_view g = ensemble || k == 0 ? gauche : "", d = ensemble || k == 1 ? droite : "";
            // Rows at the bottom are written upward: the last one given stands lowest.
            const double y = enHaut ? haut + 1 : s.hauteurPixels() - bas - 1;
            const Ancre ag = enHaut ? Ancre::HautGauche : Ancre::BasGauche, ad = enHaut ? Ancre::HautDroite : Ancre::BasDroite;
            if (!g.empty() && !gaucheEcrite) s.texte(2, static_cast<float>(y), g, ag, c);
            if (!d.empty()) s.texte(static_cast<float>(W - 2), static_cast<float>(y), d, ad, c);
            (enHaut ? haut : bas) += kRang;
        }
    }
    // The user scale that puts values hi to lo (a margin of an eighth of
    // their span around them) between the rows, times 0 to `fin` in the middle 5/7 of the width.
    void echelle(double hi, double lo, double fin, double bord = 0.2) const
    {
        const double marge = (hi - lo) / 8, H = s.hauteurPixels();
        const double parPixel = (hi - lo + 2 * marge) / std::max(1.0, H - haut - bas);
        s.scale(-bord * fin, std::min(hi + marge + haut * parPixel, kBorneEchelle), (1 + bord) * fin,
                std::max(lo - marge - bas * parPixel, -kBorneEchelle));
    }
};

// A chart's axes: its scale (between the rows `r` keeps), the time axis from
// 0 to `fin`, the values' axis from the largest to the smallest, then the points' pen.
[[gnu::noinline]] void axes(const Rangs& r, const Serie& g, double fin)
{
    const double unite = uniteGraphe(g), haut = g.max / unite, bas = g.min / unite;
    r.echelle(haut, bas, fin);
    r.s.line(0, 0, static_cast<float>(fin), 0);
    r.s.line(0, enFloat(haut), 0, enFloat(bas), couleurPalette(7));
    r.s.setDrawWidth(1);
}

// Each chart's axes, then point i is set on every chart before point i + 1.
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

    // The speed's minimum stays 0: its margin is the maximum / 8.
    for (std::size_t k = 0; k < groupe.size(); ++k) axes(Rangs{*surfaces[k]}, groupe[k], n);
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

// A chart's extremes over the points of the launches given.
[[gnu::noinline]] Serie etendue(const Graphe& g, std::span<const CourbeLancement> l)
{
    Serie e{g.picture, nullptr, g.couleur, g.sansMinimum};
    for (const CourbeLancement& c : l)
        for (int i = 0; i <= dernier(*c.releve); ++i) noteExtremes(e, valeur(g, *c.releve, static_cast<std::size_t>(i)));
    return e;
}

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


} // namespace

const Graphe* graphe(int picture)
{
    for (const Graphe& g : kGraphes)
        if (g.picture == picture) return &g;
    return nullptr;
}

namespace {

// A value at an end of a chart's axis, `par` of it to its unit: 3 significant
// digits. The ends replaced by ±1 (a series that stays on one side of 0) are 0.
std::string bout(double v, double par, std::string_view unite, std::string_view sep)
{
    std::string t = formeLisible(std::fabs(v) == 1 ? 0 : significatifs(v / par, 3), sep);
    t.append("\u00a0").append(unite);
    return t;
}

std::string duree(double secondes, std::string_view sep) { return formeLisible(significatifs(secondes, 3), sep) + "\u00a0s"; }

// The launches that have points to draw.
[[gnu::noinline]] std::vector<CourbeLancement> tracees(std::span<const CourbeLancement> lancements)
{
    std::vector<CourbeLancement> l;
    for (const CourbeLancement& c : lancements)
        if (c.releve && !c.releve->estVide()) l.push_back(c);
    return l;
}

// An energy to `chiffres` significant digits, in joules.
[[gnu::noinline]] std::string joules(double v, int chiffres, std::string_view sep)
{
    return tr(Texte::energieValeur, {formeLisible(significatifs(v, chiffres), sep)});
}

// The energy chart's curves, kinetic, potential and total: their names and colours (blue, vermilion, black).
constexpr std::array<Texte, 3> kNoms{Texte::energieCinetique, Texte::energiePotentielle, Texte::energieTotale};
constexpr std::array<Couleur, 3> kCouleurs{{{0, 114, 178}, {213, 94, 0}, {0, 0, 0}}};

// A value of the lower band: a drift in %, else an energy.
[[gnu::noinline]] std::string bande(double v, bool derive, int chiffres, std::string_view sep)
{
    return derive ? formeLisible(significatifs(v, 2), sep) + "\u00a0%" : joules(v, chiffres, sep);
}

} // namespace

TextesAxes textesAxes(const Graphe& g, std::span<const CourbeLancement> lancements, std::string_view sep)
{
    const std::vector<CourbeLancement> l = tracees(lancements);
    if (!g.serie || l.empty()) return {};
    const Serie e = etendue(g, l);
    // Lengths in the display unit, as the tooltips read them.
    const double m = g.longueur ? l.front().releve->Echelle : 1;
    const std::string_view u = g.longueur ? uniteAffichee(*l.front().releve) : std::string_view("m/s");
    const Abscisses a = abscisses(l);
    return {bout(e.max, m, u, sep), bout(e.min, m, u, sep), a.enTemps ? duree(a.fin, sep) : ""};
}

void TraceLancements(std::span<const CourbeLancement> lancements, Fenetre& f, const ValeursCases& cases,
                     std::optional<std::string_view> valeurs)
{
    const std::vector<CourbeLancement> l = tracees(lancements);
    if (l.empty()) return;
    const Abscisses a = abscisses(l);
    for (std::size_t debut = 0, fin = 0; debut < kGraphes.size(); debut = fin) {
        while (fin < kGraphes.size() && kGraphes[fin].boite == kGraphes[debut].boite) ++fin;
        if (cases[static_cast<std::size_t>(kGraphes[debut].boite)] != 1 || !kGraphes[debut].serie) continue;
        const std::span<const Graphe> groupe(kGraphes.data() + debut, fin - debut);
        std::array<Serie, kGraphes.size()> series{};
        for (std::size_t k = 0; k < groupe.size(); ++k) {
            series[k] = etendue(groupe[k], l);
        }
        // The same stages as one launch's charts, over the whole span; with
        // the values, those of its axes' ends and its span in rows of their own.
        for (std::size_t k = 0; k < groupe.size(); ++k) {
            Surface& s = f.picture(series[k].numero);
            Rangs r{s};
            if (valeurs) {
                const TextesAxes t = textesAxes(groupe[k], l, *valeurs);
                s.scale(0, 0, s.largeurPixels(), s.hauteurPixels());
                r.ecrit(true, t.haut, "");
                r.ecrit(false, t.bas, t.duree);
            }
            axes(r, series[k], a.fin);
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

void TraceEnergie(std::span<const CourbeLancement> lancements, Fenetre& f, std::string_view separateur)
{
    const Graphe* g = nullptr;
    for (const Graphe& e : kGraphes)
        if (e.boite == Case::Energie) g = &e;
    const std::vector<CourbeLancement> l = tracees(lancements);
    if (!g || l.empty()) return;
    Surface& s = f.picture(g->picture);
    const Abscisses a = abscisses(l);
    const double H = s.hauteurPixels();
    // Several launches: each in its colour, the lower band their totals' drift from their start, %.
    const bool derive = l.size() > 1;

    // The energies of every point, every launch's in turn, each with its place
    // and the lower band's value; a value past the double range is left out.
    struct Point {
        float t;
        Couleur couleur;                ///< its launch's
        std::array<double, 3> valeurs;  ///< kinetic, potential, total
        double ecart;                   ///< the lower band's
    };
    // Sized at once and every one written below: neither a vector's growth nor its zeroing for this type alone.
    std::size_t nombre = 0;
    for (const CourbeLancement& c : l) nombre += static_cast<std::size_t>(std::max(1, dernier(*c.releve))) + 1;
    const std::unique_ptr<Point[]> tableau(new Point[nombre]);
    const std::span<Point> points(tableau.get(), nombre);
    std::size_t z = 0;
    double bas = 0, haut = 0, emMin = std::numeric_limits<double>::infinity(), emMax = -emMin;
    for (const CourbeLancement& c : l) {
        const double depart = energies(*c.releve, 0).totale, reference = std::fabs(depart);
        for (int i = 0; i <= std::max(1, dernier(*c.releve)); ++i) {
            const Energies x = energies(*c.releve, i);
            const double ecart = derive ? (reference > 0 ? (x.totale - depart) / reference * 100 : 0) : x.totale;
            Point& q = points[z++];
            q = {static_cast<float>(a.de(*c.releve, i)), c.couleur.value_or(kCouleurs[2]), {x.cinetique, x.potentielle, x.totale}, ecart};
            for (const double y : q.valeurs)
                if (std::isfinite(y)) bas = std::min(bas, y), haut = std::max(haut, y);
            if (std::isfinite(ecart)) emMin = std::min(emMin, ecart), emMax = std::max(emMax, ecart);
        }
    }
    if (!(emMin <= emMax)) emMin = emMax = 0;
    if (haut == bas) haut = 1;

    // The texts, from the area's pixels, in rows that the curves keep clear of: all three energies above, the total alone below.
    s.scale(0, 0, s.largeurPixels(), H);
    s.setDrawWidth(1);
    std::string tous;
    for (const Texte nom : kNoms) tous.append(tous.empty() ? "" : "   ").append(tr(nom));
    const std::string maximum = joules(haut, 3, separateur);
    if (!derive) {
        // Each name in its curve's colour where the row has them all; the largest value beside them when it fits.
        const double pas = largeurTexte(tr(kNoms[0]), kCorpsTexte) + largeurTexte("   ", kCorpsTexte);
        for (std::size_t k = 0; k < kNoms.size(); ++k)
            s.texte(static_cast<float>(2 + pas * static_cast<double>(k)), 1, tr(kNoms[k]), Ancre::HautGauche, kCouleurs[k]);
    }
    Rangs r1{s};
    r1.ecrit(true, tous, maximum, {}, !derive);
    // As many digits as tell the total's extremes apart.
    const double ecart = emMax - emMin;
    const int c = ecart > 0 ? std::clamp(3 + static_cast<int>(std::ceil(std::log10(std::max(std::fabs(emMin), std::fabs(emMax)) / ecart))), 3, 15) : 4;
    Rangs r2{s};
    r2.ecrit(false, "", duree(a.fin, separateur));
    const double reference = std::fabs(points.front().valeurs[2]);
    const double spread = reference > 0 && std::isfinite(ecart) ? significatifs(ecart / reference * 100, 2) : 0;
    r2.ecrit(false, derive ? "" : tr(Texte::energieEcart, {formeLisible(spread, separateur)}), bande(emMin, derive, c, separateur));
    // The middle rows: the lowest energy, a rule, what the lower band shows and its top value.
    const double milieu = std::round(r1.haut + (H - r1.haut - r2.bas) * 0.55);
    Rangs m{s};
    m.bas = H - milieu;
    m.ecrit(false, "", joules(bas, 3, separateur));
    const double regle = milieu + 1;
    s.line(0, static_cast<float>(regle), static_cast<float>(s.largeurPixels()), static_cast<float>(regle), couleurPalette(7));
    Rangs r3{s};
    r3.haut = regle + 1;
    r3.ecrit(true, tr(derive ? Texte::energieDerive : Texte::energieZoom), bande(emMax, derive, c, separateur));

    // The three energies in the upper band, the time axis at 0; the lower band's values.
    r1.bas = H - (milieu - kRang);
    r1.echelle(haut, bas, a.fin, 0.05);
    s.line(0, 0, static_cast<float>(a.fin), 0, couleurPalette(7));
    for (const Point& x : points)
        for (std::size_t k = 0; k < x.valeurs.size(); ++k)
            if (std::isfinite(x.valeurs[k])) s.pset(x.t, enFloat(x.valeurs[k]), derive ? x.couleur : kCouleurs[k]);
    r3.bas = r2.bas;
    r3.echelle(emMax, emMin, a.fin, 0.05);
    for (const Point& x : points)
        if (std::isfinite(x.ecart)) s.pset(x.t, enFloat(x.ecart), x.couleur);
}

std::string bulleGraphe(const Graphe& g, std::span<const CourbeLancement> lancements, bool enTemps, float x, std::string_view sep)
{
    const std::vector<CourbeLancement> l = tracees(lancements);
    if (!g.serie || l.empty() || !std::isfinite(x)) return {};
    const Abscisses a = enTemps ? abscisses(l) : Abscisses{false, static_cast<double>(dernier(*l.back().releve))};
    // Lengths in the display unit (the launches of a view share it).
    const double echelle = g.longueur ? l.front().releve->Echelle : 1;
    const std::string_view unite = g.longueur ? uniteAffichee(*l.front().releve) : std::string_view("m/s");

    std::string t;
    double min = std::numeric_limits<double>::infinity(), max = -min;
    for (const CourbeLancement& c : l) {
        const Releve* r = c.releve;
        const int n = dernier(*r);
        const double pas = a.enTemps ? std::fabs(static_cast<double>(r->pas)) : 1;
        const int i = static_cast<int>(std::clamp(std::round(x / pas), 0.0, static_cast<double>(n)));
        for (int k = 0; k <= n; ++k) {
            const double v = valeur(g, *r, static_cast<std::size_t>(k)) / echelle;
            if (std::isfinite(v)) min = std::min(min, v), max = std::max(max, v);
        }
        const std::string temps = formeLisible(static_cast<double>(i) * r->pas, sep);
        const std::string v = dixieme(valeur(g, *r, static_cast<std::size_t>(i)) / echelle, sep);
        if (!t.empty()) t += '\n';
        // Several launches: each named by its number, else the chart by its title.
        const bool plusieurs = l.size() > 1;
        const std::string numero = std::to_string(r->numero);
        t += tr(plusieurs ? Texte::bulleGrapheLancement : Texte::bulleGraphe,
                {plusieurs ? std::string_view(numero) : tr(g.titre), temps, g.symbole, v, unite});
    }
    if (min > max) min = max = 0;
    const double fin = a.enTemps ? a.fin : a.fin * l.back().releve->pas;
    t += '\n';
    t += tr(Texte::bulleGrapheEtendue, {formeLisible(fin, sep), g.symbole, dixieme(min, sep), dixieme(max, sep), unite});
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
    if (points.empty()) lignes.append("\n").append(tr(Texte::keplerSansTour));
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
    // The values at the axes' ends, beside their names.
    const auto bout = [&](double v) { return formeLisible(significatifs(1150 * v, 3), separateur); };
    s.texte(static_cast<float>(9 + largeurTexte(tr(Texte::keplerAxeT), kCorpsTexte)), 2, bout(uy), Ancre::HautGauche);
    s.texte(static_cast<float>(W - 9 - largeurTexte(tr(Texte::keplerAxeA), kCorpsTexte)), static_cast<float>(bas + 3), bout(ux),
            Ancre::HautDroite);
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
