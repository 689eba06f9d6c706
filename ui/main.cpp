#include "affichage.h"
#include "application.h"
#include "frmSplash.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (!orbeline::affichageDisponible()) {
        std::fputs(orbeline::messageSansAffichage(), stderr);
        return 1;
    }
    orbeline::installeGardeAffichage();

    QApplication app(argc, argv);
    orbeline::prepareApplication();
    // The start screen hides before the main window shows: the program ends
    // only from the main window.
    QApplication::setQuitOnLastWindowClosed(false);

    orbeline::frmSplash accueil;
    accueil.show();
    return app.exec();
}
