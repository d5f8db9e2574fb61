#include "cli/output.h"

#include "cli/system.h"

#include <cerrno>

namespace tessaly::cli {

namespace {

// Large enough that a stream of short results costs few system calls.
constexpr std::size_t bufferLimit = std::size_t{64} * 1024;

} // namespace

Output::Output(int fd)
    : m_fd(fd)
{
    m_buffer.reserve(bufferLimit * 2);
}

Output::~Output()
{
    flush();
}

void Output::write(std::string_view text)
{
    if (failed())
        return;
    m_buffer.append(text);
    if (m_fd >= 0 && m_buffer.size() >= bufferLimit)
        flush();
}

bool Output::flush()
{
    if (m_fd < 0 || failed())
        return !failed();
    std::size_t done = 0;
    while (done < m_buffer.size()) {
        const long written
            = system::writeSome(m_fd, m_buffer.data() + done, m_buffer.size() - done);
        if (written < 0) {
            m_error = errno;
            break;
        }
        done += static_cast<std::size_t>(written);
    }
    m_buffer.clear();
    return !failed();
}

} // namespace tessaly::cli
