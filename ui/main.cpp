#include "cli/command_line.h"
#include "ui/application.h"
#include "ui/form1.h"
#include "ui/window_system.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (tessaly::cli::isCommandLine(argc, argv))
        return tessaly::cli::run(argc, argv);

    tessaly::WindowSystemCheck windowSystem;
    QApplication app(argc, argv);
    windowSystem.passed();
    if (argc > 1)
        return tessaly::cli::reportUnusedArguments(argc, argv);

    tessaly::describeApplication();
    tessaly::Form1 window;
    window.show();
    return QApplication::exec();
}
