#ifndef TESSALY_UI_WIN32_APPLICATION_H
#define TESSALY_UI_WIN32_APPLICATION_H

#include "ui/win32/windows_api.h"

#include <functional>
#include <string_view>

namespace tessaly::win32 {

// One message to its window, with the dialog manager's keys in Tessaly's windows.
void dispatch(const MSG &message);

// Dispatches the thread's messages, with the dialog manager's keys (Tab, the arrows, Enter and
// Esc) in Tessaly's windows, until the main window closes; returns the quit code.
int runMessageLoop();

// The program's windows from start to close: 0, or 1 where they cannot be made, after telling
// cannotOpen why.
int runWindows(const std::function<void(std::string_view why)> &cannotOpen);

} // namespace tessaly::win32

#endif
