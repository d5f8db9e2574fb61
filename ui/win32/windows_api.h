#ifndef TESSALY_UI_WIN32_WINDOWS_API_H
#define TESSALY_UI_WIN32_WINDOWS_API_H

// The Windows headers as every file of this front end includes them.

#include <windows.h>

#include <commctrl.h>

// <windows.h> names MessageBoxW "MessageBox", which would rename the program's own message-box
// interface in these files only.
#undef MessageBox

#endif
