#ifndef TESSALY_CLI_OUTPUT_H
#define TESSALY_CLI_OUTPUT_H

#include <string>
#include <string_view>

namespace tessaly::cli {

// Buffered writing to a file descriptor, or into a string when made without one. The first
// failure (a full disk, a closed pipe) is remembered, and everything written after it is dropped.
class Output
{
public:
    Output() = default;
    explicit Output(int fd);

    Output(const Output &) = delete;
    Output &operator=(const Output &) = delete;
    ~Output();

    void write(std::string_view text);
    // Hands what is buffered to the descriptor; false once any write has failed.
    bool flush();

    [[nodiscard]] bool failed() const { return m_error != 0; }
    // The errno of the first failure.
    [[nodiscard]] int error() const { return m_error; }
    // Everything written, for an output made without a descriptor.
    [[nodiscard]] const std::string &text() const { return m_buffer; }

private:
    int m_fd = -1;
    int m_error = 0;
    std::string m_buffer;
};

} // namespace tessaly::cli

#endif
