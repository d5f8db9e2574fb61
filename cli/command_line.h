#ifndef TESSALY_CLI_COMMAND_LINE_H
#define TESSALY_CLI_COMMAND_LINE_H

namespace tessaly::cli {

// Whether the arguments ask for the window: none at all, or only the toolkit's own window
// options ("-style fusion", "-platform wayland"). Everything else is for the command line.
[[nodiscard]] bool wantsWindow(int argc, const char *const argv[]);

// Answers on standard output and standard error without any window system, and returns the exit
// status: 0 done, 1 a value that is not a number, a pair without a rule or output that could not
// be written (a closed pipe ends the output silently), 2 a usage error or the disclaimer not
// accepted.
[[nodiscard]] int run(int argc, const char *const argv[]);

} // namespace tessaly::cli

#endif
