#include "images.h"

#include <QByteArray>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QResource>

// A static library's resources are linked only when named, from outside any namespace.
static void chargeImages()
{
    static bool charge = false;
    if (!charge) Q_INIT_RESOURCE(images);
    charge = true;
}

namespace orbeline {

QIcon iconeOrbeline()
{
    chargeImages();
    QIcon icone;
    const QDir dossier(QStringLiteral(":/art/icone"));
    for (const QString& nom : dossier.entryList(QDir::Files)) {
        // PNG only: with format detection on, Qt's reader first loads every
        // image plug-in installed (and the libraries behind them) to ask
        // whether one of them reads the format, before its own PNG reader.
        QImageReader lecteur(dossier.filePath(nom), "png");
        lecteur.setAutoDetectImageFormat(false);
        icone.addPixmap(QPixmap::fromImage(lecteur.read()));
    }
    return icone;
}

QPixmap logoAccueil()
{
    // The logo is on the first frame's path: a binary PPM kept uncompressed
    // (images.qrc), its pixels used where they lie. A PNG would first need
    // Qt's image reader, then decompressing and unfiltering.
    chargeImages();
    const QResource fichier(QStringLiteral(":/art/logo.ppm"));
    const QByteArray entete = QByteArrayLiteral("P6\n") + QByteArray::number(largeurLogo) + ' '
                              + QByteArray::number(hauteurLogo) + "\n255\n";
    const QByteArray donnees = fichier.uncompressedData();
    if (!donnees.startsWith(entete) || donnees.size() != entete.size() + qsizetype{3} * largeurLogo * hauteurLogo)
        return {};
    return QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(donnees.constData() + entete.size()), largeurLogo,
                                     hauteurLogo, 3 * largeurLogo, QImage::Format_RGB888));
}

} // namespace orbeline
