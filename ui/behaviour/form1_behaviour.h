#ifndef TESSALY_UI_BEHAVIOUR_FORM1_BEHAVIOUR_H
#define TESSALY_UI_BEHAVIOUR_FORM1_BEHAVIOUR_H

#include "core/main_window_view.h"
#include "core/unit_catalogue.h"

#include <cstddef>
#include <optional>
#include <string>

namespace tessaly {

class MessageBox;

// The main window as its shared behaviour sees it: what the conversion core needs, and one thing
// more. Each front end's Form1 is one.
class Form1Port : public MainWindowView
{
public:
    // Puts text back into Combo1's field after a refill emptied it, with the list's item at index
    // highlighted, or none.
    virtual void restoreCombo1Text(const std::string &text, std::optional<std::size_t> item) = 0;
};

// What the main window does on each of its events, the same on every system; a front end
// forwards the event and draws what it is told.
class Form1Behaviour
{
public:
    // The window's Load: the unit lists are filled here.
    Form1Behaviour(Form1Port &window, MessageBox &messageBox);

    // The list opens: refilled for the selected category, with what the user typed kept and the
    // item it names exactly, letter case included, highlighted.
    void combo1DropDown();
    void command1Clicked();

private:
    UnitCatalogue m_catalogue;
    Form1Port &m_window;
    MessageBox &m_messageBox;
};

} // namespace tessaly

#endif
