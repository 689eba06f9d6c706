// GoogleTest over a QApplication prepared as the program's, on the offscreen
// platform unless told otherwise (the picture tests also run at ratio 2), and
// on no session bus: neither the developer's nor one autolaunched by libdbus.
#include "application.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    orbeline::prepareApplication();
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
