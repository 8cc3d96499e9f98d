#pragma once
#include "command.h"

namespace norvale::tools {

int RunInfoCommand(Arguments arguments, std::ostream& out, std::ostream& err);

inline constexpr Command kInfoCommand{
    "info", "show the mouse's firmware version and current profile",
    "norvalectl info [--emulated]\n\n"
    "Asks the mouse for its firmware version and the index of its current\n"
    "profile and prints them. --emulated asks the emulated mouse instead.\n"
    "Exits with 1 when no mouse is found or it does not answer.",
    &RunInfoCommand};

}  // namespace norvale::tools
