#include "disposition.h"

#include "version.h"

#include <algorithm>

namespace orbeline {

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
