#include "app/system.h"

#include "app/start_failure.h"

#include "cli/command_line.h"
#include "ui/win32/application.h"
#include "ui/win32/utf16.h"
#include "ui/win32/windows_api.h"

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <streambuf>
#include <string>
#include <string_view>

// The C runtime's wide-character twin of the arguments main() is given, in msvcrt.dll.
struct StartupInfo
{
    // Read by the C runtime, never by us.
    // cppcheck-suppress unusedStructMember
    int newMode;
};
extern "C" int __wgetmainargs(int *, wchar_t ***, wchar_t ***, int, StartupInfo *);

namespace tessaly::app {

namespace {

bool hasHandle(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

// The errno that a system error means to the command line.
int errnoOf(DWORD error)
{
    switch (error) {
    case ERROR_NO_DATA:
    case ERROR_BROKEN_PIPE:
    case ERROR_PIPE_NOT_CONNECTED:
        return EPIPE;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_INVALID_HANDLE:
        return EBADF;
    default:
        return EIO;
    }
}

// Output straight to the handle behind a C runtime descriptor: the C runtime's own write calls
// EINVAL whatever it cannot name, a closed pipe among them, and sometimes leaves an unrelated
// system error in place of the real one.
class HandleBuffer final : public std::streambuf
{
public:
    explicit HandleBuffer(int fd)
        : m_handle(reinterpret_cast<HANDLE>(_get_osfhandle(fd)))
    {
        DWORD mode = 0;
        m_console = GetConsoleMode(m_handle, &mode) != 0;
        setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    }

protected:
    int_type overflow(int_type c) override
    {
        if (!drain())
            return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

    int sync() override { return drain() ? 0 : -1; }

private:
    bool drain()
    {
        if (m_console)
            return drainToConsole();
        const char *at = pbase();
        bool written = true;
        while (written && at < pptr()) {
            DWORD count = 0;
            written = m_handle != INVALID_HANDLE_VALUE
                && WriteFile(m_handle, at, static_cast<DWORD>(pptr() - at), &count, nullptr);
            if (!written)
                errno = errnoOf(
                    m_handle == INVALID_HANDLE_VALUE ? ERROR_INVALID_HANDLE : GetLastError());
            at += count;
        }
        setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
        return written;
    }

    // A console shows UTF-8 bytes in its own code page ("°C" as "┬░C"); it is given UTF-16.
    // A character cut by the end of the buffer waits for the rest of it.
    bool drainToConsole()
    {
        const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        std::size_t whole = pending.size();
        for (std::size_t back = 1; back <= std::min<std::size_t>(3, pending.size()); ++back) {
            const auto byte = static_cast<unsigned char>(pending[pending.size() - back]);
            if ((byte & 0xC0U) == 0xC0U) {
                const std::size_t length = byte >= 0xF0U ? 4 : byte >= 0xE0U ? 3 : 2;
                if (back < length)
                    whole = pending.size() - back;
                break;
            }
            if ((byte & 0x80U) == 0)
                break;
        }
        const std::wstring wide = win32::widen(pending.substr(0, whole));
        DWORD count = 0;
        const bool written = wide.empty()
            || WriteConsoleW(
                m_handle, wide.data(), static_cast<DWORD>(wide.size()), &count, nullptr);
        if (!written)
            errno = errnoOf(GetLastError());
        const std::size_t cut = pending.size() - whole;
        std::memmove(m_buffer.data(), pending.data() + whole, cut);
        setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
        pbump(static_cast<int>(cut));
        return written;
    }

    HANDLE m_handle;
    bool m_console = false;
    std::array<char, std::size_t{64} * 1024> m_buffer{};
};

} // namespace

// From Windows' own UTF-16 command line, not the lossy copy in the local code page, split by
// the C runtime's own rules (the same as CommandLineToArgvW's, which would load shell32.dll
// and cost every start of the window a fifth of the time it takes).
std::vector<std::string> arguments(int argc, char *argv[])
{
    int wideCount = 0;
    wchar_t **wide = nullptr;
    wchar_t **environment = nullptr;
    StartupInfo startup{};
    std::vector<std::string> words;
    if (__wgetmainargs(&wideCount, &wide, &environment, 0, &startup) < 0 || wide == nullptr)
        words.assign(argv, argv + argc);
    else
        for (int i = 0; i < wideCount; ++i)
            words.push_back(win32::narrow(wide[i]));
    // "/?" is how one asks any console program of Windows for help.
    if (words.size() == 2 && (words[1] == "/?" || words[1] == "-?"))
        words[1] = "--help";
    return words;
}

bool wantsWindow(std::span<const std::string> arguments)
{
    return arguments.size() <= 1;
}

int openWindow(std::span<const std::string>)
{
    return win32::runWindows([](std::string_view why) {
        const std::string text = startFailure(why);
        // Double-clicked, the program has no standard error to say it on.
        if (hasHandle(STD_ERROR_HANDLE)) {
            std::fprintf(stderr, "%s\n", text.c_str());
            return;
        }
        MessageBoxW(nullptr, win32::widen(text).c_str(), win32::widen(TESSALY_NAME).c_str(),
            MB_OK | MB_ICONERROR);
    });
}

int runCommandLine(std::span<const std::string> arguments)
{
    // tessaly.exe is a windows program and gets no console; typed with arguments at a prompt,
    // it writes to the prompt's console all the same (tessaly.com is the one the prompt waits
    // for). Windows has no SIGPIPE: a write to a closed pipe fails with EPIPE by itself.
    if (!hasHandle(STD_OUTPUT_HANDLE) && !hasHandle(STD_ERROR_HANDLE)
        && AttachConsole(ATTACH_PARENT_PROCESS)) {
        for (FILE *stream : {stdout, stderr}) {
            if (std::freopen("CONOUT$", "w", stream) != nullptr)
                _dup2(_fileno(stream), stream == stdout ? 1 : 2);
        }
    }
    // The same bytes as on every other system: lines end in "\n", and a CR before it in the
    // input is dropped by the command line.
    _setmode(0, _O_BINARY);
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    HandleBuffer outputBuffer(1);
    HandleBuffer errorBuffer(2);
    std::ostream output(&outputBuffer);
    std::ostream error(&errorBuffer);
    return cli::run(arguments, std::cin, output, error);
}

} // namespace tessaly::app
