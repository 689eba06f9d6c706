// orbeline-art: writes the program's pictures as PNG files for installation.
// Usage: orbeline-art FOLDER
// Produces FOLDER/<n>x<n>/apps/orbeline.png for the hicolor icon sizes, laid
// out as the icon theme expects, and FOLDER/logo.png.

#include "art.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage : orbeline-art DOSSIER\n");
        return 2;
    }
    // Runs during the build, where there may be no display at all.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    const QDir dossier(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (int taille : {48, 64, 128, 256}) {
        const QString sousDossier = QStringLiteral("%1x%1/apps").arg(taille);
        ok = dossier.mkpath(sousDossier)
             && orbeline::imageIcone(taille).save(dossier.filePath(sousDossier + "/orbeline.png"), "PNG")
             && ok;
    }
    ok = dossier.mkpath(QStringLiteral(".")) && orbeline::logoOrbeline().save(dossier.filePath("logo.png"), "PNG") && ok;
    if (!ok) {
        std::fprintf(stderr, "orbeline-art : écriture impossible dans %s\n", argv[1]);
        return 1;
    }
    return 0;
}
