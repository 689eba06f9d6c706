#include "mesures.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace orbeline {

QRect twips(int l, int t, int w, int h)
{
    return {qRound(l / 15.0), qRound(t / 15.0), qRound(w / 15.0), qRound(h / 15.0)};
}

QFont police(const char* famille, double points, bool gras)
{
    QFont f;
    f.setFamilies({QString::fromLatin1(famille), QStringLiteral("Microsoft Sans Serif"),
                   QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("DejaVu Sans")});
    f.setPointSizeF(points);
    f.setBold(gras);
    return f;
}

void centreSurEcran(QWidget* fenetre)
{
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        fenetre->move(ecran->availableGeometry().center() - fenetre->rect().center());
}

} // namespace orbeline
