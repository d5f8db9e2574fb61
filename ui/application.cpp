#include "ui/application.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace tessaly {

void describeApplication()
{
    // Only the name is set: a display name of its own would be appended to every window title.
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QApplication::setApplicationVersion(QStringLiteral(TESSALY_DISPLAY_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TESSALY_APP_ID));

    QIcon icon;
    for (const QString &file : QDir(QStringLiteral(":/icons")).entryList(QDir::Files))
        icon.addFile(QStringLiteral(":/icons/") + file);
    QApplication::setWindowIcon(icon);
}

} // namespace tessaly
