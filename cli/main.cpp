#include "cli/command_line.h"
#include "cli/system.h"

int main(int argc, char *argv[])
{
    if (tessaly::cli::wantsWindow(argc, argv))
        return tessaly::cli::system::openWindow(argc, argv);
    return tessaly::cli::run(argc, argv);
}
