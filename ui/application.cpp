#include "application.h"

#include "version.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orbeline {

bool prepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("Orbeline"));
    QApplication::setApplicationVersion(QString::fromLatin1(version::kTexte));
    QApplication::setOrganizationName(QStringLiteral("Talvenor"));
    // Desktops find the installed entry, hence the theme icon at every size.
    QGuiApplication::setDesktopFileName(QStringLiteral("orbeline"));

    // The interface is French: the toolkit's own texts (the fields' context
    // menus) too, whatever the system language.
    static QTranslator qtFr;
    const bool charge = qtFr.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (charge) QApplication::installTranslator(&qtFr);
    return charge;
}

} // namespace orbeline
