#include "cli/system.h"

#include "ui/win32/application.h"
#include "ui/win32/utf16.h"
#include "ui/win32/windows_api.h"

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstdio>

// The C runtime's wide-character twin of the arguments main() is given, in msvcrt.dll.
struct StartupInfo
{
    // Read by the C runtime, never by us.
    // cppcheck-suppress unusedStructMember
    int newMode;
};
extern "C" int __wgetmainargs(int *, wchar_t ***, wchar_t ***, int, StartupInfo *);

namespace tessaly::cli::system {

namespace {

// The C runtime reads and writes at most an int's worth at a time.
constexpr std::size_t most = 1U << 30U;

bool hasHandle(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

} // namespace

long readInput(char *buffer, std::size_t size)
{
    return _read(0, buffer, static_cast<unsigned>(size < most ? size : most));
}

long writeSome(int fd, const char *data, std::size_t size)
{
    // Straight to the handle: the C runtime's write calls EINVAL whatever it cannot name, a
    // closed pipe among them, and leaves the system's own error overwritten.
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    DWORD written = 0;
    if (handle != INVALID_HANDLE_VALUE
        && WriteFile(
            handle, data, static_cast<DWORD>(size < most ? size : most), &written, nullptr))
        return static_cast<long>(written);
    switch (handle == INVALID_HANDLE_VALUE ? ERROR_INVALID_HANDLE : GetLastError()) {
    case ERROR_NO_DATA:
    case ERROR_BROKEN_PIPE:
    case ERROR_PIPE_NOT_CONNECTED:
        errno = EPIPE;
        break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        errno = ENOSPC;
        break;
    case ERROR_INVALID_HANDLE:
        errno = EBADF;
        break;
    default:
        errno = EIO;
        break;
    }
    return -1;
}

void prepareStandardStreams()
{
    // tessaly.exe is a windows program and gets no console; typed with arguments at a prompt,
    // it writes to the prompt's console all the same (tessaly.com is the one the prompt waits
    // for). Windows has no SIGPIPE: a write to a closed pipe fails with EPIPE by itself.
    if (!hasHandle(STD_OUTPUT_HANDLE) && !hasHandle(STD_ERROR_HANDLE)
        && AttachConsole(ATTACH_PARENT_PROCESS)) {
        for (FILE *stream : {stdout, stderr}) {
            if (std::freopen("CONOUT$", "w", stream) != nullptr)
                _dup2(_fileno(stream), stream == stdout ? standardOutput : standardError);
        }
    }
    // The same bytes as on every other system: lines end in "\n", and a CR before it in the
    // input is dropped by the line reader.
    for (FILE *stream : {stdin, stdout, stderr})
        _setmode(_fileno(stream), _O_BINARY);
}

// From Windows' own UTF-16 command line, not the lossy copy in the local code page, split by
// the C runtime's own rules (the same as CommandLineToArgvW's, which would load shell32.dll
// and cost every start of the window a fifth of the time it takes).
std::vector<std::string> arguments(int argc, char *argv[])
{
    int wideCount = 0;
    wchar_t **wide = nullptr;
    wchar_t **environment = nullptr;
    StartupInfo startup{};
    if (__wgetmainargs(&wideCount, &wide, &environment, 0, &startup) < 0 || wide == nullptr)
        return {argv, argv + argc};
    std::vector<std::string> texts;
    for (int i = 0; i < wideCount; ++i)
        texts.push_back(win32::narrow(wide[i]));
    return texts;
}
int openWindow(int, char *[])
{
    return win32::runWindows();
}

} // namespace tessaly::cli::system
