#include "ui/win32/controls.h"

#include "ui/behaviour/result_fit.h"
#include "ui/win32/resources.h"
#include "ui/win32/utf16.h"

#include <algorithm>

namespace tessaly::win32 {

namespace {

struct WindowKind
{
    const wchar_t *className;
    DWORD style;
    DWORD extendedStyle = 0;
};

WindowKind windowKind(layout::Kind kind)
{
    switch (kind) {
    case layout::Kind::Frame:
        return {WC_BUTTONW, BS_GROUPBOX};
    case layout::Kind::OptionButton:
        return {WC_BUTTONW, BS_AUTORADIOBUTTON};
    case layout::Kind::TextBox:
        return {WC_EDITW, ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case layout::Kind::ResultLabel:
        // An edit box drawn as a label, so that the user can select and copy a long result.
        return {WC_EDITW, ES_MULTILINE | ES_READONLY};
    case layout::Kind::CommandButton:
        return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP};
    case layout::Kind::ComboBox:
        return {WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP};
    case layout::Kind::CheckBox:
        return {WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP};
    case layout::Kind::Label:
        break;
    }
    // Drawn by drawLabel(), which breaks lines as the other systems do.
    return {WC_STATICW, SS_OWNERDRAW};
}

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

// How many items the open pair list shows before it scrolls.
constexpr int visibleItems = 12;

// A drop-down combo box's window reaches down over its open list; its field's height is set
// apart, by the height of its items.
int windowHeight(layout::Kind kind, const Twips &rect, UINT dpi)
{
    const int height = atDpi(rect.height, dpi);
    return kind == layout::Kind::ComboBox ? (1 + visibleItems) * height : height;
}

void fitField(HWND combo, int height)
{
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    if (GetComboBoxInfo(combo, &parts)) {
        const int field = parts.rcButton.bottom + parts.rcButton.top;
        const auto item = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, -1, 0));
        if (field != height)
            SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item + height - field);
    }
}

} // namespace

bool registerWindowClass(const wchar_t *name, WNDPROC windowProc)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(TESSALY_ICON_RESOURCE));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

SIZE windowSize(SIZE client, DWORD style, UINT dpi)
{
    RECT rect{0, 0, client.cx, client.cy};
    AdjustWindowRectExForDpi(&rect, style, FALSE, 0, dpi);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

HWND createControl(const layout::Control &control, const Twips &rect, HWND parent, int id,
    bool firstOfGroup, HFONT font)
{
    const WindowKind kind = windowKind(control.kind);
    const std::wstring caption
        = widen(control.kind == layout::Kind::CheckBox ? control.accessibleName : control.caption);
    const UINT dpi = GetDpiForWindow(parent);
    HWND window = CreateWindowExW(kind.extendedStyle, kind.className, caption.c_str(),
        WS_CHILD | WS_VISIBLE | kind.style | (firstOfGroup ? WS_GROUP : 0), atDpi(rect.left, dpi),
        atDpi(rect.top, dpi), atDpi(rect.width, dpi), windowHeight(control.kind, rect, dpi), parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr)
        return nullptr;
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    switch (control.kind) {
    case layout::Kind::ComboBox:
        fitField(window, atDpi(rect.height, dpi));
        break;
    case layout::Kind::ResultLabel:
        SetWindowSubclass(window, resultBoxProc, 0, 0);
        SendMessageW(window, EM_SETWORDBREAKPROC, 0, reinterpret_cast<LPARAM>(resultWordBreak));
        SendMessageW(window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
        break;
    case layout::Kind::CheckBox:
        SetWindowSubclass(window, checkBoxProc, 0, 0);
        break;
    default:
        break;
    }
    return window;
}

HWND createNameLabel(std::string_view name, HWND parent)
{
    // Without WS_VISIBLE: screen readers still take it as the name of the next field.
    return CreateWindowExW(0, WC_STATICW, widen(name).c_str(), WS_CHILD | SS_LEFT | SS_NOPREFIX, 0,
        0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void place(HWND control, layout::Kind kind, const Twips &rect, UINT dpi)
{
    SetWindowPos(control, nullptr, atDpi(rect.left, dpi), atDpi(rect.top, dpi),
        atDpi(rect.width, dpi), windowHeight(kind, rect, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
    if (kind == layout::Kind::ComboBox)
        fitField(control, atDpi(rect.height, dpi));
}

std::wstring windowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

int layOutLabel(HDC dc, std::wstring_view text, int width,
    const std::function<void(std::wstring_view line, int top)> &draw)
{
    const auto wordEnd
        = [&text](std::size_t from) { return std::min(text.find(L' ', from), text.size()); };
    const auto fits = [dc, width](std::wstring_view line) {
        SIZE extent{};
        GetTextExtentPoint32W(dc, line.data(), static_cast<int>(line.size()), &extent);
        return extent.cx <= width;
    };
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    int top = 0;
    while (!text.empty()) {
        // As many whole words as fit, and at least one.
        std::size_t end = wordEnd(0);
        for (std::size_t next = text.find_first_not_of(L' ', end);
             next != std::wstring_view::npos && fits(text.substr(0, wordEnd(next)));
             next = text.find_first_not_of(L' ', end))
            end = wordEnd(next);
        if (draw)
            draw(text.substr(0, end), top);
        top += metrics.tmHeight;
        const std::size_t next = text.find_first_not_of(L' ', end);
        text = next == std::wstring_view::npos ? std::wstring_view() : text.substr(next);
    }
    return top;
}

void drawLabel(const DRAWITEMSTRUCT &item)
{
    const std::wstring caption = windowText(item.hwndItem);
    HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ previous
        = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    static_cast<void>(layOutLabel(
        dc, caption, item.rcItem.right - item.rcItem.left, [&](std::wstring_view line, int top) {
            TextOutW(dc, item.rcItem.left, item.rcItem.top + top, line.data(),
                static_cast<int>(line.size()));
        }));
    SelectObject(dc, previous);
}

} // namespace tessaly::win32
