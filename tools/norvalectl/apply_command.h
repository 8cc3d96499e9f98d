#pragma once
#include "command.h"

namespace norvale::tools {

int RunApplyCommand(Arguments arguments, std::ostream& out, std::ostream& err);

inline constexpr Command kApplyCommand{
    "apply", "load the settings of a folder and apply them to the mouse",
    "norvalectl apply [--emulated] --dir DIR\n\n"
    "Does what the utility does at start-up and on Apply: loads the settings of\n"
    "the current profile from DIR (str.ini, config%d.bin, record.ini), sends them\n"
    "to the mouse and saves the files as Apply saves them, one progress line a\n"
    "block on stderr. When no mouse is found or it stops answering, it exits\n"
    "with 1 and leaves the files as they were.\n"
    "--emulated sends them to an emulated mouse in virtual time instead and\n"
    "prints its trace, one report a line: <ms> <KIND> <HEX>.",
    &RunApplyCommand};

}  // namespace norvale::tools
