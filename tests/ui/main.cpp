// GoogleTest over a QApplication prepared as the program's, on the offscreen
// platform unless told otherwise (the picture tests also run at ratio 2), and
// on no session bus: neither the developer's nor one autolaunched by libdbus.
#include "application.h"
#include "fenetre/outils.h"

#include <QApplication>
#include <QTranslator>

#include <gtest/gtest.h>

// Installed before the program's translators, so asked after them: what none translated.
QStringList& orbeline::test::textesNonTraduits() { static QStringList textes; return textes; }
struct TemoinTraductions : QTranslator {
    QString translate(const char* contexte, const char* texte, const char*, int) const override
    {
        if (*texte && qstrcmp(texte, "QT_LAYOUT_DIRECTION")) orbeline::test::textesNonTraduits() << QString(contexte) + " | " + texte;
        return {};
    }
    bool isEmpty() const override { return false; }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    static TemoinTraductions temoin;
    QApplication::installTranslator(&temoin);
    orbeline::prepareApplication();
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
