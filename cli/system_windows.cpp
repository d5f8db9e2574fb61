#include "cli/system.h"

#include <io.h>

#include <cerrno>
#include <cstdio>

namespace tessaly::cli::system {

long readInput(char *buffer, std::size_t size)
{
    // The C runtime reads at most an int's worth at a time.
    constexpr std::size_t most = 1U << 30U;
    return _read(0, buffer, static_cast<unsigned>(size < most ? size : most));
}

long writeSome(int fd, const char *data, std::size_t size)
{
    constexpr std::size_t most = 1U << 30U;
    return _write(fd, data, static_cast<unsigned>(size < most ? size : most));
}

void ignoreBrokenPipe()
{
    // Windows has no SIGPIPE: a write to a closed pipe fails with EPIPE by itself.
}

int openWindow(int, char *[])
{
    std::fputs(
        "tessaly: cannot open a window: this build of Tessaly has the command line only\n", stderr);
    return 1;
}

} // namespace tessaly::cli::system
