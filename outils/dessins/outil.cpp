// orbeline-dessins: draws the program's pictures into the files the program
// ships. Usage: orbeline-dessins FOLDER SIZE...
// Writes FOLDER/logo.png and FOLDER/icone-<n>.png for each icon size.
// `make dessins` runs it on ui/art, then writes the logo again as logo.webp
// for the web page; the build itself only reads those files.

#include "art.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage : orbeline-dessins DOSSIER TAILLE...\n");
        return 2;
    }
    // No display is needed to draw into images.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);

    const QDir dossier(QString::fromLocal8Bit(argv[1]));
    const QImage logo = orbeline::logoOrbeline();
    bool ok = logo.save(dossier.filePath(QStringLiteral("logo.png")), "PNG");
    for (int i = 2; i < argc; ++i) {
        bool nombre = false;
        const int taille = QString::fromLocal8Bit(argv[i]).toInt(&nombre);
        if (!nombre || taille < 1 || taille > 4096) {
            std::fprintf(stderr, "orbeline-dessins : taille invalide : %s\n", argv[i]);
            return 2;
        }
        ok = orbeline::imageIcone(taille).save(dossier.filePath(QStringLiteral("icone-%1.png").arg(taille)), "PNG")
             && ok;
    }
    if (!ok) {
        std::fprintf(stderr, "orbeline-dessins : écriture impossible dans %s\n", argv[1]);
        return 1;
    }
    return 0;
}
