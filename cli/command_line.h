#ifndef TESSALY_CLI_COMMAND_LINE_H
#define TESSALY_CLI_COMMAND_LINE_H

#include <iosfwd>
#include <span>
#include <string>

namespace tessaly::cli {

enum Status { Done = 0, Failed = 1, UsageError = 2 };

// Answers the arguments (the program's name first, then UTF-8 words) on output and error,
// reading values from input where they ask for it, and returns the exit status: 0 done, 1 a value
// that is not a number, a pair without a rule or output that could not be written (a closed pipe,
// EPIPE, ends the output silently), 2 a usage error or the disclaimer not accepted.
[[nodiscard]] int run(std::span<const std::string> arguments, std::istream &input,
    std::ostream &output, std::ostream &error);

} // namespace tessaly::cli

#endif
