#include "ui/qt/application.h"
#include "ui/qt/form1.h"
#include "ui/qt/window_system.h"

#include <QApplication>

// What the program calls when it is started for its window, with the arguments it was given:
// none, or only the toolkit's own window options, which QApplication takes; and how it says that
// no window can be opened, which does not return.
extern "C" __attribute__((visibility("default"))) int tessaly_window_main(
    int argc, char *argv[], tessaly::WindowSystemCheck::CannotOpen cannotOpen)
{
    tessaly::WindowSystemCheck windowSystem(argc, argv, cannotOpen);
    QApplication app(argc, argv);
    windowSystem.passed();

    tessaly::describeApplication();
    tessaly::Form1 window;
    window.show();
    return QApplication::exec();
}
