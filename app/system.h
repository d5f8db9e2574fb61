#ifndef TESSALY_APP_SYSTEM_H
#define TESSALY_APP_SYSTEM_H

#include <span>
#include <string>
#include <vector>

// How the program starts on each system: one implementation per system, and the only place
// where the program's entry calls one.
namespace tessaly::app {

// The program's arguments as UTF-8 words, its own name first, whatever form the system hands
// them over in.
[[nodiscard]] std::vector<std::string> arguments(int argc, char *argv[]);

// Whether the arguments ask for the window: none at all, or only the window toolkit's own options.
[[nodiscard]] bool wantsWindow(std::span<const std::string> arguments);

// Hands the arguments to the window and returns the exit status once its last window closes;
// where the window cannot be started, says why on standard error and returns 1.
[[nodiscard]] int openWindow(std::span<const std::string> arguments);

// The command line over this system's standard streams.
[[nodiscard]] int runCommandLine(std::span<const std::string> arguments);

} // namespace tessaly::app

#endif
