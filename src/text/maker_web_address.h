#pragma once
#include <string_view>

namespace norvale {

// The maker's home page: the help menu shows it and the tray menu opens it.
inline constexpr std::wstring_view kMakerWebAddress = L"https://www.norvale.example/";

}  // namespace norvale
