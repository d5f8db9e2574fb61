#include "ui/win32/form2.h"

#include "ui/behaviour/form2_height.h"
#include "ui/layout/form2_layout.h"
#include "ui/win32/controls.h"
#include "ui/win32/utf16.h"

#include <stdexcept>

namespace tessaly::win32 {

namespace {

constexpr const wchar_t *className = L"TessalyForm2";
constexpr DWORD style = WS_OVERLAPPEDWINDOW;

} // namespace

Form2::Form2()
{
    if (!registerWindowClass(className, windowProc))
        throw std::runtime_error("cannot register the disclaimer window's class");
    m_window = CreateWindowExW(0, className, widen(form2::title).c_str(), style, CW_USEDEFAULT,
        CW_USEDEFAULT, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (m_window == nullptr)
        throw std::runtime_error("cannot create the disclaimer window");
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    // Its font comes with its size, from scaleTo().
    Label1 = createControl(form2::Label1, form2::Label1.rect, m_window, 0, true, nullptr);
    if (Label1 == nullptr)
        throw std::runtime_error("cannot create the disclaimer window's text");
    scaleTo(GetDpiForWindow(m_window));
}

Form2::~Form2()
{
    SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    DestroyWindow(m_window);
}

void Form2::show()
{
    ShowWindow(m_window, IsIconic(m_window) ? SW_RESTORE : SW_SHOW);
    // Raised as well as activated: a window manager may decline the activation, never the
    // order of Wine's or Windows' own windows.
    BringWindowToTop(m_window);
    SetForegroundWindow(m_window);
}

void Form2::scaleTo(UINT dpi)
{
    m_font = createFont(layout::Font::Window, dpi);
    SendMessageW(Label1, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.get()), TRUE);
    place(Label1, form2::Label1.kind, form2::Label1.rect, dpi);

    HDC dc = GetDC(Label1);
    const HGDIOBJ previous = SelectObject(dc, m_font.get());
    const int textHeight
        = layOutLabel(dc, widen(form2::Label1.caption), atDpi(form2::Label1.rect.width, dpi));
    SelectObject(dc, previous);
    ReleaseDC(Label1, dc);
    const SIZE size = windowSize(SIZE{atDpi(form2::clientArea.width, dpi),
                                     form2ClientHeight(atDpi(form2::clientArea.height, dpi),
                                         atDpi(form2::Label1.rect.top, dpi), textHeight)},
        style, dpi);
    SetWindowPos(
        m_window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK Form2::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *form = reinterpret_cast<Form2 *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form != nullptr && message == WM_CLOSE) {
        ShowWindow(window, SW_HIDE);
        return 0;
    }
    if (message == WM_DRAWITEM) {
        drawLabel(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    }
    if (form != nullptr && message == WM_DPICHANGED) {
        const auto *suggested = reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(window, nullptr, suggested->left, suggested->top, 0, 0,
            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        form->scaleTo(HIWORD(wParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace tessaly::win32
