#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace norvale {

// How an INI file is stored. A file that begins with the UTF-16LE byte-order
// mark stays UTF-16LE; any other file is ANSI (Windows-1252), which holds no
// Chinese text: every INI file the utility ships therefore carries the mark.
enum class IniEncoding { Ansi, Utf16Le };

struct IniText {
    std::wstring text;
    IniEncoding encoding = IniEncoding::Ansi;
};

IniText DecodeIniBytes(std::span<const std::uint8_t> bytes);

// The bytes of a file holding text; UTF-16LE files begin with the mark.
// Characters that ANSI cannot hold become '?'.
std::vector<std::uint8_t> EncodeIniText(std::wstring_view text, IniEncoding encoding);

}  // namespace norvale
