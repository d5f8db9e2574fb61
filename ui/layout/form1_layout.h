#ifndef TESSALY_UI_LAYOUT_FORM1_LAYOUT_H
#define TESSALY_UI_LAYOUT_FORM1_LAYOUT_H

// The main window as drawn: every control's name, kind, caption and rectangle. Plain C++, so that
// the benchmark floor and the programs that click the window read the same rectangles as Form1.

#include "core/category.h"
#include "ui/layout/control.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tessaly::form1 {

using layout::Control;
using layout::Font;
using layout::Kind;

inline constexpr Twips clientArea{0, 0, 4485, 3765};
// The main window has the program's name.
inline constexpr std::string_view title = TESSALY_NAME;

// clang-format off
inline constexpr Control Frame1{"Frame1", Kind::Frame, "Type of Units", {}, {240, 240, 1815, 2175},
    0};
// The options are one Tab stop, at the lowest index of the three.
inline constexpr Control Option1{"Option1", Kind::OptionButton, categoryName(Category::Length),
    "Frame1", {240, 360, 855, 495}, 3};
inline constexpr Control Option2{"Option2", Kind::OptionButton, categoryName(Category::Mass),
    "Frame1", {240, 960, 975, 495}, 2};
inline constexpr Control Option3{"Option3", Kind::OptionButton, categoryName(Category::Temperature),
    "Frame1", {240, 1560, 1335, 375}, 1};
inline constexpr Control Text1{"Text1", Kind::TextBox, {}, {}, {2160, 360, 1575, 435}, 5,
    Font::Large, "Value"};
inline constexpr Control Label2{"Label2", Kind::Label, {}, {}, {3840, 360, 495, 375}, 8};
inline constexpr Control Command1{"Command1", Kind::CommandButton, "Convert", {},
    {2400, 960, 1215, 855}, 4};
inline constexpr Control Label1{"Label1", Kind::ResultLabel, {}, {}, {2400, 1920, 1815, 615}, 6,
    Font::Large, "Result"};
inline constexpr Control Combo1{"Combo1", Kind::ComboBox, {}, {}, {360, 2760, 3135, 315}, 7,
    Font::Window, "Conversion"};
// Six spaces before the version, so that the label's width breaks it over two lines.
inline constexpr Control Label3{"Label3", Kind::Label, "Version      " TESSALY_SHORT_VERSION, {},
    {3720, 2760, 615, 375}, 9};
inline constexpr Control Label4{"Label4", Kind::Label, TESSALY_CONTACT, {},
    {2760, 3240, 1695, 375}, 10};
inline constexpr Control Command2{"Command2", Kind::CommandButton, "Disclaimer", {},
    {240, 3240, 1095, 375}, 11};
inline constexpr Control Label5{"Label5", Kind::Label, "I Accept Disclaimer", {},
    {1680, 3240, 855, 375}, 12};
// Only the box shows; Label5 beside it is its caption for the eye, and its own name, clipped away
// by its width, is the same words for the ear.
inline constexpr Control Check1{"Check1", Kind::CheckBox, {}, {}, {1440, 3240, 255, 255}, 13,
    Font::Window, Label5.caption};
// clang-format on

// Parents before their children.
inline constexpr std::array controls{Frame1, Option1, Option2, Option3, Text1, Label2, Command1,
    Label1, Combo1, Label3, Label4, Command2, Label5, Check1};

// The controls in the window order, which Tab follows and in which a screen reader finds a
// label just before what it names.
inline constexpr std::array windowOrder = [] {
    auto ordered = controls;
    std::sort(ordered.begin(), ordered.end(),
        [](const Control &a, const Control &b) { return a.tabIndex < b.tabIndex; });
    return ordered;
}();

// Which option chooses which category, and the category chosen when the window opens.
struct CategoryOption
{
    Category category;
    const Control *option;
};
inline constexpr std::array<CategoryOption, 3> categoryOptions{{
    {Category::Length, &Option1},
    {Category::Mass, &Option2},
    {Category::Temperature, &Option3},
}};
inline constexpr Category startingCategory = Category::Length;

[[nodiscard]] constexpr const Control &optionOf(Category category)
{
    const auto *entry = std::find_if(categoryOptions.begin(), categoryOptions.end(),
        [category](const CategoryOption &known) { return known.category == category; });
    return entry != categoryOptions.end() ? *entry->option : Option1;
}

// In window twips: a control in a frame counts from the frame's corner.
[[nodiscard]] constexpr Twips windowTwips(const Control &control)
{
    Twips rect = control.rect;
    for (const Control &frame : controls) {
        if (!control.parent.empty() && frame.name == control.parent) {
            const Twips corner = windowTwips(frame);
            rect.left += corner.left;
            rect.top += corner.top;
        }
    }
    return rect;
}

// In window pixels at 96 dots an inch.
[[nodiscard]] constexpr Pixels inWindow(const Control &control)
{
    return toPixels(windowTwips(control));
}

} // namespace tessaly::form1

#endif
