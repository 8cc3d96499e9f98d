#pragma once
#include <string_view>
#include <vector>

namespace norvale {

// Every skin picture the settings column and its pages decode while they
// are created (backgrounds, page sizes, headers, slider tracks), so that all
// of them can be decoded ahead.
std::vector<std::wstring_view> SettingsColumnStartPictures();

}  // namespace norvale
