#pragma once
#include "command.h"

namespace norvale::tools {

int RunSetCommand(Arguments arguments, std::ostream& out, std::ostream& err);

inline constexpr Command kSetCommand{
    "set", "change one setting of the current profile in the folder's files",
    "norvalectl set --dir DIR KEY VALUE\n\n"
    "Changes one setting of the current profile of the installation folder DIR as\n"
    "the utility's pages do, and saves the profile's files; nothing reaches the\n"
    "mouse until an apply. Values outside what the pages allow are refused.\n\n"
    "keys (N is a stage 1..7 or a button row 1..7 as the utility lists them):\n"
    "  dpi.N           resolution: 50 to 10800 in steps of 50\n"
    "  dpi.N.use       on or off\n"
    "  dpi.N.colour    #RRGGBB, for a stage in use\n"
    "  polling-rate    125, 250, 500 or 1000\n"
    "  lighting        standard, respiration, neon or finger-tapping\n"
    "  lighting.speed  1 to 6, for the chosen effect (not finger-tapping)\n"
    "  angle-snapping  on or off\n"
    "  button.N        a function by its English name (\"Click\", \"DPI Loop\",\n"
    "                  \"Play/Pause\" ...), key:NAME for a keyboard key, or\n"
    "                  macro:NAME[:once|until-pressed|while-held]\n"
    "  profile         the name or the position 1..6 of a profile in the list",
    &RunSetCommand};

}  // namespace norvale::tools
