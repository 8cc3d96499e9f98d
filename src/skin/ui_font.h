#pragma once
#include <cstdint>
#include <string_view>

namespace norvale {

// The face every skinned window writes in: the Chinese languages ("CHS",
// "CHT", compared whole and case-sensitive) use "黑体", all others "Arial".
std::wstring_view UiFontFace(std::wstring_view languageCode);

// A font as the windows ask for one; the other properties are the defaults
// (no italic, underline or strike-out, default precision).
struct FontSpec {
    std::wstring_view face;
    int height = 0;
    int weight = 0;
    std::uint8_t charset = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0x20;  // swiss
};

}  // namespace norvale
