#include "ui/qt/fonts.h"

#include "ui/layout/control.h"
#include "ui/qt/qt_geometry.h"

#include <QFontDatabase>
#include <QStringList>

namespace tessaly {

QFont fontOf(layout::Font which)
{
    const layout::Face &face = layout::faceOf(which);
    // Only the families the system has: fontconfig looks through every font for one it lacks,
    // at every start of the window.
    const QStringList known = QFontDatabase::families();
    QStringList families;
    for (std::string_view family : face.families) {
        if (!family.empty() && known.contains(toQString(family)))
            families << toQString(family);
    }
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(face.points);
    font.setWeight(QFont::Normal);
    return font;
}

QFont windowFont()
{
    return fontOf(layout::Font::Window);
}

QFont largeFont()
{
    return fontOf(layout::Font::Large);
}

} // namespace tessaly
