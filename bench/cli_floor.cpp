// The least that one conversion on the command line can cost: read the last argument as a number,
// multiply it by one constant, print it. It starts, links and exits like any C++ program, which
// is what Tessaly's command line is measured against.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <system_error>

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    const char *text = argv[argc - 1];
    double x = 0;
    if (std::from_chars(text, text + std::strlen(text), x).ec != std::errc())
        return 1;
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer - 1, x * 0.45359237).ptr;
    *end = '\n';
    return std::fwrite(buffer, 1, static_cast<std::size_t>(end - buffer + 1), stdout) > 0 ? 0 : 1;
}
