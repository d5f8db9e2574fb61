// The page's side of the glue: the shared window behaviour over a plain JavaScript object that
// app.js hands over, which answers, measures and draws. Only strings, numbers, booleans and plain
// arrays cross, so no handle ever needs freeing from JavaScript. Bound functions:
//   start(page)           the page's Form1 from now on; loads the unit lists
//   combo1DropDown()      the list opens: refilled, the typed text kept
//   command1Clicked()     Convert
//   command2Clicked()     Disclaimer
//   label1Resized()       the result fitted again to the label's new room
//   openQuestion(text)    the window filled in from a question, or the message box saying why not
// The page's controls, places and faces are drawn at build time from the same layout tables
// (page_markup.cpp), so none of that crosses here.
#include "runtime/message_box.h"
#include "ui/behaviour/form1_behaviour.h"
#include "ui/behaviour/open_on_question.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <memory>
#include <string>

using emscripten::val;

namespace tessaly {

namespace {

class PageForm1 final : public Form1Port, public QuestionPort
{
public:
    explicit PageForm1(val page)
        : m_page(std::move(page))
    { }

    bool isOptionSelected(Category category) const override
    {
        return m_page.call<bool>("isOptionSelected", static_cast<int>(category));
    }
    CheckValue check1Value() const override
    {
        return static_cast<CheckValue>(m_page.call<int>("check1Value"));
    }
    void combo1Clear() override { m_page.call<void>("combo1Clear"); }
    void combo1AddItem(const std::string &item) override
    {
        m_page.call<void>("combo1AddItem", item);
    }
    std::string combo1Text() const override { return m_page.call<std::string>("combo1Text"); }
    std::string text1Text() const override { return m_page.call<std::string>("text1Text"); }
    void restoreCombo1Text(const std::string &text, std::optional<std::size_t> item) override
    {
        m_page.call<void>("restoreCombo1Text", text, item ? static_cast<int>(*item) : -1);
    }
    double label1Room() const override { return m_page.call<double>("label1Room"); }
    double label1Width(std::string_view text, double points) const override
    {
        return m_page.call<double>("measureLabel1", std::string(text), points);
    }
    void showLabel1(const std::string &text, const ResultFit &fit) override
    {
        const int breakBefore
            = fit.breakBefore == std::string::npos ? -1 : static_cast<int>(fit.breakBefore);
        m_page.call<void>("showLabel1", text, fit.points, breakBefore);
    }
    void announceLabel1(const std::string &text) override
    {
        m_page.call<void>("announceLabel1", text);
    }
    void makeForm2() override { m_page.call<void>("makeForm2"); }
    void showForm2() override { m_page.call<void>("showForm2"); }
    void fillIn(Category category, const std::string &pair, const std::string &value) override
    {
        m_page.call<void>("fillIn", static_cast<int>(category), pair, value);
    }

private:
    val m_page;
};

// A browser cannot wait for the user inside a call, so the dialog opens and show() returns at
// once; nothing follows the message in ConvertCommand, so nothing runs early.
class PageMessageBox final : public MessageBox
{
public:
    explicit PageMessageBox(val page)
        : m_page(std::move(page))
    { }
    void show(const std::string &prompt) override { m_page.call<void>("showMessage", prompt); }

private:
    val m_page;
};

struct Page
{
    explicit Page(const val &page)
        : form1(page)
        , messageBox(page)
        , behaviour(form1, messageBox)
    { }
    PageForm1 form1;
    PageMessageBox messageBox;
    Form1Behaviour behaviour;
};

std::unique_ptr<Page> page;

void start(val object)
{
    page = std::make_unique<Page>(object);
}

void combo1DropDown()
{
    if (page)
        page->behaviour.combo1DropDown();
}

void command1Clicked()
{
    if (page)
        page->behaviour.command1Clicked();
}

void command2Clicked()
{
    if (page)
        page->behaviour.command2Clicked();
}

void label1Resized()
{
    if (page)
        page->form1.refitLabel1();
}

void openQuestion(const std::string &question)
{
    if (page)
        openOnQuestion(question, page->form1, page->messageBox);
}

} // namespace

} // namespace tessaly

EMSCRIPTEN_BINDINGS(tessaly)
{
    using namespace tessaly;
    emscripten::function("start", &start);
    emscripten::function("combo1DropDown", &combo1DropDown);
    emscripten::function("command1Clicked", &command1Clicked);
    emscripten::function("command2Clicked", &command2Clicked);
    emscripten::function("label1Resized", &label1Resized);
    emscripten::function("openQuestion", &openQuestion);
}
