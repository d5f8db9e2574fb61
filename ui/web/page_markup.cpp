// Draws the page's windows at build time, from the layout tables: `page_markup html` prints
// Form1's controls, the message box and the disclaimer's window as HTML, the disclaimer's text
// as a template for its dialog; `page_markup css` prints their places and faces as a style sheet,
// and `page_markup title` the page's title. A page that arrives already drawn shows
// its window and takes typing before its module has loaded; app.js only wires it to the core.
// The style sheet cannot be inline attributes: the page's content security policy forbids them.
#include "ui/layout/form1_layout.h"
#include "ui/layout/form2_layout.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

namespace tessaly {

namespace {

using layout::Control;
using layout::Kind;

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string idOf(std::string_view name)
{
    std::string id(name);
    std::transform(id.begin(), id.end(), id.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return id;
}

// Where a control's name for the ear is another control's caption, that control names it, so the
// two cannot drift apart. The result is named by what it shows, which needs nothing here.
std::string namedBy(const Control &control)
{
    if (layout::namingOf(control) != layout::Naming::Given)
        return {};
    const auto *const label = std::find_if(
        form1::controls.begin(), form1::controls.end(), [&control](const Control &other) {
            return other.kind == Kind::Label && other.caption == control.accessibleName;
        });
    return label != form1::controls.end()
        ? R"( aria-labelledby=")" + idOf(label->name) + '"'
        : R"( aria-label=")" + escaped(control.accessibleName) + '"';
}

void writeControl(std::ostream &out, const Control &control);

// A frame's controls inside it, all in the window order, which is the Tab order.
void writeChildren(std::ostream &out, std::string_view parent)
{
    for (const Control &control : form1::windowOrder) {
        if (control.parent == parent)
            writeControl(out, control);
    }
}

// The category an option chooses, as the number the page's module knows it by.
int categoryOf(const Control &option)
{
    const auto *entry = std::find_if(form1::categoryOptions.begin(), form1::categoryOptions.end(),
        [&option](
            const form1::CategoryOption &known) { return known.option->name == option.name; });
    return static_cast<int>(entry->category);
}

void writeControl(std::ostream &out, const Control &control)
{
    const std::string id = idOf(control.name);
    const std::string place = R"( data-control=")" + std::string(control.name) + '"';
    const std::string caption = escaped(control.caption);
    switch (control.kind) {
    case Kind::Frame:
        out << R"(<fieldset class="control" id=")" << id << '"' << place << "><legend>" << caption
            << "</legend>\n";
        writeChildren(out, control.name);
        out << "</fieldset>\n";
        return;
    case Kind::OptionButton:
        out << R"(<label class="control option")" << place
            << R"(><input type="radio" name="category" id=")" << id << R"(" data-category=")"
            << categoryOf(control) << '"'
            << (control.name == form1::optionOf(form1::startingCategory).name ? " checked" : "")
            << ">" << caption << "</label>\n";
        return;
    case Kind::TextBox:
        out << R"(<input class="control" type="text" id=")" << id << '"' << place
            << namedBy(control) << " autocomplete=\"off\">\n";
        return;
    case Kind::ResultLabel:
        // What screen readers hear of it is said in a polite live region of its own, so that
        // the same result asked for again is heard again.
        out << R"(<div class="control" id=")" << id << '"' << place << "></div>\n"
            << R"(<div class="spoken" id=")" << id << R"(-said" role="status"></div>)" << '\n';
        return;
    case Kind::CommandButton:
        out << R"(<button class="control" type="button" id=")" << id << '"' << place << '>'
            << caption << "</button>\n";
        return;
    case Kind::ComboBox: {
        // After the WAI-ARIA combo box without autocompletion; the list stays empty until it
        // first opens.
        const std::string list = id + "-list";
        const std::string name = escaped(control.accessibleName);
        out << R"(<div class="control combo")" << place << ">\n"
            << R"(<input type="text" id=")" << id << R"(" role="combobox" aria-label=")" << name
            << R"(" aria-autocomplete="none" aria-expanded="false" aria-controls=")" << list
            << "\" autocomplete=\"off\">\n"
            << R"(<button type="button" tabindex="-1" aria-label=")" << name
            << R"( list" aria-expanded="false" aria-controls=")" << list << "\">\u25BE</button>\n"
            << R"(<ul id=")" << list << R"(" role="listbox" aria-label=")" << name
            << "\" hidden></ul>\n"
            << "</div>\n";
        return;
    }
    case Kind::CheckBox:
        // The box at its own size within the control's rectangle; the label beside it names it,
        // and a click on that label does not tick it, as in the window.
        out << R"(<span class="control check")" << place << R"(><input type="checkbox" id=")" << id
            << '"' << namedBy(control) << "></span>\n";
        return;
    case Kind::Label:
        out << R"(<div class="control label" id=")" << id << '"' << place << '>' << caption
            << "</div>\n";
        return;
    }
}

// The main window, the message box, and the disclaimer window with its text held back until it
// is first made.
void writeHtml(std::ostream &out)
{
    const std::string title = escaped(form1::title);
    out << R"(<main id="form1" aria-label=")" << title << "\">\n";
    writeChildren(out, {});
    out << "</main>\n"
        << R"(<dialog id="message" role="alertdialog" aria-labelledby="message-title" )"
        << R"(aria-describedby="message-prompt">)" << '\n'
        << R"(  <h1 id="message-title">)" << title << "</h1>\n"
        << R"(  <p id="message-prompt"></p>)" << '\n'
        << R"(  <form method="dialog"><button type="submit" autofocus>OK</button></form>)" << '\n'
        << "</dialog>\n"
        << R"(<dialog id="form2" aria-labelledby="form2-title">)" << '\n'
        << R"(  <h1 id="form2-title">)" << escaped(form2::title) << "</h1>\n"
        << R"(  <form method="dialog"><button type="submit">Close</button></form>)" << '\n'
        << "</dialog>\n"
        << R"(<template id="form2-text"><p id="form2-)" << idOf(form2::Label1.name) << R"(">)"
        << escaped(form2::Label1.caption) << "</p></template>\n";
}

std::string pixels(int twips)
{
    std::ostringstream text;
    text << static_cast<double>(twips) / twipsPerPixel << "px";
    return text.str();
}

std::string families(const layout::Face &face)
{
    std::string list;
    for (const std::string_view family : face.families) {
        if (!family.empty())
            list += '"' + std::string(family) + R"(", )";
    }
    return list + "sans-serif";
}

void writeCss(std::ostream &out)
{
    out << ":root {\n    --face: " << families(layout::windowFace)
        << ";\n    --large-face: " << families(layout::largeFace) << ";\n}\n"
        << "#form1 {\n    --width: " << pixels(form1::clientArea.width)
        << ";\n    width: var(--width);\n    height: " << pixels(form1::clientArea.height)
        << ";\n    font: " << layout::windowFace.points << "pt var(--face);\n}\n"
        << "#form2 {\n    width: " << pixels(form2::clientArea.width) << ";\n}\n";
    for (const Control &control : form1::controls) {
        out << "#form1 [data-control=" << control.name
            << "] {\n    left: " << pixels(control.rect.left)
            << ";\n    top: " << pixels(control.rect.top)
            << ";\n    width: " << pixels(control.rect.width)
            << ";\n    height: " << pixels(control.rect.height) << ";\n";
        if (control.font == layout::Font::Large)
            out << "    font: " << layout::largeFace.points << "pt var(--large-face);\n";
        out << "}\n";
    }
}

} // namespace

} // namespace tessaly

int main(int argc, char **argv)
{
    const std::string_view what = argc == 2 ? argv[1] : "";
    if (what == "title")
        std::cout << tessaly::form1::title;
    else if (what == "html")
        tessaly::writeHtml(std::cout);
    else if (what == "css")
        tessaly::writeCss(std::cout);
    else {
        std::cerr << "Usage: page_markup title|html|css\n";
        return 2;
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}
