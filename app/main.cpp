#include "app/system.h"

int main(int argc, char *argv[])
{
    const std::vector<std::string> words = tessaly::app::arguments(argc, argv);
    if (tessaly::app::wantsWindow(words))
        return tessaly::app::openWindow(words);
    return tessaly::app::runCommandLine(words);
}
