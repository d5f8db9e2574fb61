#include "cli/command_line.h"
#include "cli/system.h"

#include <algorithm>
#include <string>
#include <vector>

int main(int argc, char *argv[])
{
    std::vector<std::string> texts = tessaly::cli::system::arguments(argc, argv);
    std::vector<char *> values(texts.size());
    std::transform(
        texts.begin(), texts.end(), values.begin(), [](std::string &text) { return text.data(); });
    const auto count = static_cast<int>(values.size());
    values.push_back(nullptr);
    if (tessaly::cli::wantsWindow(count, values.data()))
        return tessaly::cli::system::openWindow(count, values.data());
    return tessaly::cli::run(count, values.data());
}
