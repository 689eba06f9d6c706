// GoogleTest over a QApplication on the offscreen platform.
#include "application.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    orbeline::prepareApplication();
    QApplication::setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
