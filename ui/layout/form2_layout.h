#ifndef TESSALY_UI_LAYOUT_FORM2_LAYOUT_H
#define TESSALY_UI_LAYOUT_FORM2_LAYOUT_H

// The disclaimer window as drawn.

#include "core/disclaimer.h"
#include "ui/layout/control.h"

#include <string_view>

namespace tessaly::form2 {

inline constexpr Twips clientArea{0, 0, 4680, 1260};
inline constexpr std::string_view title = "Disclaimer";

// The label box runs past the bottom of the window; the text fills only its upper part.
inline constexpr layout::Control Label1{
    "Label1", layout::Kind::Label, disclaimerText, {}, {240, 240, 4215, 2535}, 0};

} // namespace tessaly::form2

#endif
