#pragma once
#include "command.h"

namespace norvale::tools {

int RunWatchCommand(Arguments arguments, std::ostream& out, std::ostream& err);

inline constexpr Command kWatchCommand{
    "watch", "print the mouse's DPI and macro button events as they come",
    "norvalectl watch [--emulated [--press CODE:VALUE]...]\n\n"
    "Prints one line for each event the mouse reports on its event collection\n"
    "(\"dpi stage 2\", \"macro 3\") until Ctrl-C, then exits with 0; exits with 1\n"
    "when no mouse is found or it goes away. --emulated watches the emulated\n"
    "mouse, which reports the events given with --press (decimal codes and\n"
    "values, e.g. --press 1:2 for DPI stage 2) and then ends.",
    &RunWatchCommand};

}  // namespace norvale::tools
