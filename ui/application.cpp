#include "application.h"

#include "version.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace orbeline {

bool prepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("Orbeline"));
    QApplication::setApplicationVersion(QString::fromLatin1(version::kTexte));
    QApplication::setOrganizationName(QStringLiteral("Talvenor"));
    // Desktops find the installed entry, hence the theme icon at every size.
    QGuiApplication::setDesktopFileName(QStringLiteral("orbeline"));
    // Qt's file dialog keeps the folders visited in the user's settings
    // (~/.config/QtProject.conf), where the next pupil of a shared account
    // would read them. The program writes nothing but the pupil's files: the
    // user's settings live on the null device, where nothing is kept.
#ifdef Q_OS_UNIX
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
#endif

    // The interface is French: the toolkit's own texts (the fields' context
    // menus) too, whatever the system language.
    static QTranslator qtFr;
    const bool charge = qtFr.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (charge) QApplication::installTranslator(&qtFr);
    return charge;
}

} // namespace orbeline
