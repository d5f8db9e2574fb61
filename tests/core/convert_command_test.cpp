#include "core/convert_command.h"

#include "doubles/fake_main_window_view.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessaly {
namespace {

using Calls = std::vector<std::string>;

class ConvertCommandTest : public ::testing::Test
{
protected:
    void click() { ConvertCommand(view_, messages_); }

    FakeMainWindowView view_;
    RecordingMessageBox messages_;
};

TEST_F(ConvertCommandTest, UntickedDisclaimerOnlyShowsTheMessage)
{
    view_.check = CheckValue::Unticked;
    view_.caption = "1.133980925";
    view_.comboText = "Pounds to Kilograms";
    view_.inputText = "2.5";
    click();
    EXPECT_EQ(messages_.prompts, Calls{"Please Read and Check the Disclaimer"});
    EXPECT_EQ(view_.calls, Calls{"check1Value"});
    EXPECT_EQ(view_.caption, "1.133980925");
}

TEST_F(ConvertCommandTest, ConvertsInAFixedOrderOfReadsAndWrites)
{
    view_.comboText = "Pounds to Kilograms";
    view_.inputText = "2.5";
    click();
    EXPECT_EQ(view_.calls,
        (Calls{"check1Value", "setLabel1Caption:", "combo1Text", "text1Text",
            "setLabel1Caption:1.133980925"}));
    EXPECT_TRUE(messages_.prompts.empty());

    view_.calls.clear();
    click();
    EXPECT_EQ(view_.caption, "1.133980925");
    EXPECT_EQ(view_.calls.size(), 5u);
}

TEST_F(ConvertCommandTest, GreyedDisclaimerCountsAsAccepted)
{
    view_.check = CheckValue::Greyed;
    view_.comboText = "Celsius to Kelvin";
    view_.inputText = "0";
    click();
    EXPECT_EQ(view_.caption, "273");
    EXPECT_TRUE(messages_.prompts.empty());
}

TEST_F(ConvertCommandTest, UnknownPairClearsTheResultWithoutReadingTheInput)
{
    for (const char *pair :
        {"", "Meters to Meters", "pounds to kilograms", "Pounds to Kilograms "}) {
        view_.calls.clear();
        view_.caption = "old result";
        view_.comboText = pair;
        view_.inputText = "2.5";
        click();
        EXPECT_EQ(view_.caption, "") << pair;
        EXPECT_EQ(view_.calls, (Calls{"check1Value", "setLabel1Caption:", "combo1Text"})) << pair;
    }
    EXPECT_TRUE(messages_.prompts.empty());
}

TEST_F(ConvertCommandTest, InputThatIsNotANumberLeavesTheResultEmpty)
{
    view_.comboText = "Kelvin to Celsius";
    for (const char *input : {"", "   ", "abc", "12abc", "1,5", "1 000", "0x10", "inf", "nan"}) {
        view_.caption = "old result";
        view_.inputText = input;
        click();
        EXPECT_EQ(view_.caption, "") << '"' << input << '"';
    }
    EXPECT_TRUE(messages_.prompts.empty());
}

TEST_F(ConvertCommandTest, SelectedCategoryPlaysNoPart)
{
    view_.selected = Category::Length;
    view_.comboText = "Kelvin to Celsius";
    view_.inputText = " 300\t";
    click();
    EXPECT_EQ(view_.caption, "27");
    EXPECT_EQ(std::count(view_.calls.begin(), view_.calls.end(), "isOptionSelected"), 0);
}

TEST_F(ConvertCommandTest, HugeInputsShowInfinity)
{
    view_.comboText = "Miles to Milimeters";
    view_.inputText = "1e400";
    click();
    EXPECT_EQ(view_.caption, "Infinity");
    view_.inputText = "-1e303";
    click();
    EXPECT_EQ(view_.caption, "-Infinity");
}

} // namespace
} // namespace tessaly
