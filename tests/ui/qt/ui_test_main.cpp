#include "ui/qt/application.h"

#include <QApplication>

#include <gtest/gtest.h>

// Widget tests need a QApplication, and test discovery runs this binary while building, where no
// display may exist: without a platform chosen from outside, windows are drawn offscreen.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    tessaly::describeApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
