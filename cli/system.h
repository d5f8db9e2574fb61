#ifndef TESSALY_CLI_SYSTEM_H
#define TESSALY_CLI_SYSTEM_H

#include <cstddef>
#include <string>
#include <vector>

// What the command line needs of the operating system; one implementation per system, and the
// only place where the command line calls one.
namespace tessaly::cli::system {

inline constexpr int standardOutput = 1;
inline constexpr int standardError = 2;

// From standard input, as read(2): the count of bytes, 0 at the end, below 0 with errno set.
// Retries a read that a signal interrupted.
[[nodiscard]] long readInput(char *buffer, std::size_t size);

// To a descriptor, as write(2): the count of bytes written, below 0 with errno set.
[[nodiscard]] long writeSome(int fd, const char *data, std::size_t size);

// Makes the standard streams ready for the command line: a write to a closed pipe then fails
// with EPIPE instead of ending the process unannounced, bytes pass unchanged, and a program
// started without streams of its own writes to the console it was started from, if any.
void prepareStandardStreams();

// The program's arguments as UTF-8, whatever form the system hands them over in.
[[nodiscard]] std::vector<std::string> arguments(int argc, char *argv[]);

// Hands the arguments to the window and returns the exit status once its last window closes;
// where the window cannot be started, says why on standard error and returns 1.
[[nodiscard]] int openWindow(int argc, char *argv[]);

} // namespace tessaly::cli::system

#endif
