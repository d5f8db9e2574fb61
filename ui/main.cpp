#include "ui/application.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tessaly::describeApplication();
    tessaly::Form1 window;
    window.show();
    return QApplication::exec();
}
