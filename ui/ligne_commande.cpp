#include "ligne_commande.h"

#include "version.h"

#include <string_view>

namespace orbeline {

std::string reponseLigneCommande(int argc, const char* const argv[])
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--version") return std::string("Orbeline ") + version::kTexte + "\n";
        if (argument == "--help")
            return "Usage : orbeline [--help | --version] [FICHIER.orbeline]\n"
                   "Trace la trajectoire d'un satellite autour de la Terre (TP de seconde).\n"
                   "\n"
                   "  --help             affiche cette aide et quitte\n"
                   "  --version          affiche la version et quitte\n"
                   "  FICHIER.orbeline   ouvre cette situation dans la fenêtre principale\n"
                   "\n"
                   "Les autres arguments sont ignorés, sauf les options de Qt (-platform, -display…).\n";
    }
    return {};
}

} // namespace orbeline
