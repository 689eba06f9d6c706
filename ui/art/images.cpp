#include "images.h"

#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

// A static library's resources are linked only when named, from outside any namespace.
static void chargeImages()
{
    static bool charge = false;
    if (!charge) Q_INIT_RESOURCE(images);
    charge = true;
}

namespace orbeline {

namespace {

// PNG only: with format detection on, Qt's reader first loads every image
// plug-in installed (and the libraries behind them) to ask whether one of
// them reads the format, before its own PNG reader.
QPixmap litPng(const QString& chemin)
{
    QImageReader lecteur(chemin, "png");
    lecteur.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(lecteur.read());
}

} // namespace

QIcon iconeOrbeline()
{
    chargeImages();
    QIcon icone;
    const QDir dossier(QStringLiteral(":/art/icone"));
    for (const QString& nom : dossier.entryList(QDir::Files)) icone.addPixmap(litPng(dossier.filePath(nom)));
    return icone;
}

QPixmap logoAccueil()
{
    chargeImages();
    return litPng(QStringLiteral(":/art/logo.png"));
}

} // namespace orbeline
