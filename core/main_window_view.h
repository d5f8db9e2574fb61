#ifndef TESSALY_CORE_MAIN_WINDOW_VIEW_H
#define TESSALY_CORE_MAIN_WINDOW_VIEW_H

#include "core/category.h"

#include <string>

namespace tessaly {

// Value of the disclaimer check box, numbered as the box reports it.
enum class CheckValue { Unticked = 0, Ticked = 1, Greyed = 2 };

// What the conversion actions need of the main window, and nothing more, so that they run and are
// tested without a window system. Texts are UTF-8.
class MainWindowView
{
public:
    virtual ~MainWindowView() = default;

    // Whether the option button of the category (Option1 Length, Option2 Mass,
    // Option3 Temperature) is selected.
    [[nodiscard]] virtual bool isOptionSelected(Category category) const = 0;
    // Check1's value.
    [[nodiscard]] virtual CheckValue check1Value() const = 0;
    // Empties Combo1's list.
    virtual void combo1Clear() = 0;
    // Appends one item to the end of Combo1's list.
    virtual void combo1AddItem(const std::string &item) = 0;
    // The text in Combo1's edit field, typed or chosen from the list.
    [[nodiscard]] virtual std::string combo1Text() const = 0;
    // The text in the input box Text1.
    [[nodiscard]] virtual std::string text1Text() const = 0;
    // Replaces the result label Label1's caption.
    virtual void setLabel1Caption(const std::string &caption) = 0;
};

} // namespace tessaly

#endif
