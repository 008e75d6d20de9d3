#include "cli/Cli.h"
#include "core/FreedMemory.h"

#include <iostream>

int main(int argc, char** argv)
{
    MapLargeBlocksApart();
    return RunCli(argc, argv, std::cout, std::cerr);
}
