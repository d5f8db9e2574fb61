#include "ui/application.h"

#include <QApplication>
#include <QIcon>

namespace tessaly {

void describeApplication()
{
    // Only the name is set: a display name of its own would be appended to every window title.
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));

    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tessaly-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

} // namespace tessaly
