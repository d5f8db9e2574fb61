// The Win32 windows driven through their own messages, as Windows delivers a user's clicks and
// keys, under Wine in the tests' own Wine prefix.
#include "doubles/fake_main_window_view.h"
#include "ui/layout/form1_layout.h"
#include "ui/win32/application.h"
#include "ui/win32/form1.h"
#include "ui/win32/form2.h"
#include "ui/win32/utf16.h"
#include "ui/win32/windows_api.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace tessaly::win32 {
namespace {

std::string textOf(HWND window)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return narrow(text);
}

void pump()
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        dispatch(message);
}

// A click of the mouse's left button in the middle of a window, as the mouse sends it.
void mouseClick(HWND window)
{
    RECT box{};
    GetWindowRect(window, &box);
    SetCursorPos((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof(INPUT));
    for (int i = 0; i < 20; ++i) {
        Sleep(10);
        pump();
    }
}

// Whether a top-level window is drawn over another, once Wine has settled which is: it hears of
// a click's activation from the X server too, and acts on that a little later.
bool isAbove(HWND window, HWND other)
{
    const auto above = [&] {
        for (HWND below = GetWindow(window, GW_HWNDNEXT); below != nullptr;
             below = GetWindow(below, GW_HWNDNEXT)) {
            if (below == other)
                return true;
        }
        return false;
    };
    for (int settled = 0, waited = 0; settled < 10 && waited < 100; ++waited) {
        settled = above() && GetForegroundWindow() == window ? settled + 1 : 0;
        Sleep(10);
        pump();
    }
    return above();
}

// A key as the keyboard sends it: to the control with the focus, through the message loop.
void key(WPARAM virtualKey)
{
    HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(focus, WM_KEYUP, virtualKey, static_cast<LPARAM>(0xC0000001U));
    pump();
}

class Form1Test : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&classes);
        ShowWindow(form_.window(), SW_SHOW);
        SetForegroundWindow(form_.window());
        pump();
    }

    void click(const layout::Control &entry) { SendMessageW(form_.control(entry), BM_CLICK, 0, 0); }
    void type(const layout::Control &entry, const char *text)
    {
        SetWindowTextW(form_.control(entry), widen(text).c_str());
    }
    // Opens the pair list and closes it again, as a click on its arrow does.
    void openList()
    {
        SendMessageW(form_.control(form1::Combo1), CB_SHOWDROPDOWN, TRUE, 0);
        SendMessageW(form_.control(form1::Combo1), CB_SHOWDROPDOWN, FALSE, 0);
    }
    std::vector<std::string> listItems()
    {
        HWND combo = form_.control(form1::Combo1);
        std::vector<std::string> items;
        const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            wchar_t item[128] = {};
            SendMessageW(
                combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
            items.push_back(narrow(item));
        }
        return items;
    }
    // The window moved to a screen of that DPI, as Windows tells it with WM_DPICHANGED.
    void scaleTo(UINT dpi)
    {
        // Where Windows would put the window at the new DPI: the same corner, the size scaled.
        RECT suggested{0, 0, MulDiv(form1::clientArea.width, static_cast<int>(dpi), 1440),
            MulDiv(form1::clientArea.height, static_cast<int>(dpi), 1440)};
        // Frames as this display draws them: Wine's stays at its own DPI.
        AdjustWindowRectExForDpi(
            &suggested, WS_OVERLAPPEDWINDOW, FALSE, 0, GetDpiForWindow(form_.window()));
        SendMessageW(form_.window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
            reinterpret_cast<LPARAM>(&suggested));
    }
    // The control that has the focus, a combo box for its edit field.
    [[nodiscard]] std::string focused() const
    {
        HWND focus = GetFocus();
        const auto *found = std::find_if(
            form1::controls.begin(), form1::controls.end(), [&](const layout::Control &entry) {
                HWND control = form_.control(entry);
                return focus != nullptr && (focus == control || GetParent(focus) == control);
            });
        return found == form1::controls.end() ? "nothing" : std::string(found->name);
    }

    RecordingMessageBox messages_;
    Form1 form_{&messages_};
};

TEST_F(Form1Test, RefillsTheListOnEveryDropDownAndKeepsWhatWasTyped)
{
    EXPECT_EQ(textOf(form_.window()), "Tessaly");
    EXPECT_TRUE(listItems().empty());
    openList();
    const std::vector<std::string> length = listItems();
    ASSERT_EQ(length.size(), 56U);
    EXPECT_EQ(length.front(), "Centimeters to Foots");

    click(form1::Option2);
    type(form1::Combo1, "kelvin to Celsius");
    openList();
    const std::vector<std::string> mass = listItems();
    ASSERT_EQ(mass.size(), 30U);
    EXPECT_EQ(mass.front(), "Grams to Kilograms");
    EXPECT_EQ(mass.back(), "Tons to Pounds");
    EXPECT_EQ(textOf(form_.control(form1::Combo1)), "kelvin to Celsius");
    EXPECT_EQ(SendMessageW(form_.control(form1::Combo1), CB_GETCURSEL, 0, 0), CB_ERR);

    // An item that the text names exactly is the one highlighted.
    type(form1::Combo1, "Tons to Pounds");
    openList();
    EXPECT_EQ(SendMessageW(form_.control(form1::Combo1), CB_GETCURSEL, 0, 0), 29);
}

TEST_F(Form1Test, ConvertsWithTheCoresTextsAndAsksForTheDisclaimerFirst)
{
    click(form1::Command1);
    ASSERT_EQ(messages_.prompts.size(), 1U);
    EXPECT_EQ(messages_.prompts[0], "Please Read and Check the Disclaimer");

    click(form1::Option2);
    openList();
    SendMessageW(form_.control(form1::Combo1), CB_SETCURSEL,
        static_cast<WPARAM>(SendMessageW(form_.control(form1::Combo1), CB_FINDSTRINGEXACT,
            static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"Pounds to Kilograms"))),
        0);
    ASSERT_EQ(textOf(form_.control(form1::Combo1)), "Pounds to Kilograms");
    type(form1::Text1, "2.5");
    click(form1::Check1);
    click(form1::Command1);
    EXPECT_EQ(form_.label1Shown(), "1.133980925");

    // Unticked again: the message, and the result stays.
    click(form1::Check1);
    click(form1::Command1);
    EXPECT_EQ(messages_.prompts.size(), 2U);
    EXPECT_EQ(form_.label1Shown(), "1.133980925");

    // Whatever the C library's locale, numbers read and show the same.
    click(form1::Check1);
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "German_Germany.1252"), nullptr);
    type(form1::Combo1, "Kelvin to Celsius");
    for (const auto &[input, shown] : std::vector<std::pair<const char *, const char *>>{
             {"1,5", ""}, {"300.5", "27.5"}, {"1e999", "Infinity"}}) {
        type(form1::Text1, input);
        click(form1::Command1);
        EXPECT_EQ(form_.label1Shown(), shown) << input;
    }
    std::setlocale(LC_ALL, before.c_str());
}

// Every result whole in the box's own text, which screen readers read and Copy copies, at 100 and
// 200 %: as large as fits, and too long even in the window's size, drawn over two lines that
// break before the exponent.
TEST_F(Form1Test, ShowsEveryResultWholeSmallerOrDrawnBrokenBeforeItsExponent)
{
    struct Row
    {
        const char *pair;
        const char *input;
        std::string result;
    };
    const std::vector<Row> rows{
        {"Celsius to Kelvin", "1", "274"},
        {"Centimeters to Milimeters", "12345678901234567", "1.23456789012346E+17"},
        {"Pounds to Kilograms", "-1e-310", "-4.53592369999983E-311"},
        {"Grams to Milligrams", "9.99999999999999E-09", "9.99999999999999E-06"},
        {"Meters to Centimeters", "1.23456789012345E+253", "1.23456789012345E+255"},
        {"Meters to Centimeters", "-1.79769313486231E+306", "-1.79769313486231E+308"},
    };
    click(form1::Check1);
    HWND label1 = form_.control(form1::Label1);
    for (const UINT dpi : {96U, 192U}) {
        scaleTo(dpi);
        for (const Row &row : rows) {
            type(form1::Combo1, row.pair);
            type(form1::Text1, row.input);
            click(form1::Command1);
            EXPECT_EQ(form_.label1Shown(), row.result) << dpi;
            const auto lines = SendMessageW(label1, EM_GETLINECOUNT, 0, 0);
            EXPECT_LE(form_.label1Points(), 12.0) << row.result;
            EXPECT_GE(form_.label1Points(), 7.5) << row.result;
            if (row.result.size() == 3) {
                EXPECT_EQ(form_.label1Points(), 12.0);
            }
            if (lines > 1) {
                EXPECT_EQ(lines, 2) << row.result << " at " << dpi;
                EXPECT_EQ(SendMessageW(label1, EM_LINEINDEX, 1, 0),
                    static_cast<LRESULT>(row.result.find('E')))
                    << row.result << " at " << dpi;
                EXPECT_EQ(form_.label1Points(), 7.5) << row.result << " at " << dpi;
            }
        }
    }
}

TEST_F(Form1Test, KeepsOneDisclaimerWindowWithoutAnOwner)
{
    EXPECT_EQ(form_.form2(), nullptr);
    click(form1::Command2);
    ASSERT_NE(form_.form2(), nullptr);
    HWND disclaimer = form_.form2()->window();
    EXPECT_EQ(textOf(disclaimer), "Disclaimer");
    EXPECT_EQ(GetWindow(disclaimer, GW_OWNER), nullptr);
    EXPECT_TRUE(IsWindowVisible(disclaimer));
    EXPECT_EQ(textOf(form_.form2()->label1()).rfind("This is Freeware, by accepting", 0), 0U);

    SendMessageW(disclaimer, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(disclaimer));
    EXPECT_FALSE(IsWindowVisible(disclaimer));
    click(form1::Command2);
    click(form1::Command2);
    EXPECT_EQ(form_.form2()->window(), disclaimer);
    EXPECT_TRUE(IsWindowVisible(disclaimer));
    // Behind the main window, it comes to the front again at a click.
    mouseClick(form_.control(form1::Frame1));
    ASSERT_TRUE(isAbove(form_.window(), disclaimer));
    click(form1::Command2);
    EXPECT_TRUE(isAbove(disclaimer, form_.window()));
    EXPECT_EQ(FindWindowExW(nullptr, disclaimer, L"TessalyForm2", nullptr), nullptr);

    // The main window still converts beside it.
    click(form1::Check1);
    type(form1::Combo1, "Kelvin to Celsius");
    type(form1::Text1, "300");
    click(form1::Command1);
    EXPECT_EQ(form_.label1Shown(), "27");
}

TEST_F(Form1Test, TabRunsTheDrawnOrderAndEnterAndEscPressNothing)
{
    std::vector<std::string> stops{focused()};
    for (int i = 0; i < 6; ++i) {
        key(VK_TAB);
        stops.push_back(focused());
    }
    EXPECT_EQ(stops,
        (std::vector<std::string>{
            "Option1", "Command1", "Text1", "Combo1", "Command2", "Check1", "Option1"}));

    // The arrows move among the options and select; Tab then lands on the one selected.
    key(VK_DOWN);
    EXPECT_EQ(focused(), "Option3");
    EXPECT_EQ(SendMessageW(form_.control(form1::Option3), BM_GETCHECK, 0, 0), BST_CHECKED);
    key(VK_TAB);
    key(VK_TAB);
    key(VK_TAB);
    key(VK_TAB);
    key(VK_TAB);
    key(VK_TAB);
    EXPECT_EQ(focused(), "Option3");

    for (const layout::Control *entry :
        {&form1::Command1, &form1::Text1, &form1::Command2, &form1::Label1}) {
        SetFocus(form_.control(*entry));
        key(VK_RETURN);
        key(VK_ESCAPE);
    }
    // Clicked into, the result lets Tab go on.
    key(VK_TAB);
    EXPECT_EQ(focused(), "Combo1");
    EXPECT_TRUE(messages_.prompts.empty());
    EXPECT_EQ(form_.form2(), nullptr);
    EXPECT_TRUE(IsWindow(form_.window()));
}

// Tabbed to, the check box, only as wide as its box, shows its focus as a frame drawn within its
// own rectangle, and keeps it as Space ticks the box.
TEST_F(Form1Test, TheCheckBoxShowsWhereTheFocusIs)
{
    HWND check = form_.control(form1::Check1);
    // The pixels along each of the four edges of its rectangle.
    const auto edges = [check] {
        RedrawWindow(check, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        RECT box{};
        GetClientRect(check, &box);
        HDC dc = GetDC(check);
        std::vector<std::vector<COLORREF>> pixels(4);
        for (int at = 0; at < box.right; ++at) {
            pixels[0].push_back(GetPixel(dc, at, 0));
            pixels[1].push_back(GetPixel(dc, box.right - 1, at));
            pixels[2].push_back(GetPixel(dc, at, box.bottom - 1));
            pixels[3].push_back(GetPixel(dc, 0, at));
        }
        ReleaseDC(check, dc);
        return pixels;
    };
    SetFocus(form_.control(form1::Command2));
    pump();
    const auto unfocused = edges();
    key(VK_TAB);
    ASSERT_EQ(focused(), "Check1");
    for (const bool ticked : {false, true}) {
        if (ticked)
            key(VK_SPACE);
        EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), ticked ? BST_CHECKED : BST_UNCHECKED);
        const auto focusedEdges = edges();
        for (std::size_t edge = 0; edge < 4; ++edge)
            EXPECT_NE(focusedEdges[edge], unfocused[edge])
                << "edge " << edge << ", ticked " << ticked;
    }
}

// A label's lines each start at its left edge, as on Linux: "Version      1.0" breaks over two,
// and the run of spaces ends the first rather than pushing "1.0" to the right.
TEST_F(Form1Test, LabelsStartEveryLineAtTheirLeftEdge)
{
    scaleTo(192);
    HWND label = form_.control(form1::Label3);
    EXPECT_EQ(textOf(label), form1::Label3.caption);
    RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT box{};
    GetClientRect(label, &box);
    HDC dc = GetDC(label);
    const COLORREF background = GetPixel(dc, box.right - 1, box.bottom - 1);
    // The leftmost pixel of any text in the upper and in the lower half.
    const auto leftmost = [&](int top, int bottom) {
        for (int x = 0; x < box.right; ++x) {
            for (int y = top; y < bottom; ++y) {
                if (GetPixel(dc, x, y) != background)
                    return x;
            }
        }
        return static_cast<int>(box.right);
    };
    const int first = leftmost(0, box.bottom / 2);
    const int second = leftmost(box.bottom / 2, box.bottom);
    ReleaseDC(label, dc);
    EXPECT_LT(second, box.right);
    EXPECT_LE(std::abs(second - first), 3) << first << " and " << second;
}

TEST_F(Form1Test, NamesEveryFieldForScreenReaders)
{
    EXPECT_EQ(textOf(form_.control(form1::Check1)), "I Accept Disclaimer");
    for (const layout::Control *field : {&form1::Text1, &form1::Combo1, &form1::Label1}) {
        HWND label = GetWindow(form_.control(*field), GW_HWNDPREV);
        // The result is named by what it shows, which is nothing yet.
        EXPECT_EQ(textOf(label), field == &form1::Label1 ? "" : field->accessibleName)
            << field->name;
        EXPECT_FALSE(IsWindowVisible(label)) << field->name;
    }
    EXPECT_EQ(GetWindow(form_.control(form1::Check1), GW_HWNDPREV), form_.control(form1::Label5));
    EXPECT_EQ(GetWindow(form_.control(form1::Option3), GW_HWNDPREV), form_.control(form1::Frame1));
}

std::vector<HWND> heard;

void CALLBACK hear(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    if (object == OBJID_CLIENT && child == CHILDID_SELF)
        heard.push_back(window);
}

// Each result Convert shows is news of the result's live region, for a screen reader's hook out
// of the program's context, and the result is then the control's text and its name; a Convert
// that the disclaimer stops says nothing.
TEST_F(Form1Test, AnnouncesEachResultToScreenReaders)
{
    heard.clear();
    HWINEVENTHOOK hook
        = SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
            hear, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    HWND result = form_.control(form1::Label1);
    type(form1::Combo1, "Kelvin to Celsius");
    type(form1::Text1, "300");
    click(form1::Check1);
    for (const std::size_t times : {1U, 2U}) {
        click(form1::Command1);
        pump();
        EXPECT_EQ(heard, std::vector<HWND>(times, result));
        EXPECT_EQ(textOf(result), "27");
        EXPECT_EQ(textOf(GetWindow(result, GW_HWNDPREV)), "27");
    }
    click(form1::Check1);
    click(form1::Command1);
    pump();
    EXPECT_EQ(heard.size(), 2U);
    UnhookWinEvent(hook);
    std::printf(
        "heard EVENT_OBJECT_LIVEREGIONCHANGED %zu times for the result, %p, reading \"%s\"\n",
        heard.size(), static_cast<void *>(result), textOf(result).c_str());
}

// Every caption whole in its box, at 100, 150 and 200 %, as WM_DPICHANGED rescales the window.
TEST_F(Form1Test, EveryCaptionFitsAtEachScale)
{
    for (const UINT dpi : {96U, 144U, 192U}) {
        scaleTo(dpi);
        RECT client{};
        GetClientRect(form_.window(), &client);
        EXPECT_EQ(client.right, MulDiv(form1::clientArea.width, static_cast<int>(dpi), 1440));
        for (const layout::Control &entry : form1::controls) {
            HWND control = form_.control(entry);
            RECT box{};
            GetWindowRect(control, &box);
            MapWindowPoints(nullptr, form_.window(), reinterpret_cast<POINT *>(&box), 2);
            const Twips at = form1::windowTwips(entry);
            EXPECT_EQ(box.left, MulDiv(at.left, static_cast<int>(dpi), 1440)) << entry.name;
            if (entry.caption.empty())
                continue;
            HDC dc = GetDC(control);
            const HGDIOBJ previous = SelectObject(
                dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
            const std::wstring caption = widen(entry.caption);
            // Option buttons and frames draw their caption beside a glyph or within a border.
            const int glyph = entry.kind == layout::Kind::OptionButton
                ? MulDiv(16, static_cast<int>(dpi), 96)
                : entry.kind == layout::Kind::Frame ? MulDiv(16, static_cast<int>(dpi), 96)
                                                    : 0;
            RECT text{0, 0, (box.right - box.left) - glyph, 0};
            const UINT wrap = entry.kind == layout::Kind::Label ? DT_WORDBREAK : DT_SINGLELINE;
            DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                DT_CALCRECT | DT_NOPREFIX | wrap);
            SelectObject(dc, previous);
            ReleaseDC(control, dc);
            EXPECT_LE(text.right, (box.right - box.left) - glyph) << entry.name << " at " << dpi;
            EXPECT_LE(text.bottom, box.bottom - box.top) << entry.name << " at " << dpi;
        }
    }
}

// The system's own message box: titled "Tessaly", modal to the main window, dismissed by OK.
TEST(SystemMessageBoxTest, IsTheSystemsOwnModalToTheMainWindow)
{
    Form1 form;
    ShowWindow(form.window(), SW_SHOW);
    static HWND owner = nullptr;
    static std::string seen;
    owner = form.window();
    seen.clear();
    SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR timer, DWORD) {
        static int tries = 0;
        HWND box = FindWindowW(L"#32770", L"Tessaly");
        // Any box at all after five seconds, so that a wrong title fails the test, not hangs it.
        if (box == nullptr && ++tries > 50)
            box = FindWindowW(L"#32770", nullptr);
        if (box == nullptr)
            return;
        KillTimer(nullptr, timer);
        seen = textOf(GetDlgItem(box, 0xFFFF));
        if (GetWindow(box, GW_OWNER) != owner || IsWindowEnabled(owner))
            seen += " (not modal to the main window)";
        SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    });
    SendMessageW(form.control(form1::Command1), BM_CLICK, 0, 0);
    EXPECT_EQ(seen, "Please Read and Check the Disclaimer");
    EXPECT_TRUE(IsWindowEnabled(form.window()));
}

TEST(MessageLoopTest, EndsWhenTheMainWindowClosesEvenWithTheDisclaimerOpen)
{
    RecordingMessageBox messages;
    Form1 form(&messages);
    ShowWindow(form.window(), SW_SHOW);
    SendMessageW(form.control(form1::Command2), BM_CLICK, 0, 0);
    ASSERT_NE(form.form2(), nullptr);
    HWND main = form.window();
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(runMessageLoop(), 0);
    EXPECT_FALSE(IsWindow(main));
}

} // namespace
} // namespace tessaly::win32
