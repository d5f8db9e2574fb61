#ifndef TESSALY_UI_QT_QT_GEOMETRY_H
#define TESSALY_UI_QT_QT_GEOMETRY_H

#include "ui/layout/twips.h"

#include <QRect>
#include <QString>

#include <string_view>

namespace tessaly {

// The plain layout types as Qt takes them.
[[nodiscard]] inline QRect toQRect(const Twips &twips)
{
    const Pixels pixels = toPixels(twips);
    return {pixels.x, pixels.y, pixels.width, pixels.height};
}

[[nodiscard]] inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace tessaly

#endif
