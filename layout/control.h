#ifndef TESSALY_LAYOUT_CONTROL_H
#define TESSALY_LAYOUT_CONTROL_H

// How a window's controls are written down, toolkit-free, so that every front end, the benchmark
// floors and the programs that click the windows build or find them from the same tables.

#include "layout/twips.h"

#include <string_view>

namespace tessaly::layout {

enum class Kind {
    Frame,
    OptionButton,
    TextBox,
    Label,
    ResultLabel,
    CommandButton,
    ComboBox,
    CheckBox
};

// The window's own small face, or the large one of the input and the result.
enum class Font { Window, Large };

// Where Tab stops come from: controls that take the focus, in ascending order.
inline constexpr int noTabStop = -1;

struct Control
{
    std::string_view name;
    Kind kind;
    std::string_view caption;
    // The frame a control sits in, whose corner its rectangle counts from; empty for the window.
    std::string_view parent;
    Twips rect;
    int tabIndex = noTabStop;
    Font font = Font::Window;
};

} // namespace tessaly::layout

#endif
