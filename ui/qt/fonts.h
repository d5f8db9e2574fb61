#ifndef TESSALY_UI_QT_FONTS_H
#define TESSALY_UI_QT_FONTS_H

#include <QFont>

namespace tessaly {

namespace layout {
enum class Font;
}

// The layout's face as a Qt font: its families in order, then the system's sans-serif.
[[nodiscard]] QFont fontOf(layout::Font which);

// The windows' own font.
[[nodiscard]] QFont windowFont();

// The input box and the result.
[[nodiscard]] QFont largeFont();

} // namespace tessaly

#endif
