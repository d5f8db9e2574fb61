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
    void setLabel1Caption(const std::string &caption) override
    {
        controls.setLabel1Caption(caption);
    }
    void restoreCombo1Text(const std::string &text, std::optional<std::size_t> item) override
    {
        controls.comboText = text;
        highlighted = item;
    }
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

} // namespace
} // namespace tessaly
