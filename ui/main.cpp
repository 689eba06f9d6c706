#include "affichage.h"
#include "version.h"

#include <QApplication>
#include <QLabel>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (!orbeline::affichageDisponible()) {
        std::fputs(orbeline::messageSansAffichage(), stderr);
        return 1;
    }
    orbeline::installeGardeAffichage();
    QApplication app(argc, argv);
    QLabel attente(QStringLiteral("Orbeline %1 : la fenêtre principale arrive bientôt.")
                       .arg(QString::fromLatin1(orbeline::version::kTexte)));
    attente.setWindowTitle(QStringLiteral("orbelines"));
    attente.resize(420, 120);
    attente.show();
    return app.exec();
}
