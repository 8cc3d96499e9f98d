#pragma once
#include <string>
#include <string_view>

namespace norvale {

// The executable's drive and folder with the final separator, read once.
const std::wstring& ModuleDirectory();

// ModuleDirectory() followed directly by a relative skin name.
std::wstring SkinPath(std::wstring_view relativeName);

}  // namespace norvale
