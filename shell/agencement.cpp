#include "agencement.h"

#include <algorithm>
#include <cmath>

namespace orbeline {
namespace {

constexpr double kTexte = 13.0 / 11.0;   // the window's 11 px text becomes 13 px
constexpr double kMarge = 6;             // around the window's area
constexpr double kEcart = 8;             // between two pieces
constexpr double kColonneMin = 340;      // the right column, at least
constexpr double kVueMin = 240;          // the orbit view beside it, at least
constexpr double kColonneSansVue = 560;  // a window without a view: no wider
constexpr double kGraphesMax = 2;        // the charts enlarged at most so much
constexpr double kInterligne = 1.2;
constexpr double kRetrait = 8;           // inside a frame

// std::max and std::min of two doubles as the standard has them (the same result to the
// bit), written out: at the page's size settings each stays a call, its two operands
// stored to memory first, and this file makes two dozen.
[[gnu::always_inline]] inline double plusGrand(double a, double b) { return a < b ? b : a; }
[[gnu::always_inline]] inline double plusPetit(double a, double b) { return b < a ? b : a; }

double px(int twips) { return twips / 15.0; }
double corps(const Disposition& d, double echelle = kTexte)
{
    return plusGrand(kCorpsMin, double{d.police.points} * 4 / 3 * echelle);
}
bool controle(const Disposition& d)
{
    return d.genre == Genre::Champ || d.genre == Genre::Bouton || d.genre == Genre::CaseACocher ||
           d.genre == Genre::Option;
}

// The rows a piece names, in the order it names them.
ListeRangs rangs(std::span<const Disposition> table, std::string_view noms)
{
    ListeRangs v;
    while (!noms.empty()) {
        const std::size_t fin = std::min(noms.find(' '), noms.size());
        if (fin > 0)
            if (const Disposition* d = cherche(table, noms.substr(0, fin))) v.ajoute(d);
        noms.remove_prefix(std::min(fin + 1, noms.size()));
    }
    return v;
}

// A piece laid out from (0, 0): its rows' places and its size. Rows in a
// frame of the piece have their places in that frame.
struct Morceau {
    std::vector<PlaceCompacte> places;
    double largeur = 0, hauteur = 0;
    bool seul = false;   // takes a line by itself
    bool rien = false;   // takes no room: an empty text, placed where the next piece goes
    void ajoute(const Disposition* d, Cadre c, double texte, double echelle = 1, bool dansCadre = false)
    {
        places.push_back({d, c, texte, echelle});
        if (dansCadre) return;
        largeur = plusGrand(largeur, c.gauche + c.largeur);
        hauteur = plusGrand(hauteur, c.haut + c.hauteur);
    }
};

// Rows kept where the window has them, from the top-left corner of the
// first ones, `k` times larger; controls at least `cible` tall.
Morceau tels(const ListeRangs& v, double k, double cible)
{
    double x0 = 1e9, y0 = 1e9;
    for (const Disposition* d : v) x0 = plusPetit(x0, px(d->place.gauche)), y0 = plusPetit(y0, px(d->place.haut));
    Morceau m;
    for (const Disposition* d : v) {
        const bool zone = d->genre == Genre::Image;
        double h = px(d->place.hauteur) * k;
        if (controle(*d)) h = plusGrand(h, cible);
        m.ajoute(d, {(px(d->place.gauche) - x0) * k, (px(d->place.haut) - y0) * k, px(d->place.largeur) * k, h},
                 corps(*d, zone ? 1 : k), zone ? k : 1);
    }
    return m;
}

// A field `cible` tall at least, its captions under it as far below it as on the window.
Morceau champ(const ListeRangs& v, double cible)
{
    Morceau m;
    if (v.empty()) return m;
    const Disposition& c = *v.front();
    double x0 = 1e9;
    for (const Disposition* d : v) x0 = plusPetit(x0, px(d->place.gauche));
    const double h = plusGrand(px(c.place.hauteur) * kTexte, cible), bas = px(c.place.haut + c.place.hauteur);
    m.ajoute(&c, {(px(c.place.gauche) - x0) * kTexte, 0, px(c.place.largeur) * kTexte, h}, corps(c));
    for (const Disposition* d : v)
        if (d != &c)
            m.ajoute(d, {(px(d->place.gauche) - x0) * kTexte, h + (px(d->place.haut) - bas) * kTexte,
                         px(d->place.largeur) * kTexte, px(d->place.hauteur) * kTexte}, corps(*d));
    return m;
}

// What a piece needs besides the room: the least height of a control, the texts as tall as they are.
struct Regles {
    double cible;
    std::span<const HauteurTexte> textes;
};

// A text across the column: as tall as it is there, the message strip a line at least (one that comes moves
// nothing); else as many lines as the window's text needs at that width.
Morceau ligne(const Disposition& d, double largeur, const Regles& r)
{
    const double texte = corps(d), surFenetre = double{d.police.points} * 4 / 3 * kInterligne;
    const double lignesFenetre = plusGrand(1.0, std::floor(px(d.place.hauteur) / surFenetre));
    double lignes = std::ceil(px(d.place.largeur) * kTexte * lignesFenetre / largeur);
    if (d.drapeaux & Retour) lignes = plusGrand(lignes, 2.0);
    if (!d.legende && d.role.sorte == Role::Sorte::Aucune) lignes = 0;   // nothing ever writes it
    double h = lignes > 0 ? lignes * texte * kInterligne + 4 : 0;
    for (const HauteurTexte& t : r.textes)
        if (t.nom == d.nom) h = plusGrand(t.hauteur, d.role == kRoleMessage ? texte * kInterligne + 4 : 0);
    Morceau m;
    m.ajoute(&d, {0, 0, largeur, plusGrand(h, 0.0)}, texte);
    m.rien = h <= 0;
    m.places.back().retour = true;
    m.seul = true;
    return m;
}

// A frame as wide as its buttons in as many columns as fit, its caption above them.
Morceau options(std::span<const Disposition> table, const Disposition& cadre, double largeur, double cible)
{
    ListeRangs boutons;
    double colonne = 0;
    for (const Disposition& d : table)
        if (d.cadre == cadre.nom) {
            boutons.ajoute(&d);
            colonne = plusGrand(colonne, px(d.place.largeur) * kTexte + kEcart);
        }
    const auto n = static_cast<double>(boutons.size());
    const double colonnes = std::clamp(std::floor((largeur - 2 * kRetrait) / colonne), 1.0, plusGrand(n, 1.0));
    const double legende = corps(cadre) * kInterligne + 4;
    Morceau m;
    for (std::size_t i = 0; i < boutons.size(); ++i) {
        const double c = std::fmod(static_cast<double>(i), colonnes), l = std::floor(static_cast<double>(i) / colonnes);
        m.ajoute(boutons.rangs[i], {kRetrait + c * colonne, legende + l * (cible + 2), colonne - kEcart, cible},
                 corps(*boutons.rangs[i]), 1, true);
    }
    const double w = plusPetit(largeur, plusGrand(px(cadre.place.largeur) * kTexte, colonnes * colonne + 2 * kRetrait));
    m.ajoute(&cadre, {0, 0, w, legende + std::ceil(n / colonnes) * (cible + 2) + kRetrait}, corps(cadre));
    return m;
}

Morceau piece(std::span<const Disposition> table, const PieceCompacte& p, double largeur, double vue, const Regles& r)
{
    const double cible = r.cible;
    const ListeRangs v = rangs(table, p.rangs);
    if (v.empty()) return {};   // its rows hidden: no room
    switch (p.genre) {
    case Piece::Champ: {
        Morceau m = champ(v, cible);
        m.largeur = plusGrand(m.largeur, p.largeur);
        return m;
    }
    case Piece::Bloc: {
        // Wider than the column (the read-out beside a view that took all it could): a little smaller.
        Morceau m = tels(v, kTexte, cible);
        if (largeur > 0 && m.largeur > largeur) m = tels(v, kTexte * largeur / m.largeur, cible);
        return m;
    }
    case Piece::Ligne: return ligne(*v.front(), largeur, r);
    case Piece::Options: return options(table, *v.front(), largeur, cible);
    case Piece::Graphes: {
        Morceau m = tels(v, 1, cible);
        m = tels(v, plusPetit(largeur / plusGrand(m.largeur, 1.0), kGraphesMax), cible);
        m.seul = true;
        return m;
    }
    case Piece::Vue: {
        Morceau m;
        m.ajoute(v.front(), {0, 0, vue, vue}, corps(*v.front()), vue / px(v.front()->place.largeur));
        m.seul = true;
        return m;
    }
    case Piece::Cadre: break;
    }
    return {};
}

// Pieces one after the other in a column, left to right, then on the next line.
struct Flux {
    double gauche, largeur, x, y, ligne = 0, fond;
    Flux(double g, double l, double haut) : gauche(g), largeur(l), x(g), y(haut), fond(haut) {}
    void aLaLigne()
    {
        if (x > gauche) y += ligne + kEcart;
        x = gauche;
        ligne = 0;
    }
    void pose(Morceau m, std::vector<PlaceCompacte>& places, std::string_view conteneur)
    {
        if (m.places.empty()) return;
        if (m.rien) {
            aLaLigne();
            for (PlaceCompacte& p : m.places) p.cadre.gauche += x, p.cadre.haut += y, places.push_back(p);
            return;
        }
        if (m.seul || x + m.largeur > gauche + largeur) aLaLigne();
        for (PlaceCompacte& p : m.places) {
            if (p.rang->cadre == conteneur) p.cadre.gauche += x, p.cadre.haut += y;
            places.push_back(p);
        }
        x += m.largeur + kEcart;
        ligne = plusGrand(ligne, m.hauteur);
        fond = plusGrand(fond, y + m.hauteur);
        if (m.seul) aLaLigne();
    }
    // Pieces one after the other, each laid out for the column: every arrangement lays out its pieces so.
    void pose(std::span<const Disposition> table, std::span<const PieceCompacte> pieces, double vue, const Regles& r,
              std::vector<PlaceCompacte>& places, std::string_view conteneur = {})
    {
        for (const PieceCompacte& p : pieces) pose(piece(table, p, largeur, vue, r), places, conteneur);
    }
};

} // namespace

Agencement choisitAgencement(const Ecran& e, const Naturelle& n)
{
    if (!e.doigt && e.largeur >= n.largeur && e.hauteur >= n.hauteur) return Agencement::Fenetre;
    const bool deux = e.largeur >= 2 * kMarge + kVueMin + kEcart + kColonneMin && e.hauteur >= kVueMin + 2 * kMarge;
    return deux && e.largeur > e.hauteur ? Agencement::DeuxColonnes : Agencement::Colonne;
}

double echelleFenetre(const Ecran& e, const Naturelle& n, double seuil)
{
    // To a twentieth: the window keeps its size through a few pixels' change.
    const double k = std::floor(plusPetit(e.largeur / n.largeur, e.hauteur / n.hauteur) * 20) / 20;
    return k >= seuil ? k : 1;
}

Disposee dispose(std::span<const Disposition> table, std::span<const PieceCompacte> pieces, const Ecran& e,
                 const Naturelle& n, bool barre, std::span<const HauteurTexte> textes)
{
    Disposee r;
    r.agencement = choisitAgencement(e, n);
    if (r.agencement == Agencement::Fenetre) {
        r.echelle = echelleFenetre(e, n);
        return r;
    }
    const double largeur = e.largeur, hauteur = e.hauteur, cible = e.doigt ? kDoigt : kCible;
    const Regles regles{cible, textes};
    const auto vue = std::find_if(pieces.begin(), pieces.end(), [](const PieceCompacte& p) { return p.genre == Piece::Vue; });
    const double menus = barre ? cible + 4 : 0;   // the menu bar, its buttons a target's height
    // Without a view: one column, not too wide, in a frame when the first piece says so.
    if (vue == pieces.end()) {
        const double l = plusPetit(largeur - 2 * kMarge, kColonneSansVue);
        const bool cadre = !pieces.empty() && pieces.front().genre == Piece::Cadre;
        const Disposition* c = cadre ? rangs(table, pieces.front().rangs).front() : nullptr;
        // In the frame, its rows from its corner; else from the window's.
        Flux f(cadre ? kRetrait : kMarge, cadre ? l - 2 * kRetrait : l, cadre ? kRetrait : menus + kMarge);
        f.pose(table, pieces.subspan(cadre ? 1 : 0), 0, regles, r.places, c ? c->nom : std::string_view{});
        const double bas = c ? kMarge + menus + f.fond + kRetrait : f.fond;
        if (c) r.places.push_back({c, {kMarge, kMarge + menus, l, f.fond + kRetrait}, corps(*c)});
        r.largeur = l + 2 * kMarge;
        r.hauteur = bas + kMarge;
        r.menus = {0, 0, r.largeur, menus};
        r.agencement = Agencement::Colonne;
        return r;
    }

    const auto avant = pieces.subspan(0, static_cast<std::size_t>(vue - pieces.begin()));
    const auto apres = pieces.subspan(avant.size() + 1);
    const double naturelle = px(rangs(table, vue->rangs).front()->place.largeur);
    r.largeur = largeur;

    if (r.agencement == Agencement::Colonne) {
        // The view as wide as the column, or smaller so that "Lancer" shows under it on the first screen.
        const auto colonne = [&](double v) {
            Flux f(kMarge, largeur - 2 * kMarge, menus + kMarge);
            r.places.clear();
            f.pose(table, pieces, v, regles, r.places);
            return f.fond;
        };
        const double l = largeur - 2 * kMarge;
        r.hauteur = colonne(l) + kMarge;
        const auto bas = [&](const Disposition& d) {
            for (const PlaceCompacte& p : r.places)
                if (p.rang == &d) return p.cadre.haut + p.cadre.hauteur;
            return 0.0;
        };
        const Disposition* lancer = cherche(table, cherche(role(Commande::Lancer))->nom);
        const double trop = lancer ? bas(*lancer) + kMarge - hauteur : 0;
        if (trop > 0) r.hauteur = colonne(plusGrand(plusPetit(l, kVueMin), l - trop)) + kMarge;
        r.menus = {0, 0, largeur, menus};
        return r;
    }

    // Two columns: the pieces before the view across the top when the view
    // keeps its size there, else at the top of the right column.
    const double large = largeur - 2 * kMarge - kEcart - kColonneMin;
    Flux haut(kMarge, largeur - 2 * kMarge, menus + kMarge);
    std::vector<PlaceCompacte> enHaut;
    haut.pose(table, avant, 0, regles, enHaut);
    const double sousHaut = haut.fond + kEcart;
    const double vueHaut = plusPetit(plusPetit(naturelle, hauteur - sousHaut - kMarge), large);
    const double vueCote = plusPetit(plusPetit(naturelle, hauteur - 2 * kMarge), large);
    const bool dessus = vueHaut >= vueCote;
    const double v = dessus ? vueHaut : vueCote, droite = kMarge + v + kEcart;
    const double y = dessus ? sousHaut : kMarge;
    r.menus = dessus ? Cadre{0, 0, largeur, menus} : Cadre{droite, 0, largeur - droite, menus};
    Flux f(droite, largeur - droite - kMarge, dessus ? sousHaut : menus + kMarge);
    if (dessus) r.places = std::move(enHaut);
    else f.pose(table, avant, 0, regles, r.places);
    Morceau m = piece(table, *vue, 0, v, regles);
    for (PlaceCompacte& p : m.places) p.cadre.gauche += kMarge, p.cadre.haut += y;
    for (const PlaceCompacte& q : m.places) r.places.push_back(q);
    f.pose(table, apres, 0, regles, r.places);
    r.hauteur = plusGrand(f.fond, y + v) + kMarge;
    return r;
}

} // namespace orbeline
