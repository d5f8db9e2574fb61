#ifndef TESSALY_UI_TWIPS_H
#define TESSALY_UI_TWIPS_H

#include <QRect>

namespace tessaly {

// Positions are kept in the twips the windows were drawn in (15 to a device-independent pixel),
// so every rectangle can be read against the drawing; Qt's high-DPI scaling does the rest.
[[nodiscard]] constexpr QRect twips(int left, int top, int width, int height)
{
    constexpr int perPixel = 15;
    return {left / perPixel, top / perPixel, width / perPixel, height / perPixel};
}

} // namespace tessaly

#endif
