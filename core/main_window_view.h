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

    // Option1 selects Length, Option2 Mass, Option3 Temperature.
    [[nodiscard]] virtual bool isOptionSelected(Category category) const = 0;
    [[nodiscard]] virtual CheckValue check1Value() const = 0;
    virtual void combo1Clear() = 0;
    // Appends at the end; the list is never sorted.
    virtual void combo1AddItem(const std::string &item) = 0;
    // The edit field's text, whether typed or chosen from the list.
    [[nodiscard]] virtual std::string combo1Text() const = 0;
    [[nodiscard]] virtual std::string text1Text() const = 0;
    virtual void setLabel1Caption(const std::string &caption) = 0;
};

} // namespace tessaly

#endif
