#include "wide_text.h"

#include <cstdint>

namespace norvale::tools {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// UTF-16 on Windows: a surrogate pair stands for one character.
char32_t NextCodePoint(std::wstring_view text, std::size_t& position)
{
    const char32_t unit = static_cast<char32_t>(text[position++]);
    if constexpr (sizeof(wchar_t) == 2) {
        if (unit >= 0xD800 && unit < 0xDC00 && position < text.size()) {
            const char32_t low = static_cast<char32_t>(text[position]);
            if (low >= 0xDC00 && low < 0xE000) {
                ++position;
                return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            }
        }
    }
    return unit;
}

void AppendWide(std::wstring& text, char32_t code)
{
    if constexpr (sizeof(wchar_t) == 2) {
        if (code >= 0x10000) {
            code -= 0x10000;
            text += static_cast<wchar_t>(0xD800 + (code >> 10));
            text += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
            return;
        }
    }
    text += static_cast<wchar_t>(code);
}

}  // namespace

std::string Utf8(std::wstring_view text)
{
    std::string bytes;
    for (std::size_t position = 0; position < text.size();) {
        const char32_t code = NextCodePoint(text, position);
        const auto put = [&](std::uint32_t value) { bytes += static_cast<char>(value); };
        if (code < 0x80) {
            put(code);
        } else if (code < 0x800) {
            put(0xC0 | code >> 6);
            put(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            put(0xE0 | code >> 12);
            put(0x80 | (code >> 6 & 0x3F));
            put(0x80 | (code & 0x3F));
        } else {
            put(0xF0 | code >> 18);
            put(0x80 | (code >> 12 & 0x3F));
            put(0x80 | (code >> 6 & 0x3F));
            put(0x80 | (code & 0x3F));
        }
    }
    return bytes;
}

std::wstring WideFromUtf8(std::string_view bytes)
{
    std::wstring text;
    for (std::size_t position = 0; position < bytes.size();) {
        const auto lead = static_cast<std::uint8_t>(bytes[position++]);
        const int following = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
        if (following < 0 || lead >= 0xF8) {
            AppendWide(text, kReplacement);
            continue;
        }
        char32_t code = following == 0 ? lead : lead & (0x3F >> following);
        bool valid = true;
        for (int count = 0; count < following; ++count) {
            if (position >= bytes.size() || (static_cast<std::uint8_t>(bytes[position]) & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            code = code << 6 | (static_cast<std::uint8_t>(bytes[position++]) & 0x3F);
        }
        AppendWide(text, valid && code <= 0x10FFFF ? code : kReplacement);
    }
    return text;
}

}  // namespace norvale::tools
