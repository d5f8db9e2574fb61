#include "ui/behaviour/form1_behaviour.h"

#include "doubles/fake_main_window_view.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tessaly {
namespace {

class FakeForm1 final : public Form1Port
{
public:
    FakeMainWindowView controls;
    std::optional<std::size_t> highlighted;

    bool isOptionSelected(Category category) const override
    {
        return controls.isOptionSelected(category);
    }
    CheckValue check1Value() const override { return controls.check1Value(); }
    void combo1Clear() override
    {
        controls.combo1Clear();
        // As the toolkits do: emptying the list empties the field.
        controls.comboText.clear();
    }
    void combo1AddItem(const std::string &item) override { controls.combo1AddItem(item); }
    std::string combo1Text() const override { return controls.combo1Text(); }
    std::string text1Text() const override { return controls.text1Text(); }
    void restoreCombo1Text(const std::string &text, std::optional<std::size_t> item) override
    {
        controls.comboText = text;
        highlighted = item;
    }
    // Ten units a character at 12 points, in proportion at other sizes.
    double label1Room() const override { return room; }
    double label1Width(std::string_view text, double points) const override
    {
        return static_cast<double>(text.size()) * 10 * points / 12;
    }
    void showLabel1(const std::string &text, const ResultFit &fit) override
    {
        controls.caption = text;
        shownAt = fit.points;
    }
    void announceLabel1(const std::string &text) override { announced.push_back(text); }
    void makeForm2() override { ++form2sMade; }
    void showForm2() override { ++form2Shown; }

    double room = 200;
    double shownAt = 0;
    std::vector<std::string> announced;
    int form2sMade = 0;
    int form2Shown = 0;
};

// The typed text survives every refill, and only an item it names exactly is highlighted.
TEST(Form1BehaviourTest, RefillKeepsTheTypedTextAndHighlightsAnExactMatch)
{
    struct Case
    {
        Category selected;
        std::string typed;
        std::size_t items;
        std::optional<std::size_t> highlighted;
    };
    const std::vector<Case> cases{
        {Category::Length, "", 56, std::nullopt},
        {Category::Mass, "Tons to Pounds", 30, 29},
        {Category::Mass, "tons to pounds", 30, std::nullopt},
        {Category::Mass, "Kelvin to Celsius", 30, std::nullopt},
        {Category::Temperature, "Kelvin to Celsius", 6, 4},
    };
    FakeForm1 window;
    RecordingMessageBox messages;
    Form1Behaviour behaviour(window, messages);
    for (const Case &c : cases) {
        window.controls.selected = c.selected;
        window.controls.comboText = c.typed;
        behaviour.combo1DropDown();
        EXPECT_EQ(window.controls.items.size(), c.items) << c.typed;
        EXPECT_EQ(window.controls.comboText, c.typed);
        EXPECT_EQ(window.highlighted, c.highlighted) << c.typed;
    }

    // The refill and Convert go to the core's own actions.
    window.controls.comboText = "Kelvin to Celsius";
    window.controls.inputText = "300";
    behaviour.command1Clicked();
    EXPECT_EQ(window.controls.caption, "27");
    EXPECT_TRUE(messages.prompts.empty());
}

// Each result Convert shows is announced, the same one again too; a Convert that the disclaimer
// stops, or that shows nothing, announces nothing.
TEST(Form1BehaviourTest, AnnouncesEachResultShown)
{
    struct Press
    {
        std::string input;
        CheckValue check;
        std::vector<std::string> announced;
    };
    const std::vector<Press> presses{
        {"300", CheckValue::Ticked, {"27"}},
        {"300", CheckValue::Ticked, {"27", "27"}},
        {"301", CheckValue::Unticked, {"27", "27"}},
        {"abc", CheckValue::Ticked, {"27", "27"}},
        {"1e308", CheckValue::Greyed, {"27", "27", "1E+308"}},
    };
    FakeForm1 window;
    RecordingMessageBox messages;
    Form1Behaviour behaviour(window, messages);
    window.controls.comboText = "Kelvin to Celsius";
    for (const Press &press : presses) {
        window.controls.inputText = press.input;
        window.controls.check = press.check;
        behaviour.command1Clicked();
        EXPECT_EQ(window.announced, press.announced) << press.input;
    }
    EXPECT_EQ(messages.prompts.size(), 1U);
}

// The result is fitted to the room it has, and again when that changes.
TEST(Form1BehaviourTest, FitsTheResultAgainWhenItsRoomChanges)
{
    FakeForm1 window;
    window.setLabel1Caption("1.23456789012346E+17");
    EXPECT_EQ(window.shownAt, 12);
    window.room = 150;
    window.refitLabel1();
    EXPECT_EQ(window.controls.caption, "1.23456789012346E+17");
    EXPECT_EQ(window.shownAt, 9);
}

TEST(Form1BehaviourTest, MakesOneDisclaimerWindowOnFirstUse)
{
    FakeForm1 window;
    RecordingMessageBox messages;
    Form1Behaviour behaviour(window, messages);
    EXPECT_EQ(window.form2sMade, 0);
    behaviour.command2Clicked();
    behaviour.command2Clicked();
    EXPECT_EQ(window.form2sMade, 1);
    EXPECT_EQ(window.form2Shown, 2);
}

} // namespace
} // namespace tessaly
