#ifndef TESSALY_UI_FONTS_H
#define TESSALY_UI_FONTS_H

#include <QFont>

namespace tessaly {

// The windows' own font: the layout was drawn for a small 8-point face, and a sans-serif with
// Arial's metrics at 7.5 points keeps every caption inside its control.
[[nodiscard]] QFont windowFont();

// The input box and the result: 12 points, regular, the classic dialog face where a system has
// it and the same sans-serif as the windows where it does not.
[[nodiscard]] QFont largeFont();

} // namespace tessaly

#endif
