#include "platform/ini_encoding.h"

#include <array>
#include <cstddef>

namespace norvale {
namespace {

// Windows-1252 bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kAnsiHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr bool kWideIsUtf16 = sizeof(wchar_t) == 2;

char32_t AnsiToCodePoint(std::uint8_t byte)
{
    if (byte >= 0x80 && byte <= 0x9F) return kAnsiHighControls[byte - 0x80];
    return byte;
}

std::uint8_t CodePointToAnsi(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<std::uint8_t>(codePoint);
    }
    for (std::size_t i = 0; i < kAnsiHighControls.size(); ++i) {
        if (kAnsiHighControls[i] == codePoint) return static_cast<std::uint8_t>(0x80 + i);
    }
    return '?';
}

void AppendCodePoint(std::wstring& text, char32_t codePoint)
{
    if (kWideIsUtf16 && codePoint > 0xFFFF) {
        codePoint -= 0x10000;
        text += static_cast<wchar_t>(0xD800 + (codePoint >> 10));
        text += static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF));
    } else {
        text += static_cast<wchar_t>(codePoint);
    }
}

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

std::wstring DecodeUtf16Le(std::span<const std::uint8_t> bytes)
{
    std::wstring text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char32_t unit = bytes[i] | bytes[i + 1] << 8;
        if (!kWideIsUtf16 && IsHighSurrogate(unit) && i + 3 < bytes.size()) {
            const char32_t next = bytes[i + 2] | bytes[i + 3] << 8;
            if (IsLowSurrogate(next)) {
                AppendCodePoint(text, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
                i += 2;
                continue;
            }
        }
        text += static_cast<wchar_t>(unit);
    }
    return text;
}

void AppendUtf16Unit(std::vector<std::uint8_t>& bytes, char32_t unit)
{
    bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
}

std::vector<std::uint8_t> EncodeUtf16Le(std::wstring_view text)
{
    std::vector<std::uint8_t> bytes = {0xFF, 0xFE};
    for (wchar_t character : text) {
        const auto codePoint = static_cast<char32_t>(character);
        if (codePoint > 0xFFFF) {
            AppendUtf16Unit(bytes, 0xD800 + ((codePoint - 0x10000) >> 10));
            AppendUtf16Unit(bytes, 0xDC00 + ((codePoint - 0x10000) & 0x3FF));
        } else {
            AppendUtf16Unit(bytes, codePoint);
        }
    }
    return bytes;
}

}  // namespace

IniText DecodeIniBytes(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        return {DecodeUtf16Le(bytes.subspan(2)), IniEncoding::Utf16Le};
    }
    IniText result;
    for (std::uint8_t byte : bytes) AppendCodePoint(result.text, AnsiToCodePoint(byte));
    return result;
}

std::vector<std::uint8_t> EncodeIniText(std::wstring_view text, IniEncoding encoding)
{
    if (encoding == IniEncoding::Utf16Le) return EncodeUtf16Le(text);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size());
    for (wchar_t character : text) bytes.push_back(CodePointToAnsi(static_cast<char32_t>(character)));
    return bytes;
}

}  // namespace norvale
