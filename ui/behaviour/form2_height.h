#ifndef TESSALY_UI_BEHAVIOUR_FORM2_HEIGHT_H
#define TESSALY_UI_BEHAVIOUR_FORM2_HEIGHT_H

#include <algorithm>

namespace tessaly {

// The disclaimer's label box runs past the bottom of its window, so the window's own height
// decides how much shows. Only a font that needs more lines than that height shows makes the
// window taller, just enough for the last line. All in the front end's own units.
[[nodiscard]] constexpr int form2ClientHeight(int drawnHeight, int labelTop, int textHeight)
{
    return std::max(drawnHeight, labelTop + textHeight);
}

} // namespace tessaly

#endif
