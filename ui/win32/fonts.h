#ifndef TESSALY_UI_WIN32_FONTS_H
#define TESSALY_UI_WIN32_FONTS_H

#include "ui/layout/control.h"
#include "ui/win32/windows_api.h"

#include <memory>
#include <type_traits>

namespace tessaly::win32 {

struct FontDeleter
{
    void operator()(HFONT font) const { DeleteObject(font); }
};
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// The layout's face at a size in points for a window at dpi: the first of its families that
// Windows has as an outline font, so that it scales to every DPI, else the system's own
// message-box face. Regular weight.
[[nodiscard]] FontHandle createFont(const layout::Face &face, double points, UINT dpi);

[[nodiscard]] inline FontHandle createFont(layout::Font font, UINT dpi)
{
    return createFont(layout::faceOf(font), layout::faceOf(font).points, dpi);
}

} // namespace tessaly::win32

#endif
