#ifndef TESSALY_CLI_COMMAND_LINE_H
#define TESSALY_CLI_COMMAND_LINE_H

namespace tessaly::cli {

// Whether the arguments are for the command line rather than the window. Qt's own options
// ("-style fusion", "-platform wayland") are words after a single dash; Tessaly's are words
// after two dashes or a single letter after one, and a pair or a value is no option at all.
[[nodiscard]] bool isCommandLine(int argc, const char *const argv[]);

// Answers on standard output and standard error without any window system, and returns the exit
// status: 0 done, 1 a value that is not a number, a pair without a rule or output that could not
// be written, 2 a usage error or the disclaimer not accepted.
[[nodiscard]] int run(int argc, const char *const argv[]);

// For arguments that the window's start left unused: a usage error, status 2.
[[nodiscard]] int reportUnusedArguments(int argc, const char *const argv[]);

} // namespace tessaly::cli

#endif
