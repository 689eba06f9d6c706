#include "feuille.h"

#include "charts.h"
#include "disposition.h"
#include "lecture.h"
#include "formes.h"
#include "legende.h"
#include "physique.h"
#include "principale.h"

#include <algorithm>
#include <cmath>

namespace orbeline {

namespace {

constexpr double kMarge = 10;          // page margin, wider than any printer's unprintable edge
constexpr double kHauteurNom = 8;      // the name line's box
constexpr double kSousNom = 6;         // between the name line and what follows
constexpr double kEntre = 4;           // between two blocks, two charts, two columns of the table
constexpr double kVueMin = 110;        // the orbit view, at least, to keep the sheet to one page
constexpr double kPartVueMax = 0.64;   // of the width inside the margins
constexpr double kGrapheMax = 55;      // a chart, at most
constexpr double kGrandGraphe = 70;    // the energy chart and Kepler's, at most: their texts as large as a chart's values
constexpr double kLigneReponse = 8;    // between two of the answers' lines
constexpr int kReponsesMin = 4, kReponsesMax = 8;
constexpr double kPastille = 3;        // a launch's swatch
constexpr double kPtMm = 25.4 / 72;
using Alignement = ElementFeuille::Alignement;

double largeurMm(std::string_view t, double corps) { return largeurTexte(t, corps * kPtMm); }

// A block of the sheet laid out from (0, 0) at a width: its size, then placed by moving it.
struct Bloc {
    double largeur = 0, hauteur = 0;
    std::vector<ElementFeuille> elements = {};
    // The text copied here alone, not by each caller.
    void texte(CadreMm c, std::string_view t, double corps, bool gras = false, Alignement a = Alignement::Gauche)
    {
        elements.push_back({.cadre = c, .texte = std::string(t), .corps = corps, .gras = gras, .alignement = a});
        hauteur = std::max(hauteur, c.haut + c.hauteur);
    }
    void ajoute(ElementFeuille::Sorte s, CadreMm c, int picture = 0, Couleur couleur = {})
    {
        elements.push_back({.sorte = s, .cadre = c, .picture = picture, .couleur = couleur});
    }
    // Lines of text under what the block holds, the text cut between words into lines no wider than
    // the block: each written as it is cut, not gathered in a list first.
    void lignes(std::string_view t, double corps, bool gras = false)
    {
        const auto ligne = [&](std::string_view l) { texte({0, hauteur, largeur, interligne(corps)}, l, corps, gras); };
        for (std::size_t debut = 0; debut <= t.size();) {
            const std::size_t fin = std::min(t.find('\n', debut), t.size());
            std::string_view reste = t.substr(debut, fin - debut);
            while (largeurMm(reste, corps) > largeur) {
                std::size_t blanc = reste.rfind(' ');
                while (blanc != std::string_view::npos && blanc > 0 && largeurMm(reste.substr(0, blanc), corps) > largeur)
                    blanc = reste.rfind(' ', blanc - 1);
                if (blanc == std::string_view::npos || blanc == 0) break;   // one word wider than the line: it stays whole
                ligne(reste.substr(0, blanc));
                reste.remove_prefix(blanc + 1);
            }
            ligne(reste);
            debut = fin + 1;
        }
    }
};

// The blocks beside the view: at most a row for each chart, what the sheet says and each larger chart
// (Kepler's too). A fixed array: a vector of blocks would bring its growth into the page for this alone.
struct Blocs {
    std::array<Bloc, kGraphes.size() + 2> b;
    std::size_t nombre = 0;
    void ajoute(Bloc&& k) { b[nombre++] = std::move(k); }
    std::span<const Bloc> tous() const { return {b.data(), nombre}; }
};

// A row of charts `cote` mm wide, with the values of their axes around them
// when the charts do not write them, and their captions.
Bloc rangeeGraphes(std::span<const Graphe* const> g, double cote, bool valeurs, std::span<const CourbeLancement> courbes,
                   std::string_view sep)
{
    Bloc b;
    const double ligne = interligne(kCorpsTableau);
    for (std::size_t k = 0; k < g.size(); ++k) {
        const double x = static_cast<double>(k) * (cote + kEntre);
        const TextesAxes t = valeurs ? TextesAxes{} : textesAxes(*g[k], courbes, sep);
        const double haut = t.haut.empty() ? 0 : ligne;
        // As high as the area is on screen for its width: its drawing keeps its shape.
        const Place& a = cherche(zone(g[k]->picture))->place;
        const double h = cote * a.hauteur / a.largeur;
        double y = haut + h;
        if (!t.haut.empty()) b.texte({x, 0, cote, ligne}, t.haut, kCorpsTableau);
        b.ajoute(ElementFeuille::Sorte::Image, {x, haut, cote, h}, g[k]->picture);
        if (!t.bas.empty()) {
            // The span at the right of the lowest value, or under it when they would meet.
            const double duree = largeurMm(t.duree, kCorpsTableau);
            const bool ensemble = largeurMm(t.bas, kCorpsTableau) + duree + 2 <= cote;
            b.texte({x, y, ensemble ? cote - duree - 2 : cote, ligne}, t.bas, kCorpsTableau);
            if (!ensemble) y += ligne;
            b.texte({x + cote - duree, y, duree, ligne}, t.duree, kCorpsTableau, false, Alignement::Droite);
            y += ligne;
        }
        b.texte({x, y, cote, interligne(kCorpsGraphe)}, tr(g[k]->titre), kCorpsGraphe, true, Alignement::Centre);
    }
    b.largeur = static_cast<double>(g.size()) * (cote + kEntre) - kEntre;
    return b;
}

// The launches' table: a column per quantity as wide as its widest cell, in
// as many bands of columns as the width needs, each band headed by the launches' numbers.
Bloc tableau(const TableLancements& t, double largeur)
{
    Bloc b;
    b.largeur = largeur;
    const double ligne = interligne(kCorpsTableau), pad = 1.5;
    const double premiere = kPastille + 1 + largeurMm("10", kCorpsTableau) + 2 * pad;
    std::vector<double> colonnes;
    for (std::size_t k = 0; k < t.colonnes.size(); ++k) {
        double l = std::max(largeurMm(t.colonnes[k].nom, kCorpsTableau), largeurMm(t.colonnes[k].unite, kCorpsTableau));
        for (const TableLancements::Rangee& r : t.rangees) l = std::max(l, largeurMm(r.cellules[k], kCorpsTableau));
        colonnes.push_back(l + 2 * pad);
    }
    for (std::size_t debut = 0; debut < colonnes.size();) {
        std::size_t fin = debut;
        double x = premiere;
        while (fin < colonnes.size() && (fin == debut || x + colonnes[fin] <= largeur)) x += colonnes[fin++];
        const double y0 = b.hauteur + (debut > 0 ? kEntre : 0);
        x = premiere;
        for (std::size_t k = debut; k < fin; ++k) {
            // The name in bold, the unit, then the launches' cells, one line each.
            for (std::size_t r = 0; r < t.rangees.size() + 2; ++r) {
                const std::string& texte = r == 0 ? t.colonnes[k].nom : r == 1 ? t.colonnes[k].unite : t.rangees[r - 2].cellules[k];
                b.texte({x, y0 + ligne * static_cast<double>(r), colonnes[k] - pad, ligne}, texte, kCorpsTableau, r == 0, Alignement::Droite);
            }
            x += colonnes[k];
        }
        for (std::size_t r = 0; r < t.rangees.size(); ++r) {
            const double y = y0 + ligne * static_cast<double>(r + 2);
            b.ajoute(ElementFeuille::Sorte::Pave, {pad, y + (ligne - kPastille) / 2, kPastille, kPastille}, 0, t.rangees[r].couleur);
            b.texte({pad + kPastille + 1, y, premiere - kPastille - 1 - pad, ligne}, std::to_string(t.rangees[r].numero), kCorpsTableau, true);
        }
        for (const double y : {y0, y0 + 2 * ligne, y0 + ligne * static_cast<double>(t.rangees.size() + 2)})
            b.ajoute(ElementFeuille::Sorte::Regle, {0, y, x, 0});
        b.hauteur = std::max(b.hauteur, y0 + ligne * static_cast<double>(t.rangees.size() + 2) + 0.5);
        debut = fin;
    }
    for (const std::string& n : t.notes) b.lignes(n, kCorpsTableau);
    return b;
}

// What the sheet says besides its pictures and table: the grid's and the
// arrows' scales, M, τ and the points shown, then what to observe.
Bloc informations(const Principale& p, double largeur, double coteVue, std::string_view sep)
{
    Bloc b;
    b.largeur = largeur;
    // A tenth of the view's width, in the display unit of the scale in force.
    double carreau = 0;
    for (const PresetEchelle& e : kPresets)
        if (e.Echelle == p.etat.Echelle && e.Reduction == p.etat.Reduction) carreau = std::fabs(e.x2 - e.x1) / 10 * e.Reduction;
    const std::string_view u = sansBlancs(unite(p.etat));
    b.lignes(tr(Texte::feuilleEchelle, {formeLisible(carreau, sep), u, formeLisible(significatifs(carreau * 100 / coteVue, 3), sep)}),
             kCorpsFeuille);
    for (const std::string& l : lignesEchelles(p, sep)) b.lignes(l, kCorpsFeuille);
    const std::vector<const Releve*> vus = lancementsVus(p);
    const double masse = vus.empty() ? p.etat.Masse : vus.back()->masse, dt = vus.empty() ? p.etat.dt : vus.back()->dt;
    b.lignes(tr(Texte::feuilleMasseTau, {formeLisible(masse / 1e24, sep), formeLisible(dt, sep), std::to_string(p.etat.NbPoints)}),
             kCorpsFeuille);
    if (const std::string_view c = consigneDans(p.consignes, langue()); !c.empty()) {
        b.hauteur += 1;
        b.lignes(tr(Texte::texteConsigne, {c}), kCorpsFeuille);
    }
    return b;
}

// Lines for the pupil's answers: `n` dotted rules under a title.
Bloc reponses(double largeur, int n)
{
    Bloc b;
    b.largeur = largeur;
    b.lignes(tr(Texte::feuilleReponses), kCorpsFeuille, true);
    for (int i = 1; i <= n; ++i) b.ajoute(ElementFeuille::Sorte::Pointille, {0, b.hauteur + kLigneReponse * i, largeur, 0});
    b.hauteur += kLigneReponse * n + 1;
    return b;
}

// Where blocks go, side by side while they fit across, then on the next
// line: a column of a page from a height down to a floor.
struct Region {
    int page;
    double gauche, haut, largeur, bas;
    double x = 0, ligne = 0;   // the line in use: how far across it is filled, how high it is
};

// Two regions on the first sheet, and a new page at most for each block (each fits a page's width): a
// block for each chart at most, Kepler's, what the sheet says, the table, the answers. A fixed array: a
// vector would bring its growth into the page for this alone.
constexpr std::size_t kRegionsMax = 2 + kGraphes.size() + 4;

// Blocks placed in the regions in turn, a new page of the whole width when they run out.
struct Pose {
    Feuille& s;
    std::array<Region, kRegionsMax> regions;
    std::size_t nombre = 2;   // the regions in use
    std::size_t courante = 0;
    // The region and the corner, in it, for a block of that size.
    std::pair<Region*, std::pair<double, double>> place(double largeur, double hauteur)
    {
        const double haut = kMarge + kHauteurNom + kSousNom;
        for (;; ++courante) {
            if (courante == nombre) regions[nombre++] = {s.pages++, kMarge, haut, s.largeur - 2 * kMarge, s.hauteur - kMarge};
            Region& r = regions[courante];
            if (r.x > 0 && r.x + largeur <= r.largeur + 1e-9 && r.haut + hauteur <= r.bas + 1e-9) return {&r, {r.x, r.haut}};
            const double y = r.haut + (r.x > 0 ? r.ligne + kEntre : 0);
            // A block taller or wider than a whole page goes on a page of its own, as far as it runs
            // (a paper smaller than the blocks: each on its own page, never a page more for none).
            const bool vide = y == haut && r.largeur == s.largeur - 2 * kMarge;
            if ((largeur <= r.largeur + 1e-9 || vide) && (y + hauteur <= r.bas + 1e-9 || vide)) {
                r.haut = y, r.x = 0, r.ligne = 0;
                return {&r, {0, y}};
            }
        }
    }
    // The block's elements moved onto the sheet, not copied: it is not used again.
    void pose(Bloc&& b)
    {
        const auto ou = place(b.largeur, b.hauteur);   // no structured binding: the lambda below takes them
        Region* const r = ou.first;
        const std::pair<double, double> coin = ou.second;
        const auto bouge = [&](CadreMm c) { return CadreMm{c.gauche + r->gauche + coin.first, c.haut + coin.second, c.largeur, c.hauteur}; };
        for (ElementFeuille& e : b.elements) e.page = r->page, e.cadre = bouge(e.cadre), s.elements.push_back(std::move(e));
        r->x = coin.first + b.largeur + kEntre;
        r->ligne = std::max(r->ligne, b.hauteur);
    }
};

// Each field's share of the line: room for a name, a class, a date.
constexpr std::array<std::pair<double, double>, 3> kChampsNom{{{0, 0.5}, {0.53, 0.75}, {0.78, 1}}};

} // namespace

Feuille feuilleFenetre(const Fenetre& f, const Principale& p, double largeurMm, double hauteurMm)
{
    Feuille s;
    s.largeur = largeurMm;
    s.hauteur = hauteurMm;
    const double utile = largeurMm - 2 * kMarge, haut = kMarge + kHauteurNom + kSousNom, libre = hauteurMm - kMarge - haut;
    constexpr std::array<Texte, 3> kLibelles{Texte::feuilleNom, Texte::feuilleClasse, Texte::feuilleDate};
    for (std::size_t i = 0; i < s.nom.size(); ++i)
        s.nom[i] = {tr(kLibelles[i]), {kMarge + kChampsNom[i].first * utile, kMarge,
                                       (kChampsNom[i].second - kChampsNom[i].first) * utile, kHauteurNom}};
    const std::string sep = f.separateurDecimal();

    // The charts shown, three to a row in table order; those of their own kind
    // (the energy, Kepler's law), whose texts are the area's own, larger.
    // One list, cut into rows where they are laid out: a list of lists would bring its own vector's code into the page.
    std::vector<const Graphe*> series;
    std::vector<int> grands;
    for (const Graphe& g : kGraphes)
        if (f.estVisible(zone(g.picture)) && !g.serie) grands.push_back(g.picture);
        else if (f.estVisible(zone(g.picture))) series.push_back(&g);
    const std::size_t rangees = (series.size() + 2) / 3;
    if (f.estVisible(zone(kPictureKepler))) grands.push_back(kPictureKepler);
    const std::vector<CourbeLancement> courbes = courbesGraphes(p);
    const bool valeurs = p.reglages[static_cast<std::size_t>(Reglage::Valeurs)];
    const TableLancements table = tableLancements(p, sep);
    // The blocks beside the view for a view of side v: the charts, what the sheet says, the larger charts.
    const auto colonne = [&](double v, double grand = kGrandGraphe) {
        const double l = utile - v - 2 * kEntre;
        Blocs b;
        const double cote = std::min(kGrapheMax, (l - 2 * kEntre) / 3);
        for (std::size_t k = 0; k < series.size(); k += 3)
            b.ajoute(
                rangeeGraphes(std::span(series).subspan(k, std::min<std::size_t>(3, series.size() - k)), cote, valeurs, courbes, sep));
        b.ajoute(informations(p, l, v, sep));
        for (const int n : grands) {
            const Place& a = cherche(zone(n))->place;
            const double w = std::min(l, grand), h = w * a.hauteur / a.largeur;
            Bloc k{.largeur = w, .hauteur = h + interligne(kCorpsGraphe)};
            k.ajoute(ElementFeuille::Sorte::Image, {0, 0, w, h}, n);
            k.texte({0, h, w, interligne(kCorpsGraphe)}, tr(cherche(legendeGraphe(n))->legende), kCorpsGraphe, true,
                    Alignement::Centre);
            b.ajoute(std::move(k));
        }
        return b;
    };
    // How high the blocks beside the view stand, side by side while they fit across.
    const auto hauteur = [&](std::span<const Bloc> b, double v) {
        double h = 0, x = 0, ligne = 0;
        for (const Bloc& k : b) {
            if (x > 0 && x + k.largeur > utile - v - 2 * kEntre) h += ligne + kEntre, x = 0, ligne = 0;
            x += k.largeur + kEntre, ligne = std::max(ligne, k.hauteur);
        }
        return h + ligne;
    };
    // The view as large as one sheet allows with the table under it and the rest
    // beside it; else as large as the page allows, the table on the next sheet.
    const double vueMax = std::min(libre, kPartVueMax * utile);
    const double sousVue = table.rangees.empty() ? 0 : tableau(table, utile).hauteur + kEntre;
    // The energy and Kepler charts as small as the others' rows rather than on a sheet of their own.
    double v = vueMax, grand = kGrandGraphe;
    bool tient = false;
    for (const double g : {kGrandGraphe, kGrapheMax})
        for (double essai = std::min(vueMax, libre - sousVue); essai >= kVueMin && !tient; essai -= 2)
            if (hauteur(colonne(essai, g).tous(), essai) + kEntre + interligne(kCorpsFeuille) + 1 + kReponsesMin * kLigneReponse <= essai)
                v = essai, grand = g, tient = true;
    // Else the view with the table under it and the charts' rows beside it, the larger charts and the answers after them.
    for (double essai = std::min(vueMax, libre - sousVue); essai >= kVueMin && !tient && sousVue > 0; essai -= 2) {
        Blocs b = colonne(essai);
        b.nombre = rangees + 1;
        if (hauteur(b.tous(), essai) <= essai) v = essai, tient = true;
    }
    s.elements.push_back({.sorte = ElementFeuille::Sorte::Image, .cadre = {kMarge, haut, v, v}, .picture = 1});
    const double droite = kMarge + v + 2 * kEntre;
    Pose pose{s, {{{0, droite, haut, largeurMm - kMarge - droite, haut + v}, {0, kMarge, haut + v + kEntre, utile, hauteurMm - kMarge}}}};
    Blocs blocs = colonne(v, grand);
    for (std::size_t k = 0; k < rangees + 1; ++k) pose.pose(std::move(blocs.b[k]));
    if (!table.rangees.empty()) {
        // Under the view, or on the next sheet: the whole width.
        pose.courante = 1;
        pose.pose(tableau(table, utile));
    }
    for (std::size_t k = rangees + 1; k < blocs.nombre; ++k) pose.pose(std::move(blocs.b[k]));
    // The answers fill what is left where they go, beside the view if there is room, a few lines at least.
    const double titre = interligne(kCorpsFeuille) + 1;
    for (pose.courante = 0; pose.courante < pose.nombre; ++pose.courante) {
        const Region& r = pose.regions[pose.courante];
        const double reste = r.bas - r.haut - (r.x > 0 ? r.ligne + kEntre : 0) - titre;
        if (reste >= kReponsesMin * kLigneReponse) break;
    }
    const bool nouvelle = pose.courante == pose.nombre;
    const Region& r = nouvelle ? Region{0, kMarge, haut, utile, hauteurMm - kMarge} : pose.regions[pose.courante];
    const double reste = r.bas - r.haut - (r.x > 0 ? r.ligne + kEntre : 0) - titre;
    pose.pose(reponses(r.largeur, std::clamp(static_cast<int>(reste / kLigneReponse), kReponsesMin, kReponsesMax)));
    return s;
}

} // namespace orbeline
