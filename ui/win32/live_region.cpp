#include "ui/win32/live_region.h"

#include <oleacc.h>

namespace tessaly::win32 {

namespace {

// UI Automation's LiveSetting property and its values, which Debian's mingw-w64 headers lack.
constexpr GUID LiveSetting_Property_GUID{
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
enum LiveSetting : LONG { Off = 0, Polite = 1, Assertive = 2 };

using CoInitializeExCall = HRESULT(WINAPI *)(LPVOID, DWORD);
using CoCreateInstanceCall = HRESULT(WINAPI *)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID *);

} // namespace

void makePoliteLiveRegion(HWND control)
{
    // COM is loaded here, once the window is there, rather than by every start of the program,
    // which on the command line would never use it.
    HMODULE com = LoadLibraryW(L"ole32.dll");
    if (com == nullptr)
        return;
    const auto initialize = reinterpret_cast<CoInitializeExCall>(
        reinterpret_cast<void *>(GetProcAddress(com, "CoInitializeEx")));
    const auto create = reinterpret_cast<CoCreateInstanceCall>(
        reinterpret_cast<void *>(GetProcAddress(com, "CoCreateInstance")));
    IAccPropServices *services = nullptr;
    if (initialize == nullptr || create == nullptr
        || FAILED(initialize(nullptr, COINIT_APARTMENTTHREADED))
        || FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
            reinterpret_cast<void **>(&services))))
        return;
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = Polite;
    // Wine answers E_NOTIMPL; the event below still goes out.
    static_cast<void>(services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
        LiveSetting_Property_GUID, polite));
    services->Release();
}

void announceLiveRegion(HWND control)
{
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace tessaly::win32
