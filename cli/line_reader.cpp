#include "cli/line_reader.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace tessaly::cli {

namespace {

constexpr std::size_t readSize = std::size_t{256} * 1024;
constexpr std::size_t bufferSize = LineReader::maxLineLength + readSize;

std::string_view withoutCarriageReturn(std::string_view line)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

} // namespace

LineReader::LineReader(Source source, std::function<void()> beforeWait)
    : m_source(std::move(source))
    , m_beforeWait(std::move(beforeWait))
    , m_buffer(std::make_unique_for_overwrite<char[]>(bufferSize))
{ }

LineReader::Status LineReader::next(std::string_view &line)
{
    for (;;) {
        const char *data = m_buffer.get();
        const void *newline = std::memchr(data + m_scanned, '\n', m_end - m_scanned);
        if (newline != nullptr) {
            const auto end = static_cast<std::size_t>(static_cast<const char *>(newline) - data);
            return take(end, end + 1, line);
        }
        if (m_end - m_begin > maxLineLength)
            m_skipping = true;
        if (m_skipping)
            m_begin = m_end;
        if (m_atEnd) {
            if (m_begin == m_end && !m_skipping)
                return Status::End;
            return take(m_end, m_end, line);
        }

        // Move the unfinished line to the front; what is left is always at least readSize.
        std::memmove(m_buffer.get(), m_buffer.get() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_scanned = m_end;
        m_begin = 0;
        if (m_beforeWait)
            m_beforeWait();
        const long count = m_source(m_buffer.get() + m_end, bufferSize - m_end);
        if (count < 0)
            return Status::Error;
        if (count == 0)
            m_atEnd = true;
        m_end += static_cast<std::size_t>(count);
    }
}

LineReader::Status LineReader::take(std::size_t end, std::size_t next, std::string_view &line)
{
    line = withoutCarriageReturn({m_buffer.get() + m_begin, end - m_begin});
    const bool tooLong = std::exchange(m_skipping, false) || line.size() > maxLineLength;
    m_begin = m_scanned = next;
    return tooLong ? Status::TooLong : Status::Line;
}

} // namespace tessaly::cli
