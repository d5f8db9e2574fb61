#include "ui/win32/utf16.h"

#include "ui/win32/windows_api.h"

#include <climits>

namespace tessaly::win32 {

namespace {

// Windows counts in ints; no text of Tessaly's comes near that.
int length(std::size_t size)
{
    return size > INT_MAX ? INT_MAX : static_cast<int>(size);
}

} // namespace

std::wstring widen(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length(utf8.size()), wide.data(), size);
    return wide;
}

std::string narrow(std::wstring_view utf16)
{
    if (utf16.empty())
        return {};
    const int size = WideCharToMultiByte(
        CP_UTF8, 0, utf16.data(), length(utf16.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(
        CP_UTF8, 0, utf16.data(), length(utf16.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

} // namespace tessaly::win32
