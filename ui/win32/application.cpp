#include "ui/win32/application.h"

#include "ui/win32/form1.h"
#include "ui/win32/utf16.h"

#include <exception>

namespace tessaly::win32 {

namespace {

bool isOurs(HWND window)
{
    wchar_t name[32] = {};
    GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return std::wstring_view(name).starts_with(L"Tessaly");
}

} // namespace

void dispatch(const MSG &message)
{
    HWND top = GetAncestor(message.hwnd, GA_ROOT);
    // The const_cast is the API's: IsDialogMessageW does not change the message.
    if (top != nullptr && isOurs(top) && IsDialogMessageW(top, const_cast<MSG *>(&message)))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int runMessageLoop()
{
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        dispatch(message);
    return static_cast<int>(message.wParam);
}

int runWindows(const std::function<void(std::string_view why)> &cannotOpen)
{
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    try {
        Form1 form;
        ShowWindow(form.window(), SW_SHOWDEFAULT);
        UpdateWindow(form.window());
        return runMessageLoop();
    } catch (const std::exception &failure) {
        cannotOpen(failure.what());
        return 1;
    }
}

} // namespace tessaly::win32
