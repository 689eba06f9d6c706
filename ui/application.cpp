#include "application.h"

#include "controles.h"
#include "langue.h"
#include "version.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace orbeline {

namespace {

// Texts of Qt's own dialogs (the file and print dialogs) that Qt's catalogue
// for the language lacks (Qt 6.4's French one), from the program's catalogue:
// asked after Qt's, so that only its gaps are filled. In English they are
// Qt's own words.
class TextesQtManquants : public QTranslator {
public:
    QString translate(const char* contexte, const char* source, const char*, int) const override
    {
        struct Manquant {
            const char* contexte;
            const char* source;
            Texte texte;
        };
        static constexpr Manquant kManquants[] = {
            {"QAbstractFileIconProvider", "Folder", Texte::qtDossier},
            {"QAbstractFileIconProvider", "Drive", Texte::qtLecteur},
            {"QAbstractFileIconProvider", "Unknown", Texte::qtInconnu},
            {"QPrintSettingsOutput", "Pages", Texte::qtPages},
            {"QPrintSettingsOutput",
             "Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a "
             "hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
             Texte::qtPagesBulle},
            {"QPrintSettingsOutput", "Double Sided Printing", Texte::qtRectoVerso},
            {"QPrintSettingsOutput", "Off", Texte::qtNon},
            {"QPrintSettingsOutput", "Long side binding", Texte::qtReliureLong},
            {"QPrintSettingsOutput", "Short side binding", Texte::qtReliureCourt},
            {"QPrintPropertiesDialog", "Printer Properties", Texte::qtProprietes},
            {"QPrintPropertiesWidget", "Advanced", Texte::qtAvance},
            {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.", Texte::qtConflits},
        };
        for (const Manquant& m : kManquants)
            if (qstrcmp(m.contexte, contexte) == 0 && qstrcmp(m.source, source) == 0) return qs(orbeline::tr(m.texte));
        return {};
    }
    bool isEmpty() const override { return false; }
};

} // namespace

std::vector<std::string> languesEnvironnement()
{
    std::vector<std::string> l;
    // LANGUAGE lists several, separated by colons; the others name one.
    if (const char* liste = std::getenv("LANGUAGE"))
        for (std::string_view s = liste; !s.empty();) {
            const std::size_t fin = std::min(s.find(':'), s.size());
            if (fin > 0) l.emplace_back(s.substr(0, fin));
            s.remove_prefix(std::min(fin + 1, s.size()));
        }
    for (const char* nom : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* v = std::getenv(nom); v && *v) {
            l.emplace_back(v);
            break;
        }
    return l;
}

void traduitQt()
{
    // The last translator installed is asked first: Qt's catalogue, then our gaps.
    static TextesQtManquants manquants;
    static QTranslator qt;
    QApplication::removeTranslator(&qt);
    QApplication::removeTranslator(&manquants);
    QApplication::installTranslator(&manquants);
    if (qt.load(QLocale(qs(code(langue()))), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qt);
}

void prepareApplication()
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
    // the program's language, whatever the system's.
    traduitQt();
}

} // namespace orbeline
