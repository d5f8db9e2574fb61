#include "ui/win32/form1.h"

#include "ui/behaviour/result_fit.h"
#include "ui/win32/controls.h"
#include "ui/win32/form2.h"
#include "ui/win32/live_region.h"
#include "ui/win32/message_box.h"
#include "ui/win32/utf16.h"

#include <stdexcept>

namespace tessaly::win32 {

namespace {

constexpr const wchar_t *className = L"TessalyForm1";
constexpr DWORD style = WS_OVERLAPPEDWINDOW;
// Clear of IDOK and IDCANCEL, which the dialog manager sends for Enter and Esc: neither button
// is the default or the cancel button.
constexpr int firstControlId = 100;

} // namespace

Form1::Form1(MessageBox *messageBox)
{
    if (!registerWindowClass(className, windowProc))
        throw std::runtime_error("cannot register the main window's class");
    const UINT dpi = GetDpiForSystem();
    const SIZE size = windowSize(form1::clientArea, style, dpi);
    m_window = CreateWindowExW(0, className, widen(form1::title).c_str(), style, CW_USEDEFAULT,
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
    SendMessageW(control(form1::optionOf(form1::startingCategory)), BM_SETCHECK, BST_CHECKED, 0);
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
    bool inOptions = false;
    for (const layout::Control &entry : form1::windowOrder) {
        const bool option = entry.kind == layout::Kind::OptionButton;
        const layout::Naming naming = layout::namingOf(entry);
        // A check box is named by its own caption, which its width clips away; the result by
        // what it shows, which its label here is kept to.
        HWND name = nullptr;
        if (naming == layout::Naming::Shown
            || (naming == layout::Naming::Given && entry.kind != layout::Kind::CheckBox))
            name = createNameLabel(
                naming == layout::Naming::Given ? entry.accessibleName : "", m_window);
        HWND created = createControl(entry, form1::windowTwips(entry), m_window,
            firstControlId + static_cast<int>(&entry - form1::windowOrder.data()),
            !(option && inOptions),
            entry.font == layout::Font::Large ? m_largeFont.get() : m_windowFont.get());
        if (created == nullptr || (name == nullptr && naming == layout::Naming::Shown))
            throw std::runtime_error("cannot create the main window's controls");
        inOptions = option;
        m_controls[static_cast<std::size_t>(&entry - form1::windowOrder.data())] = created;
        if (naming == layout::Naming::Shown)
            m_label1Name = name;
    }
    Text1 = control(form1::Text1);
    Command1 = control(form1::Command1);
    Label1 = control(form1::Label1);
    Combo1 = control(form1::Combo1);
    Command2 = control(form1::Command2);
    makePoliteLiveRegion(Label1);
    // Empty, the result shows in its own font, which it was made with.
    m_label1Points = layout::largeFace.points;
}

HWND Form1::control(const layout::Control &entry) const
{
    for (std::size_t i = 0; i < form1::windowOrder.size(); ++i) {
        if (form1::windowOrder[i].name == entry.name)
            return m_controls[i];
    }
    return nullptr;
}

void Form1::scaleTo(UINT dpi)
{
    m_dpi = dpi;
    m_windowFont = createFont(layout::Font::Window, dpi);
    m_largeFont = createFont(layout::Font::Large, dpi);
    for (std::size_t i = 0; i < form1::windowOrder.size(); ++i) {
        const layout::Control &entry = form1::windowOrder[i];
        HFONT font = entry.font == layout::Font::Large ? m_largeFont.get() : m_windowFont.get();
        SendMessageW(m_controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        place(m_controls[i], entry.kind, form1::windowTwips(entry), dpi);
    }
    refitLabel1();
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
            m_behaviour->command2Clicked();
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
    return SendMessageW(control(form1::optionOf(category)), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

CheckValue Form1::check1Value() const
{
    switch (SendMessageW(control(form1::Check1), BM_GETCHECK, 0, 0)) {
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

std::string Form1::label1Shown() const
{
    return narrow(windowText(Label1));
}

double Form1::label1Room() const
{
    RECT room{};
    SendMessageW(Label1, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
    return room.right - room.left;
}

double Form1::label1Width(std::string_view text, double points) const
{
    HDC dc = GetDC(Label1);
    const FontHandle font = createFont(layout::largeFace, points, m_dpi);
    const HGDIOBJ previous = SelectObject(dc, font.get());
    const std::wstring wide = widen(text);
    SIZE extent{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(Label1, dc);
    return extent.cx;
}

void Form1::showLabel1(const std::string &text, const ResultFit &fit)
{
    m_label1Font = createFont(layout::largeFace, fit.points, m_dpi);
    m_label1Points = fit.points;
    SendMessageW(Label1, WM_SETFONT, reinterpret_cast<WPARAM>(m_label1Font.get()), TRUE);
    const std::wstring wide = widen(text);
    SetWindowTextW(Label1, wide.c_str());
    SetWindowTextW(m_label1Name, wide.c_str());
}

void Form1::announceLabel1(const std::string &)
{
    announceLiveRegion(Label1);
}

void Form1::restoreCombo1Text(const std::string &text, std::optional<std::size_t> item)
{
    SetWindowTextW(Combo1, widen(text).c_str());
    if (item)
        SendMessageW(Combo1, CB_SETCURSEL, *item, 0);
}

void Form1::makeForm2()
{
    m_form2 = std::make_unique<Form2>();
}

void Form1::showForm2()
{
    m_form2->show();
}

} // namespace tessaly::win32
