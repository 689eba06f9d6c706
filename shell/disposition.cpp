#include "disposition.h"

#include "version.h"

#include <algorithm>

namespace orbeline {
namespace {

// Overlaps the layout has: the mass's exponent over its field's edge, two charts' captions over the charts under
// them, the maker's line under "Suite", the read-out's unit into the legend's column (its text stops before).
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kChevauchementsVoulus{
    {{"Text5", "Label5_1"}, {"Label8", "Picture5"}, {"Label13", "Picture6"}, {"lblCompany", "Command1"}, {"Label14", "Legende"}}};

constexpr bool seChevauchent(const Place& a, const Place& b)
{
    return a.gauche < b.gauche + b.largeur && b.gauche < a.gauche + a.largeur && a.haut < b.haut + b.hauteur &&
           b.haut < a.haut + a.hauteur;
}

// What the front ends rely on when they build a window from its table: each
// name, tab index and role once, a frame before the controls it holds, one
// selected button per group, each control starting inside its container and
// apart from its neighbours, places on whole pixels. A table that breaks one
// does not compile.
constexpr bool tableSaine(std::span<const Disposition> t, int largeur, int hauteur)
{
    for (std::size_t i = 0; i < t.size(); ++i) {
        const Disposition& d = t[i];
        bool cadreAvant = d.cadre.empty();
        int options = 0, choisis = 0;
        Place dans{0, 0, largeur, hauteur};
        for (std::size_t j = 0; j < t.size(); ++j) {
            const Disposition& e = t[j];
            if (j != i && (e.nom == d.nom || (d.tab >= 0 && e.tab == d.tab) ||
                           (d.role.sorte != Role::Sorte::Aucune && e.role == d.role)))
                return false;
            cadreAvant = cadreAvant || (j < i && e.nom == d.cadre);
            if (e.nom == d.cadre) dans = e.place;
            const bool sien = e.genre == Genre::Option && e.cadre == d.nom;
            options += sien ? 1 : 0;
            choisis += sien && (e.drapeaux & Choisi) ? 1 : 0;
            const bool voulu = std::find(kChevauchementsVoulus.begin(), kChevauchementsVoulus.end(), std::pair(d.nom, e.nom)) !=
                               kChevauchementsVoulus.end();
            if (j > i && e.cadre == d.cadre && !voulu && seChevauchent(d.place, e.place)) return false;
        }
        if (!cadreAvant || (options > 0 && choisis != 1)) return false;
        // A few end past the right edge, as the layout has them; none starts outside.
        if (d.place.gauche < 0 || d.place.haut < 0 || d.place.gauche >= dans.largeur || d.place.haut >= dans.hauteur)
            return false;
        // On the 96-dpi pixel grid, 15 twips a pixel, as the window was drawn: a place off it is
        // mistyped. Two lie a few twips off, as the window has always had them.
        const Place& p = d.place;
        if (d.nom != "Text1" && d.nom != "Label5_1" && (p.gauche % 15 || p.haut % 15 || p.largeur % 15 || p.hauteur % 15))
            return false;
        if (d.genre == Genre::Option && d.cadre.empty()) return false;
    }
    return true;
}
static_assert(tableSaine(kDisposition, kLargeurEtendue, kHauteurPrincipale) &&
              tableSaine(kDispositionAccueil, kLargeurAccueil, kHauteurAccueil));
// Each flag its own bit.
static_assert((Choisi | Desactive | Cache | AutoTaille | ParDefaut | ADroite | Retour | NommeParCadre | EnHaut | Facultatif) ==
              Choisi + Desactive + Cache + AutoTaille + ParDefaut + ADroite + Retour + NommeParCadre + EnHaut + Facultatif);
static_assert(kLargeurPrincipale % 15 == 0 && kHauteurPrincipale % 15 == 0 && kLargeurEtendue % 15 == 0 &&
              kLargeurAccueil % 15 == 0 && kHauteurAccueil % 15 == 0);

// Each scale button reads its own preset's caption, each chart's area and caption are there and the
// caption reads its title: what the pupil picks or reads is what the program does.
constexpr bool legendesSaines()
{
    for (const Disposition& d : kDisposition)
        if (d.role.sorte == Role::Sorte::Option && d.role.numero == static_cast<int>(Groupe::Echelle) &&
            d.legende != kPresets[static_cast<std::size_t>(d.role.index)].legende)
            return false;
    for (const Graphe& g : kGraphes) {
        int zones = 0, legendes = 0;
        for (const Disposition& d : kDisposition) {
            zones += d.role == zone(g.picture) ? 1 : 0;
            legendes += d.role == legendeGraphe(g.picture) && d.legende == g.titre ? 1 : 0;
        }
        if (zones != 1 || legendes != 1) return false;
    }
    return true;
}
static_assert(legendesSaines());

// Each action in the menus once: the front ends number them 0 to kNombreActions − 1.
constexpr bool menusSains()
{
    std::array<int, kNombreActions> vues{};
    for (const EntreeMenu& e : kMenus) ++vues[static_cast<std::size_t>(e.action)];
    return std::all_of(vues.begin(), vues.end(), [](int n) { return n == 1; });
}
static_assert(menusSains());

} // namespace

std::string texteVersion() { return tr(Texte::version, {version::kTexte}); }

std::array<std::pair<std::string_view, std::string>, 2> Accueil_Load()
{
    return {{{"lblVersion", texteVersion()}, {"lblProductName", std::string(tr(kTitreApplication))}}};
}

const Disposition* cherche(std::span<const Disposition> table, std::string_view nom)
{
    const auto it = std::find_if(table.begin(), table.end(), [nom](const Disposition& d) { return d.nom == nom; });
    return it == table.end() ? nullptr : &*it;
}

const EntreeMenu& entree(Action a)
{
    return *std::find_if(kMenus.begin(), kMenus.end(), [a](const EntreeMenu& e) { return e.action == a; });
}

const Disposition* cherche(Role r)
{
    const auto it = std::find_if(kDisposition.begin(), kDisposition.end(), [r](const Disposition& d) { return d.role == r; });
    return it == kDisposition.end() ? nullptr : &*it;
}

} // namespace orbeline
