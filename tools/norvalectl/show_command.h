#pragma once
#include "command.h"

namespace norvale::tools {

int RunShowCommand(Arguments arguments, std::ostream& out, std::ostream& err);

inline constexpr Command kShowCommand{
    "show", "print the settings of the current profile in words",
    "norvalectl show --dir DIR\n\n"
    "Prints what the utility would show for the installation folder DIR: the\n"
    "current profile, the polling rate, the DPI stages with their colours, the\n"
    "lighting, angle snapping, each button's function and label in the rows the\n"
    "utility lists them, and the stored macros with their lines.",
    &RunShowCommand};

}  // namespace norvale::tools
