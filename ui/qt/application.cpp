#include "ui/qt/application.h"

#include "ui/layout/form1_layout.h"
#include "ui/qt/qt_geometry.h"
#include "ui/qt/result_label.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>

#include <cmath>

namespace tessaly {

void describeApplication()
{
    // Only the name is set: a display name of its own would be appended to every window title.
    QApplication::setApplicationName(toQString(form1::title));
    QApplication::setApplicationVersion(QStringLiteral(TESSALY_DISPLAY_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TESSALY_APP_ID));

    // The window icon is compiled in as raw square pictures, 4 bytes a pixel: decoding image
    // files, and the plugin look-ups that go with it, would cost start-up a millisecond.
    QIcon icon;
    const QString folder = QStringLiteral(":/icons/");
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        const QResource pixels(folder + name);
        const auto side
            = static_cast<int>(std::lround(std::sqrt(static_cast<double>(pixels.size()) / 4.0)));
        const QImage image(pixels.data(), side, side, QImage::Format_ARGB32);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    QApplication::setWindowIcon(icon);
    installResultAccessible();
}

} // namespace tessaly
