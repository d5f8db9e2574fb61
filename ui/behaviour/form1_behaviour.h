#ifndef TESSALY_UI_BEHAVIOUR_FORM1_BEHAVIOUR_H
#define TESSALY_UI_BEHAVIOUR_FORM1_BEHAVIOUR_H

#include "core/main_window_view.h"
#include "core/unit_catalogue.h"
#include "ui/behaviour/result_fit.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly {

class MessageBox;

// The main window as its shared behaviour sees it: what the conversion core needs, and what the
// refill, the result's fit and its announcement need. Each front end's Form1 is one: it answers,
// measures and draws, and keeps nothing of the result's fit itself.
class Form1Port : public MainWindowView
{
public:
    // The result is kept here and fitted through the calls below, the same on every system.
    void setLabel1Caption(const std::string &caption) final;
    // Fits the result again, after the label's room or face has changed.
    void refitLabel1();
    [[nodiscard]] const std::string &label1Text() const { return m_label1Text; }

    // Puts text back into Combo1's field after a refill emptied it, with the list's item at index
    // highlighted, or none.
    virtual void restoreCombo1Text(const std::string &text, std::optional<std::size_t> item) = 0;
    // The result label's room for one line, and a text's width in the result's face at a size,
    // both in the front end's own units.
    [[nodiscard]] virtual double label1Room() const = 0;
    [[nodiscard]] virtual double label1Width(std::string_view text, double points) const = 0;
    // Draws the result as fitted; the label's text is always the whole result.
    virtual void showLabel1(const std::string &text, const ResultFit &fit) = 0;
    // Tells screen readers of the result just shown, in the system's own way.
    virtual void announceLabel1(const std::string &text) = 0;
    // The disclaimer window, made and shown.
    virtual void makeForm2() = 0;
    virtual void showForm2() = 0;

private:
    std::string m_label1Text;
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
    // Convert; a result it shows is announced, even the same one again, since the user asked
    // again. Where the disclaimer stops it, its message box is what is heard.
    void command1Clicked();
    // Disclaimer: one window, made the first time.
    void command2Clicked();

private:
    UnitCatalogue m_catalogue;
    Form1Port &m_window;
    MessageBox &m_messageBox;
    bool m_form2Made = false;
};

} // namespace tessaly

#endif
