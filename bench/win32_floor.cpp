// The floor Tessaly for Windows is measured against: the smallest Win32 program that shows a
// window of Tessaly's size with the same standard controls and captions, from the same table,
// in the window's default font, and does nothing else.
#include "ui/layout/form1_layout.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

using namespace tessaly;

namespace {

std::wstring wide(std::string_view text)
{
    // The captions are ASCII.
    return {text.begin(), text.end()};
}

const wchar_t *className(layout::Kind kind, DWORD &style)
{
    switch (kind) {
    case layout::Kind::Frame:
        style = BS_GROUPBOX;
        return WC_BUTTONW;
    case layout::Kind::OptionButton:
        style = BS_AUTORADIOBUTTON;
        return WC_BUTTONW;
    case layout::Kind::CommandButton:
        style = BS_PUSHBUTTON | WS_TABSTOP;
        return WC_BUTTONW;
    case layout::Kind::CheckBox:
        style = BS_AUTOCHECKBOX | WS_TABSTOP;
        return WC_BUTTONW;
    case layout::Kind::TextBox:
        style = ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER;
        return WC_EDITW;
    case layout::Kind::ComboBox:
        style = CBS_DROPDOWN | WS_TABSTOP;
        return WC_COMBOBOXW;
    case layout::Kind::Label:
    case layout::Kind::ResultLabel:
        break;
    }
    style = SS_LEFT;
    return WC_STATICW;
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int main()
{
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"Floor";
    RegisterClassW(&windowClass);

    const Pixels client = toPixels(form1::clientArea);
    RECT frame{0, 0, client.width, client.height};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    HWND window = CreateWindowW(L"Floor", L"Tessaly", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
        CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
        windowClass.hInstance, nullptr);
    for (const layout::Control &control : form1::controls) {
        DWORD style = 0;
        const wchar_t *kind = className(control.kind, style);
        const Pixels at = form1::inWindow(control);
        CreateWindowW(kind, wide(control.caption).c_str(), WS_CHILD | WS_VISIBLE | style, at.x,
            at.y, at.width, at.height, window, nullptr, windowClass.hInstance, nullptr);
    }
    ShowWindow(window, SW_SHOWDEFAULT);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
