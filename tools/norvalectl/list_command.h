#pragma once
#include "command.h"

namespace norvale::tools {

int RunListCommand(Arguments arguments, std::ostream& out, std::ostream& err);

inline constexpr Command kListCommand{
    "list", "list the collections of the Norvale mice plugged in",
    "norvalectl list [--emulated]\n\n"
    "Prints one line for each collection of each Norvale mouse (vendor 04D9,\n"
    "product B62E): its path, its usage page and usage, and what the utility\n"
    "uses it for. --emulated lists the emulated mouse instead. Exits with 1\n"
    "when no mouse is found.",
    &RunListCommand};

}  // namespace norvale::tools
