#ifndef TESSALY_UI_WIN32_CONTROLS_H
#define TESSALY_UI_WIN32_CONTROLS_H

#include "ui/layout/control.h"
#include "ui/win32/windows_api.h"

#include <functional>
#include <string>
#include <string_view>

namespace tessaly::win32 {

// Pixels at a DPI from twips, 1440 to an inch.
[[nodiscard]] inline int atDpi(int twips, UINT dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

// Registers one of Tessaly's top-level window classes, with the program's icon and the colour
// of dialogs; false where Windows refuses. Registering it again is no error.
[[nodiscard]] bool registerWindowClass(const wchar_t *name, WNDPROC windowProc);

// A window's outer size for a client area in pixels.
[[nodiscard]] SIZE windowSize(SIZE client, DWORD style, UINT dpi);

[[nodiscard]] inline SIZE windowSize(const Twips &client, DWORD style, UINT dpi)
{
    return windowSize(SIZE{atDpi(client.width, dpi), atDpi(client.height, dpi)}, style, dpi);
}

// The control's standard window, at rect (twips in the window) for dpi, with the id given.
// Where a control starts a group of the dialog manager's (every control but the option buttons
// after the first), firstOfGroup is true. A check box carries its name as its caption, clipped
// away by its width, since screen readers name it by that, and draws its focus around its box;
// the result's edit box passes the dialog manager's keys on as a label does, and wraps only
// where its fit breaks it. In the font given.
[[nodiscard]] HWND createControl(const layout::Control &control, const Twips &rect, HWND parent,
    int id, bool firstOfGroup, HFONT font);

// A label that only screen readers see, naming the field created right after it.
[[nodiscard]] HWND createNameLabel(std::string_view name, HWND parent);

// Puts the control at rect for dpi, after a change of DPI; a drop-down combo box gets its edit
// field that high.
void place(HWND control, layout::Kind kind, const Twips &rect, UINT dpi);

[[nodiscard]] std::wstring windowText(HWND window);

// A label's caption laid out as labels are on the other systems: broken between words, where a
// run of spaces ends a line rather than starting the next, as DrawText would have all but one
// of them do ("Version      1.0"). Calls draw, where given, with each line and its top, in the
// font selected into dc; returns the height of all the lines.
int layOutLabel(HDC dc, std::wstring_view text, int width,
    const std::function<void(std::wstring_view line, int top)> &draw = {});

// Draws a label, which is owner-drawn, on its parent's WM_DRAWITEM.
void drawLabel(const DRAWITEMSTRUCT &item);

} // namespace tessaly::win32

#endif
