#include <iostream>
#include <string>
#include <vector>

#include "command_line.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return norvale::tools::RunCommandLine(arguments, std::cout, std::cerr);
}
