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

static_assert(legendesSaines(kDisposition));

// Each action in the menus once, so that the front ends can number them 0 to kNombreActions − 1.
constexpr bool menusSains()
{
    std::array<int, kNombreActions> vues{};
    for (const EntreeMenu& e : kMenus) {
        const auto i = static_cast<std::size_t>(e.action);
        if (i >= vues.size()) return false;
        ++vues[i];
    }
    return std::all_of(vues.begin(), vues.end(), [](int n) { return n == 1; });
}
static_assert(menusSains(), "each value of Action needs one row in kMenus, and its case in choisit (shell/actions.cpp)");

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
