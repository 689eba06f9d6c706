#include "images.h"

#include "rendus.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace orbeline {

namespace {

// The rendering's words read in place; the pixmap takes its own copy.
QPixmap pixmap(const rendus::Rendu& r, QImage::Format format)
{
    return QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(r.pixels), r.largeur, r.hauteur, format));
}

} // namespace

QIcon iconeOrbeline()
{
    QIcon icone;
    for (std::size_t i = 0; i < rendus::kNombreIcones; ++i)
        icone.addPixmap(pixmap(rendus::kIcones[i], QImage::Format_ARGB32_Premultiplied));
    return icone;
}

QPixmap logoAccueil() { return pixmap(rendus::kLogo, QImage::Format_RGB32); }

} // namespace orbeline
