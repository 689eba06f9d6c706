#include "application.h"

#include "version.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace orbeline {

namespace {

// The languages of the interface; the first is the one spoken to a user whose
// languages it does not know.
constexpr QLocale::Language kLangues[] = {QLocale::French};

// Texts of Qt's own dialogs (the file and print dialogs) that Qt's French
// catalogue lacks in Qt 6.4: asked after it, so that only its gaps are filled.
class TextesFrancaisManquants : public QTranslator {
public:
    QString translate(const char* contexte, const char* source, const char*, int) const override
    {
        struct Texte {
            const char* contexte;
            const char* source;
            const char* francais;
        };
        static constexpr Texte kTextes[] = {
            {"QAbstractFileIconProvider", "Folder", "Dossier"},
            {"QAbstractFileIconProvider", "Drive", "Lecteur"},
            {"QAbstractFileIconProvider", "Unknown", "Inconnu"},
            {"QPrintSettingsOutput", "Pages", "Pages"},
            {"QPrintSettingsOutput",
             "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a "
             "hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
             "Indiquez des pages ou des séries de pages séparées par des virgules. Une série s'écrit avec deux "
             "numéros séparés par un tiret. Par exemple, 3,5-7,9 imprime les pages 3, 5, 6, 7 et 9."},
            {"QPrintSettingsOutput", "Double Sided Printing", "Impression recto verso"},
            {"QPrintSettingsOutput", "Off", "Non"},
            {"QPrintSettingsOutput", "Long side binding", "Reliure côté long"},
            {"QPrintSettingsOutput", "Short side binding", "Reliure côté court"},
            {"QPrintPropertiesDialog", "Printer Properties", "Propriétés de l'imprimante"},
            {"QPrintPropertiesWidget", "Advanced", "Avancé"},
            {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
             "Certaines options ne vont pas ensemble. Corrigez-les."},
        };
        for (const Texte& t : kTextes)
            if (qstrcmp(t.contexte, contexte) == 0 && qstrcmp(t.source, source) == 0) return QString::fromUtf8(t.francais);
        return {};
    }
    bool isEmpty() const override { return false; }
};

} // namespace

QLocale langueInterface()
{
    for (const QString& nom : QLocale().uiLanguages()) {
        const QLocale l(nom);
        for (const QLocale::Language langue : kLangues)
            if (l.language() == langue) return l;
    }
    return QLocale(kLangues[0]);
}

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

    // The toolkit's own texts (its dialogs, the fields' context menus) speak
    // the interface's language, whatever the system's. The last translator
    // installed is asked first.
    const QLocale langue = langueInterface();
    if (langue.language() == QLocale::French) {
        static TextesFrancaisManquants manquants;
        QApplication::installTranslator(&manquants);
    }
    static QTranslator qt;
    const bool charge = qt.load(langue, QStringLiteral("qtbase"), QStringLiteral("_"),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (charge) QApplication::installTranslator(&qt);
    return charge;
}

} // namespace orbeline
