#include "controles.h"

#include "mesures.h"

#include <QGuiApplication>

namespace orbeline {

QRect enPixels(const Disposition& d)
{
    return {enPixels(d.place.gauche), enPixels(d.place.haut), enPixels(d.place.largeur), enPixels(d.place.hauteur)};
}

QFont policeDe(const Police& p)
{
    return police(QByteArray(p.famille.data(), static_cast<qsizetype>(p.famille.size())).constData(), p.points, p.gras);
}

void enveloppe(QCheckBox* b)
{
    const QString legende = b->text();
    b->setAccessibleName(legende);
    const int place = b->width() - 20;
    if (b->fontMetrics().horizontalAdvance(legende) <= place) return;
    QString ligne = legende;
    for (qsizetype i = legende.lastIndexOf(' ', legende.size() - 2); i > 0; i = legende.lastIndexOf(' ', i - 1)) {
        if (b->fontMetrics().horizontalAdvance(legende.left(i)) <= place) {
            ligne = legende.left(i) + QLatin1Char('\n') + legende.mid(i + 1);
            break;
        }
    }
    b->setText(ligne);
}

// X11's default input method when no other is set, compose, reads the
// locale's whole table (several milliseconds) at the first key, and composes
// nothing a number needs. Any other method (an on-screen keyboard, Wayland's)
// stays.
QVariant ChampNombre::inputMethodQuery(Qt::InputMethodQuery requete) const
{
    static const bool composeSeule = [] {
        const QByteArray module = qgetenv("QT_IM_MODULE");
        return QGuiApplication::platformName() == QLatin1String("xcb") && (module.isEmpty() || module == "compose");
    }();
    if (requete == Qt::ImEnabled && composeSeule) return false;
    return QLineEdit::inputMethodQuery(requete);
}

} // namespace orbeline
