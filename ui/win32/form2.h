#ifndef TESSALY_UI_WIN32_FORM2_H
#define TESSALY_UI_WIN32_FORM2_H

#include "ui/win32/fonts.h"
#include "ui/win32/windows_api.h"

namespace tessaly::win32 {

// The disclaimer window: modeless and without an owner, so the main window stays in use beside
// it. Closing it only hides it, for show() to bring back.
class Form2
{
public:
    Form2();
    ~Form2();
    Form2(const Form2 &) = delete;
    Form2 &operator=(const Form2 &) = delete;

    [[nodiscard]] HWND window() const { return m_window; }
    [[nodiscard]] HWND label1() const { return Label1; }
    // Shows the window, restored if minimised, in front.
    void show();

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void scaleTo(UINT dpi);

    HWND m_window = nullptr;
    HWND Label1 = nullptr;
    FontHandle m_font;
};

} // namespace tessaly::win32

#endif
