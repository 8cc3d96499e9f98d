#pragma once
#include <string>
#include <string_view>

namespace norvale::tools {

// The program keeps names and labels as wide text; the terminal and the
// command line speak UTF-8. Text that is not valid UTF-8 keeps its bytes as
// U+FFFD, so a bad argument is refused rather than misread.
std::string Utf8(std::wstring_view text);
std::wstring WideFromUtf8(std::string_view text);

}  // namespace norvale::tools
