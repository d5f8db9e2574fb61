#ifndef TESSALY_UI_WIN32_APPLICATION_H
#define TESSALY_UI_WIN32_APPLICATION_H

namespace tessaly::win32 {

// Dispatches the thread's messages, with the dialog manager's keys (Tab, the arrows, Enter and
// Esc) in Tessaly's windows, until the main window closes; returns the quit code.
int runMessageLoop();

// The program's windows from start to close: 0, or 1 where they cannot be made, which is said on
// standard error or, with no standard error to say it on, in a message box.
int runWindows();

} // namespace tessaly::win32

#endif
