#pragma once
#include <filesystem>
#include <string>

namespace norvale {

// The file-system path of a path the program keeps as wide text. Wide text
// is UTF-16 on Windows and UTF-32 on other hosts, where the conversion must
// not depend on the process locale.
std::filesystem::path NativePath(const std::wstring& path);

// The other way: the wide text of a file-system path.
std::wstring WidePath(const std::filesystem::path& path);

}  // namespace norvale
