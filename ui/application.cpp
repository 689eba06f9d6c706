#include "application.h"

#include "version.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTranslator>

namespace orbeline {

namespace {

// The platform's style, but for one icon. The menu bar asks for the icon of
// its overflow button when it is built; the style reads it from PNG files
// with the format guessed, which loads every image plug-in installed (and
// libjpeg behind one) on the main window's first showing. The same files are
// read here as the PNG files they are.
class StyleOrbeline : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap icone, const QStyleOption* option, const QWidget* widget) const override
    {
        if (icone != SP_ToolBarHorizontalExtensionButton)
            return QProxyStyle::standardIcon(icone, option, widget);
        const bool droiteAGauche = option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
        QIcon resultat;
        for (const int cote : {8, 16, 32}) {
            QImageReader lecteur(QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-%1%2.png")
                                     .arg(droiteAGauche ? QStringLiteral("rtl-") : QString())
                                     .arg(cote),
                                 "png");
            lecteur.setAutoDetectImageFormat(false);
            const QImage image = lecteur.read();
            if (!image.isNull()) resultat.addPixmap(QPixmap::fromImage(image));
        }
        // Files of another Qt version: the style's own way.
        return resultat.isNull() ? QProxyStyle::standardIcon(icone, option, widget) : resultat;
    }
};

} // namespace

bool prepareApplication()
{
    QApplication::setApplicationName(QStringLiteral("Orbeline"));
    QApplication::setApplicationVersion(QString::fromLatin1(version::kTexte));
    QApplication::setOrganizationName(QStringLiteral("Talvenor"));
    // Desktops find the installed entry, hence the theme icon at every size.
    QGuiApplication::setDesktopFileName(QStringLiteral("orbeline"));
    // Over the style in force, the one asked for on the command line or in the environment included.
    QApplication::setStyle(new StyleOrbeline(QStyleFactory::create(QApplication::style()->name())));

    // The interface is French: the toolkit's own texts (the fields' context
    // menus) too, whatever the system language.
    static QTranslator qtFr;
    const bool charge = qtFr.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (charge) QApplication::installTranslator(&qtFr);
    return charge;
}

} // namespace orbeline
