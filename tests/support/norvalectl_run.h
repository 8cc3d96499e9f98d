#pragma once
#include <sstream>
#include <string>
#include <vector>

#include "command_line.h"

namespace norvale::testing {

// One norvalectl command line, run in-process.
struct ToolRun {
    int exitCode;
    std::string out;
    std::string err;
};

inline ToolRun Norvalectl(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int exitCode = tools::RunCommandLine(arguments, out, err);
    return {exitCode, out.str(), err.str()};
}

// The lines of a command's output.
inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace norvale::testing
