#ifndef TESSALY_UI_WIN32_LIVE_REGION_H
#define TESSALY_UI_WIN32_LIVE_REGION_H

#include "ui/win32/windows_api.h"

namespace tessaly::win32 {

// Makes a control a polite live region, whose changes a screen reader reads out when it is told
// of them and has finished what it was saying. Where Windows cannot (Wine has no such property),
// the control stays as it was, and announcing it still reaches the screen readers that listen
// for the event alone.
void makePoliteLiveRegion(HWND control);

// Tells screen readers that the live region's content is new.
void announceLiveRegion(HWND control);

} // namespace tessaly::win32

#endif
