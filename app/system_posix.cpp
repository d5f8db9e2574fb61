#include "app/system.h"

#include "app/start_failure.h"
#include "cli/command_line.h"
#include "ui/qt/window_options.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <csignal>
#include <iostream>
#include <string_view>

namespace tessaly::app {

namespace {

// The window lives in a library of its own, loaded only when a window is wanted, so that the
// command line never pays for mapping the toolkit. It is found from the program's own place,
// which works in the build tree, in any installation prefix and in the package alike.
std::string windowLibrary()
{
    std::string self(PATH_MAX, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", self.data(), self.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= self.size())
        return {};
    self.resize(static_cast<std::size_t>(length));
    // Without the "bin/../" that the relative path would leave in messages.
    std::string folder = self.substr(0, self.rfind('/'));
    std::string_view relative = TESSALY_WINDOW_LIBRARY;
    while (relative.starts_with("../") && folder.find('/') != std::string::npos) {
        folder.erase(folder.rfind('/'));
        relative.remove_prefix(3);
    }
    return folder + '/' + std::string(relative);
}

int cannotOpen(std::string_view why)
{
    std::cerr << startFailure(why) << std::endl;
    return 1;
}

// The window's own way of saying it cannot open: after it, the program ends.
void windowCannotOpen(const char *why)
{
    static_cast<void>(cannotOpen(why));
}

} // namespace

// The bytes as they came: POSIX has no other form of an argument.
std::vector<std::string> arguments(int argc, char *argv[])
{
    return {argv, argv + argc};
}

bool wantsWindow(std::span<const std::string> arguments)
{
    for (std::size_t i = 1; i < arguments.size();) {
        const std::size_t words = qt::windowOptionWords(arguments.subspan(i));
        if (words == 0)
            return false;
        i += words;
    }
    return true;
}

int openWindow(std::span<const std::string> arguments)
{
    const std::string library = windowLibrary();
    if (library.empty())
        return cannotOpen("the program cannot find where it is installed");
    void *handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        return cannotOpen(std::string("a part of Tessaly is missing or broken: ") + ::dlerror());
    using Entry = int(int, char **, void (*)(const char *));
    auto *entry = reinterpret_cast<Entry *>(::dlsym(handle, "tessaly_window_main"));
    if (entry == nullptr)
        return cannotOpen(
            "a part of Tessaly is missing or broken: " + library + " has no window in it");
    // The toolkit may keep and rearrange argv, so it gets copies that live as long as it runs.
    std::vector<std::string> copies(arguments.begin(), arguments.end());
    std::vector<char *> argv(copies.size() + 1, nullptr);
    std::transform(copies.begin(), copies.end(), argv.begin(),
        [](std::string &copy) -> char * { return copy.data(); });
    // Left loaded: the toolkit's own exit handlers still run from it.
    return entry(static_cast<int>(copies.size()), argv.data(), windowCannotOpen);
}

int runCommandLine(std::span<const std::string> arguments)
{
    // A write to a closed pipe then fails with EPIPE instead of ending the process unannounced.
    std::signal(SIGPIPE, SIG_IGN);
    // Buffered streams of their own, flushed by the command line before it waits for input.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    std::cerr.unsetf(std::ios::unitbuf);
    return cli::run(arguments, std::cin, std::cout, std::cerr);
}

} // namespace tessaly::app
