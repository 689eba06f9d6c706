#include "disposition.h"

#include "version.h"

#include <algorithm>

namespace orbeline {
namespace {

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
