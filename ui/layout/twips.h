#ifndef TESSALY_UI_LAYOUT_TWIPS_H
#define TESSALY_UI_LAYOUT_TWIPS_H

namespace tessaly {

// A rectangle in the twips the windows were drawn in: 1/1440 inch, 15 to a device-independent
// pixel. Keeping them lets every rectangle be read against the drawing; Qt's high-DPI scaling
// does the rest. Plain C++, so programs without Qt can read the layout too.
struct Twips
{
    int left;
    int top;
    int width;
    int height;
};

struct Pixels
{
    int x;
    int y;
    int width;
    int height;
};

inline constexpr int twipsPerPixel = 15;

[[nodiscard]] constexpr Pixels toPixels(const Twips &twips)
{
    return {twips.left / twipsPerPixel, twips.top / twipsPerPixel, twips.width / twipsPerPixel,
        twips.height / twipsPerPixel};
}

} // namespace tessaly

#endif
