// Sets the Windows main window up as the README shows it, 2.5 pounds converted to kilograms,
// says "ready" on standard output and keeps the window open until it is closed, for
// scripts/windows-screenshots.sh to photograph the screen. With the argument "check1", the
// disclaimer box has the focus, as after Tab, rather than Convert.
#include "ui/layout/form1_layout.h"
#include "ui/win32/application.h"
#include "ui/win32/form1.h"
#include "ui/win32/windows_api.h"

#include <cstdio>
#include <string_view>

using namespace tessaly;

int main(int argc, char *argv[])
{
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    win32::Form1 form;
    ShowWindow(form.window(), SW_SHOW);
    const auto click
        = [&](const layout::Control &entry) { SendMessageW(form.control(entry), BM_CLICK, 0, 0); };
    click(form1::Option2);
    HWND combo = form.control(form1::Combo1);
    SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
    SendMessageW(combo, CB_SETCURSEL,
        static_cast<WPARAM>(SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
            reinterpret_cast<LPARAM>(L"Pounds to Kilograms"))),
        0);
    SetWindowTextW(form.control(form1::Text1), L"2.5");
    click(form1::Check1);
    click(form1::Command1);
    const bool onCheck1 = argc > 1 && std::string_view(argv[1]) == "check1";
    SetFocus(form.control(onCheck1 ? form1::Check1 : form1::Command1));
    // As after a key: focus marks shown.
    SendMessageW(form.window(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    std::puts("ready");
    std::fflush(stdout);
    return win32::runMessageLoop();
}
