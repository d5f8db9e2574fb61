#include "cli/system.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>

namespace tessaly::cli::system {

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

int cannotOpen(const std::string &why)
{
    std::fprintf(stderr, "tessaly: cannot open a window: %s\n", why.c_str());
    return 1;
}

} // namespace

long readInput(char *buffer, std::size_t size)
{
    ssize_t count = 0;
    do
        count = ::read(STDIN_FILENO, buffer, size);
    while (count < 0 && errno == EINTR);
    return static_cast<long>(count);
}

long writeSome(int fd, const char *data, std::size_t size)
{
    ssize_t written = 0;
    do
        written = ::write(fd, data, size);
    while (written < 0 && errno == EINTR);
    return static_cast<long>(written);
}

void prepareStandardStreams()
{
    std::signal(SIGPIPE, SIG_IGN);
}

// The bytes as they came: POSIX has no other form of an argument.
std::vector<std::string> arguments(int argc, char *argv[])
{
    return {argv, argv + argc};
}
int openWindow(int argc, char *argv[])
{
    const std::string library = windowLibrary();
    if (library.empty())
        return cannotOpen("the program cannot find where it is installed");
    void *handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        return cannotOpen(std::string("a part of Tessaly is missing or broken: ") + ::dlerror());
    using Entry = int(int, char **);
    auto *entry = reinterpret_cast<Entry *>(::dlsym(handle, "tessaly_window_main"));
    if (entry == nullptr)
        return cannotOpen(
            "a part of Tessaly is missing or broken: " + library + " has no window in it");
    // Left loaded: the toolkit's own exit handlers still run from it.
    return entry(argc, argv);
}

} // namespace tessaly::cli::system
