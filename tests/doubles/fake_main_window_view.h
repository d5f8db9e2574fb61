#ifndef TESSALY_TESTS_DOUBLES_FAKE_MAIN_WINDOW_VIEW_H
#define TESSALY_TESTS_DOUBLES_FAKE_MAIN_WINDOW_VIEW_H

#include "core/main_window_view.h"
#include "runtime/message_box.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessaly {

// A main window without a window: holds the control values and, unless told not to (as the
// benchmark does, to time the core alone), records every call in order.
class FakeMainWindowView : public MainWindowView
{
public:
    bool recordCalls = true;
    Category selected = Category::Length;
    CheckValue check = CheckValue::Ticked;
    std::vector<std::string> items;
    std::string comboText;
    std::string inputText;
    std::string caption;
    mutable std::vector<std::string> calls;

    bool isOptionSelected(Category category) const override
    {
        record("isOptionSelected");
        return category == selected;
    }
    CheckValue check1Value() const override
    {
        record("check1Value");
        return check;
    }
    void combo1Clear() override
    {
        record("combo1Clear");
        items.clear();
    }
    void combo1AddItem(const std::string &item) override { items.push_back(item); }
    std::string combo1Text() const override
    {
        record("combo1Text");
        return comboText;
    }
    std::string text1Text() const override
    {
        record("text1Text");
        return inputText;
    }
    void setLabel1Caption(const std::string &text) override
    {
        if (recordCalls)
            calls.push_back("setLabel1Caption:" + text);
        caption = text;
    }

private:
    void record(std::string_view call) const
    {
        if (recordCalls)
            calls.emplace_back(call);
    }
};

class RecordingMessageBox : public MessageBox
{
public:
    std::vector<std::string> prompts;

    void show(const std::string &prompt) override { prompts.push_back(prompt); }
};

} // namespace tessaly

#endif
