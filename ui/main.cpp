#include "affichage.h"
#include "application.h"
#include "frmSplash.h"
#include "ligne_commande.h"
#include "mesures.h"

#include "langue.h"

#include <QApplication>

#include <cstdio>
#include <string>

int main(int argc, char* argv[])
{
    // The program speaks the user's language if it can, French otherwise:
    // from the first words it says.
    orbeline::choisitLangue(orbeline::premiereLangue(orbeline::languesEnvironnement()));

    // Answered before any display is looked for: these work on a server or in a script.
    const std::string reponse = orbeline::reponseLigneCommande(argc, argv);
    if (!reponse.empty()) return std::fputs(reponse.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;

    if (!orbeline::affichageDisponible(argc, argv)) {
        std::fputs(orbeline::messageSansAffichage().c_str(), stderr);
        return 1;
    }
    orbeline::installeGardeAffichage();
    orbeline::installeGardeMemoire();

    orbeline::prechauffePolices();
    QApplication app(argc, argv);
    orbeline::prepareApplication();
    // The start screen hides before the main window shows: the program ends
    // only from the main window.
    QApplication::setQuitOnLastWindowClosed(false);

    orbeline::frmSplash accueil;
    // A situation named on the command line (what the desktop does for a
    // double-clicked file) opens with the main window. Qt took its own options
    // out of argv; the name stays as the system spells it, UTF-8 or not.
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] != '-') {
            accueil.ouvrira(QByteArray(argv[i]));
            break;
        }
    accueil.show();
    return app.exec();
}
