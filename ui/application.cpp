#include "ui/application.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>

namespace tessaly {

void describeApplication()
{
    // Only the name is set: a display name of its own would be appended to every window title.
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    QApplication::setApplicationVersion(QStringLiteral(TESSALY_DISPLAY_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TESSALY_APP_ID));

    // The window icon is compiled in as raw pixels: decoding pictures, and the plugin look-ups
    // that go with it, would cost start-up a millisecond. It carries only the sizes a title bar
    // or a task switcher shows.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        const QResource pixels(QStringLiteral(":/icons/tessaly-%1.bgra").arg(size));
        const QImage image(pixels.data(), size, size, QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    QApplication::setWindowIcon(icon);
}

} // namespace tessaly
