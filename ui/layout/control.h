#ifndef TESSALY_UI_LAYOUT_CONTROL_H
#define TESSALY_UI_LAYOUT_CONTROL_H

// How a window's controls are written down, toolkit-free, so that every front end, the benchmark
// floors and the programs that click the windows build or find them from the same tables.

#include "ui/layout/twips.h"

#include <array>
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

struct Control
{
    std::string_view name;
    Kind kind;
    std::string_view caption;
    // The frame a control sits in, whose corner its rectangle counts from; empty for the window.
    std::string_view parent;
    Twips rect;
    // The window order as drawn: Tab visits the controls that take the focus in this order, and a
    // label comes just before the field it names.
    int tabIndex;
    Font font = Font::Window;
    // What a screen reader calls a control that no visible caption names; empty where one does.
    // The result is named by what it shows (see namingOf), and this says what it is for.
    std::string_view accessibleName = {};
};

// Labels, frames and the result are read, never typed into nor pressed.
[[nodiscard]] constexpr bool takesFocus(Kind kind)
{
    return kind != Kind::Frame && kind != Kind::Label && kind != Kind::ResultLabel;
}

// Where a screen reader's name for a control comes from: its caption, its accessibleName, or
// what it shows. The result is named by its text, which is what a screen reader speaks when it
// is announced; its accessibleName then describes it.
enum class Naming { Caption, Given, Shown };

[[nodiscard]] constexpr Naming namingOf(const Control &control)
{
    if (control.kind == Kind::ResultLabel)
        return Naming::Shown;
    return control.accessibleName.empty() ? Naming::Caption : Naming::Given;
}

// A face and its size, in points, for every toolkit: the first family a system has wins, and
// each front end falls back on its own sans-serif after the last.
struct Face
{
    std::array<std::string_view, 3> families;
    double points;
};

// At a full 8 points the layout's small face runs two lines to 13 px each, which no longer fit
// the 25 px captions ("I Accept Disclaimer") nor "Length" its 57 px button; with Arial's metrics
// at 7.5 points (10 px at 96 dpi) every caption is whole.
inline constexpr Face windowFace{{"Liberation Sans", "Arial"}, 7.5};
// The input box and the result: 12 points, regular, the classic dialog face where a system has
// it and the windows' sans-serif where it does not.
inline constexpr Face largeFace{{"MS Sans Serif", "Liberation Sans", "Arial"}, 12};

[[nodiscard]] constexpr const Face &faceOf(Font font)
{
    return font == Font::Large ? largeFace : windowFace;
}

} // namespace tessaly::layout

#endif
