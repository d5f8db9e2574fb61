#ifndef TESSALY_CLI_LINE_READER_H
#define TESSALY_CLI_LINE_READER_H

#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>

namespace tessaly::cli {

// Splits a byte stream into lines, holding at most about one mebibyte of it at a time whatever
// the input, so a gigantic or endless line costs no more memory than a short one.
class LineReader
{
public:
    // Fills the buffer as read(2) does: the count of bytes, 0 at the end, below 0 on an error with
    // errno set.
    using Source = std::function<long(char *buffer, std::size_t size)>;

    // No number is anywhere near this long; a longer line is read past, not kept.
    static constexpr std::size_t maxLineLength = std::size_t{1} << 20;

    enum class Status {
        Line,    // a line, without its "\n" or "\r\n"
        TooLong, // a line longer than maxLineLength, skipped
        End,
        Error, // the source failed; errno says why
    };

    // beforeWait runs before each read, which may wait for more input: what has been answered so
    // far can be passed on first, so that a program at the other end of a pipe sees each answer.
    LineReader(Source source, std::function<void()> beforeWait);

    Status next(std::string_view &line);

private:
    // The line up to end, which the next search starts after.
    Status take(std::size_t end, std::size_t next, std::string_view &line);

    Source m_source;
    std::function<void()> m_beforeWait;
    // Left uninitialised: only what the source fills is ever read.
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    // Where the search for the next "\n" resumes, so no byte is searched twice.
    std::size_t m_scanned = 0;
    bool m_skipping = false;
    bool m_atEnd = false;
};

} // namespace tessaly::cli

#endif
