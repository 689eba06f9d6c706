#include "ligne_commande.h"

#include "langue.h"
#include "version.h"

#include <string_view>

namespace orbeline {

std::string reponseLigneCommande(int argc, const char* const argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version") return std::string("Orbeline ") + version::kTexte + "\n";
        if (argument == "--help") return std::string(tr(Texte::aide)) + "\n";
    }
    return {};
}

} // namespace orbeline
