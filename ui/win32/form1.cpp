#include "ui/win32/form1.h"

#include "ui/behaviour/result_fit.h"
#include "ui/win32/controls.h"
#include "ui/win32/form2.h"
#include "ui/win32/message_box.h"
#include "ui/win32/utf16.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <vector>

namespace tessaly::win32 {

namespace {

constexpr const wchar_t *className = L"TessalyForm1";
constexpr DWORD style = WS_OVERLAPPEDWINDOW;
// Clear of IDOK and IDCANCEL, which the dialog manager sends for Enter and Esc: neither button
// is the default or the cancel button.
constexpr int firstControlId = 100;

// The result box is a multi-line edit, which by its nature keeps Tab, Enter and Esc (Esc even
// closes the window around it); as a label it takes the characters that copy it and gives the
// dialog manager the rest.
LRESULT CALLBACK resultBoxProc(
    HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_GETDLGCODE)
        return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
    return DefSubclassProc(window, message, wParam, lParam);
}

// The check box is only as wide as its box, so the focus frame that the control draws around its
// caption is clipped away; it is drawn around the box instead, within the control's rectangle.
LRESULT CALLBACK checkBoxProc(
    HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
        if (GetFocus() == window
            && (SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0) {
            RECT box{};
            GetClientRect(window, &box);
            HDC dc = GetDC(window);
            DrawFocusRect(dc, &box);
            ReleaseDC(window, dc);
        }
        break;
    // The control repaints parts of itself, without WM_PAINT, on each of these.
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_LBUTTONUP:
    case WM_KEYUP:
        InvalidateRect(window, nullptr, TRUE);
        break;
    default:
        break;
    }
    return result;
}

// The result box wraps only where the shared fit lets a result break, so that the break is in
// the drawing alone and the box's text stays the whole result.
int CALLBACK resultWordBreak(LPWSTR text, int current, int length, int code)
{
    const std::size_t found = resultBreak(narrow(std::wstring_view(text, length)));
    const int at = found == std::string::npos ? -1 : static_cast<int>(found);
    switch (code) {
    case WB_LEFT:
        return at >= 0 && at <= current ? at : 0;
    case WB_RIGHT:
        return at > current ? at : length;
    default:
        return FALSE;
    }
}

} // namespace

Form1::Form1(MessageBox *messageBox)
{
    if (!registerWindowClass(className, windowProc))
        throw std::runtime_error("cannot register the main window's class");
    const UINT dpi = GetDpiForSystem();
    const SIZE size = windowSize(form1::clientArea, style, dpi);
    m_window = CreateWindowExW(0, className, widen(TESSALY_NAME).c_str(), style, CW_USEDEFAULT,
        CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (m_window == nullptr)
        throw std::runtime_error("cannot create the main window");
    // Messages before this one, of the window's creation, need nothing of ours.
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    m_dpi = GetDpiForWindow(m_window);
    if (m_dpi != dpi) {
        const SIZE scaled = windowSize(form1::clientArea, style, m_dpi);
        SetWindowPos(m_window, nullptr, 0, 0, scaled.cx, scaled.cy,
            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_windowFont = createFont(layout::Font::Window, m_dpi);
    m_largeFont = createFont(layout::Font::Large, m_dpi);
    createControls();

    if (messageBox == nullptr) {
        m_ownMessageBox = std::make_unique<SystemMessageBox>(m_window);
        messageBox = m_ownMessageBox.get();
    }
    SendMessageW(Option1, BM_SETCHECK, BST_CHECKED, 0);
    m_behaviour = std::make_unique<Form1Behaviour>(*this, *messageBox);
}

Form1::~Form1()
{
    m_form2.reset();
    if (m_window != nullptr) {
        // The program is ending already; no quit message may reach a later message loop.
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
}

void Form1::createControls()
{
    // Windows order the controls as they are created: Tab follows that order, and a screen
    // reader names a field by the label just before it.
    std::vector<std::size_t> order(form1::controls.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
        return form1::controls[a].tabIndex < form1::controls[b].tabIndex;
    });
    bool inOptions = false;
    for (const std::size_t index : order) {
        const layout::Control &entry = form1::controls[index];
        const bool option = entry.kind == layout::Kind::OptionButton;
        if (!entry.accessibleName.empty() && entry.kind != layout::Kind::CheckBox)
            static_cast<void>(createNameLabel(entry.accessibleName, m_window));
        HWND created = createControl(entry, form1::windowTwips(entry), m_window,
            firstControlId + static_cast<int>(index), !(option && inOptions),
            entry.font == layout::Font::Large ? m_largeFont.get() : m_windowFont.get());
        if (created == nullptr)
            throw std::runtime_error("cannot create the main window's controls");
        inOptions = option;
        m_controls[index] = created;
    }
    Option1 = control(form1::Option1);
    Option2 = control(form1::Option2);
    Option3 = control(form1::Option3);
    Text1 = control(form1::Text1);
    Command1 = control(form1::Command1);
    Label1 = control(form1::Label1);
    Combo1 = control(form1::Combo1);
    Command2 = control(form1::Command2);
    Check1 = control(form1::Check1);
    SetWindowSubclass(Label1, resultBoxProc, 0, 0);
    SetWindowSubclass(Check1, checkBoxProc, 0, 0);
    SendMessageW(Label1, EM_SETWORDBREAKPROC, 0, reinterpret_cast<LPARAM>(resultWordBreak));
    SendMessageW(Label1, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    // Empty, the result shows in its own font, which it was made with.
    m_label1Points = layout::largeFace.points;
}

HWND Form1::control(const layout::Control &entry) const
{
    for (std::size_t i = 0; i < form1::controls.size(); ++i) {
        if (form1::controls[i].name == entry.name)
            return m_controls[i];
    }
    return nullptr;
}

void Form1::scaleTo(UINT dpi)
{
    m_dpi = dpi;
    m_windowFont = createFont(layout::Font::Window, dpi);
    m_largeFont = createFont(layout::Font::Large, dpi);
    for (std::size_t i = 0; i < form1::controls.size(); ++i) {
        const layout::Control &entry = form1::controls[i];
        HFONT font = entry.font == layout::Font::Large ? m_largeFont.get() : m_windowFont.get();
        SendMessageW(m_controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        place(m_controls[i], entry.kind, form1::windowTwips(entry), dpi);
    }
    fitLabel1();
}

LRESULT CALLBACK Form1::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *form = reinterpret_cast<Form1 *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    return form->handle(message, wParam, lParam);
}

LRESULT Form1::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const auto from = reinterpret_cast<HWND>(lParam);
        const UINT code = HIWORD(wParam);
        if (from == Combo1 && code == CBN_DROPDOWN)
            m_behaviour->combo1DropDown();
        else if (from == Command1 && code == BN_CLICKED)
            m_behaviour->command1Clicked();
        else if (from == Command2 && code == BN_CLICKED)
            command2Clicked();
        return 0;
    }
    case WM_DRAWITEM:
        drawLabel(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_ACTIVATE:
        // A plain window keeps no focus of its own across switches, as a dialog does.
        if (LOWORD(wParam) == WA_INACTIVE) {
            m_focus = GetFocus();
        } else {
            SetFocus(m_focus != nullptr && IsChild(m_window, m_focus)
                    ? m_focus
                    : GetNextDlgTabItem(m_window, nullptr, FALSE));
        }
        return 0;
    case WM_DPICHANGED: {
        const auto *suggested = reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(m_window, nullptr, suggested->left, suggested->top,
            suggested->right - suggested->left, suggested->bottom - suggested->top,
            SWP_NOZORDER | SWP_NOACTIVATE);
        scaleTo(HIWORD(wParam));
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        m_window = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

bool Form1::isOptionSelected(Category category) const
{
    HWND option = category == Category::Length ? Option1
        : category == Category::Mass           ? Option2
                                               : Option3;
    return SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

CheckValue Form1::check1Value() const
{
    switch (SendMessageW(Check1, BM_GETCHECK, 0, 0)) {
    case BST_CHECKED:
        return CheckValue::Ticked;
    case BST_INDETERMINATE:
        return CheckValue::Greyed;
    default:
        return CheckValue::Unticked;
    }
}

void Form1::combo1Clear()
{
    SendMessageW(Combo1, CB_RESETCONTENT, 0, 0);
}

void Form1::combo1AddItem(const std::string &item)
{
    SendMessageW(Combo1, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
}

std::string Form1::combo1Text() const
{
    return narrow(windowText(Combo1));
}

std::string Form1::text1Text() const
{
    return narrow(windowText(Text1));
}

void Form1::setLabel1Caption(const std::string &caption)
{
    m_label1Text = caption;
    fitLabel1();
}

std::string Form1::label1Shown() const
{
    return narrow(windowText(Label1));
}

void Form1::fitLabel1()
{
    RECT room{};
    SendMessageW(Label1, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    HDC dc = GetDC(Label1);
    const ResultFit fit = fitResult(
        m_label1Text, room.right - room.left, [&](std::string_view text, double points) {
            const FontHandle font = createFont(layout::largeFace, points, m_dpi);
            const HGDIOBJ previous = SelectObject(dc, font.get());
            const std::wstring wide = widen(text);
            SIZE extent{};
            GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
            SelectObject(dc, previous);
            return static_cast<double>(extent.cx);
        });
    ReleaseDC(Label1, dc);

    m_label1Font = createFont(layout::largeFace, fit.points, m_dpi);
    m_label1Points = fit.points;
    SendMessageW(Label1, WM_SETFONT, reinterpret_cast<WPARAM>(m_label1Font.get()), TRUE);
    SetWindowTextW(Label1, widen(m_label1Text).c_str());
}

void Form1::restoreCombo1Text(const std::string &text, std::optional<std::size_t> item)
{
    SetWindowTextW(Combo1, widen(text).c_str());
    if (item)
        SendMessageW(Combo1, CB_SETCURSEL, *item, 0);
}

void Form1::command2Clicked()
{
    if (!m_form2)
        m_form2 = std::make_unique<Form2>();
    m_form2->show();
}

} // namespace tessaly::win32
