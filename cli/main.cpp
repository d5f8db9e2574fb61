#include "cli/command_line.h"
#include "cli/system.h"

int main(int argc, char *argv[])
{
    tessaly::cli::system::Arguments arguments(argc, argv);
    if (tessaly::cli::wantsWindow(arguments.count(), arguments.values()))
        return tessaly::cli::system::openWindow(arguments.count(), arguments.values());
    return tessaly::cli::run(arguments.count(), arguments.values());
}
