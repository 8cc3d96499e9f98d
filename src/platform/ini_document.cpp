#include "platform/ini_document.h"

#include <algorithm>

namespace norvale {
namespace {

bool IsBlank(wchar_t character)
{
    return character == L' ' || character == L'\t' || character == L'\r' || character == L'\n';
}

std::wstring_view Trim(std::wstring_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Case folding of ASCII and Latin-1 letters, enough for the section and key
// names the utility and its files use.
wchar_t FoldCase(wchar_t character)
{
    if ((character >= L'A' && character <= L'Z') ||
        (character >= 0xC0 && character <= 0xDE && character != 0xD7)) {
        return static_cast<wchar_t>(character + 0x20);
    }
    return character;
}

bool NamesMatch(std::wstring_view left, std::wstring_view right)
{
    return std::ranges::equal(left, right,
                              [](wchar_t a, wchar_t b) { return FoldCase(a) == FoldCase(b); });
}

}  // namespace

IniDocument::Line IniDocument::ParseLine(std::wstring text)
{
    Line line;
    const std::wstring_view content = Trim(text);
    if (content.starts_with(L'[')) {
        const std::size_t close = content.find(L']');
        line.kind = Kind::Section;
        line.name = Trim(content.substr(1, close == std::wstring_view::npos ? std::wstring_view::npos
                                                                           : close - 1));
    } else if (const std::size_t equals = content.find(L'='); equals != std::wstring_view::npos) {
        line.kind = Kind::Key;
        line.name = Trim(content.substr(0, equals));
        line.value = Trim(content.substr(equals + 1));
    }
    line.text = std::move(text);
    return line;
}

IniDocument IniDocument::Parse(std::wstring_view text)
{
    IniDocument document;
    while (!text.empty()) {
        const std::size_t end = text.find(L'\n');
        std::wstring_view line = text.substr(0, end);
        if (line.ends_with(L'\r')) line.remove_suffix(1);
        document.lines_.push_back(ParseLine(std::wstring(line)));
        text.remove_prefix(end == std::wstring_view::npos ? text.size() : end + 1);
    }
    return document;
}

std::wstring IniDocument::Render() const
{
    std::wstring text;
    for (const Line& line : lines_) {
        text += line.text;
        text += L"\r\n";
    }
    return text;
}

std::optional<IniDocument::Span> IniDocument::FindSection(std::wstring_view section) const
{
    const std::wstring_view wanted = Trim(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != Kind::Section || !NamesMatch(lines_[i].name, wanted)) continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && lines_[end].kind != Kind::Section) ++end;
        return Span{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKey(const Span& span, std::wstring_view key) const
{
    const std::wstring_view wanted = Trim(key);
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        if (lines_[i].kind == Kind::Key && NamesMatch(lines_[i].name, wanted)) return i;
    }
    return std::nullopt;
}

std::optional<std::wstring> IniDocument::Find(std::wstring_view section, std::wstring_view key) const
{
    const auto span = FindSection(section);
    if (!span) return std::nullopt;
    const auto index = FindKey(*span, key);
    if (!index) return std::nullopt;
    return lines_[*index].value;
}

void IniDocument::Set(std::wstring_view section, std::wstring_view key, std::wstring_view value)
{
    auto span = FindSection(section);
    if (!span) {
        lines_.push_back(ParseLine(L'[' + std::wstring(Trim(section)) + L']'));
        span = Span{lines_.size() - 1, lines_.size()};
    }
    if (const auto index = FindKey(*span, key)) {
        // The key keeps its own spelling; only the value changes.
        lines_[*index] = ParseLine(lines_[*index].name + L'=' + std::wstring(value));
        return;
    }
    // New keys go after the section's last non-blank line, before any blank
    // lines that separate it from the next section.
    std::size_t insertAt = span->end;
    while (insertAt > span->header + 1 && Trim(lines_[insertAt - 1].text).empty()) --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  ParseLine(std::wstring(Trim(key)) + L'=' + std::wstring(value)));
}

bool IniDocument::EraseKey(std::wstring_view section, std::wstring_view key)
{
    const auto span = FindSection(section);
    if (!span) return false;
    const auto index = FindKey(*span, key);
    if (!index) return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*index));
    return true;
}

bool IniDocument::EraseSection(std::wstring_view section)
{
    const auto span = FindSection(section);
    if (!span) return false;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(span->header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(span->end));
    return true;
}

}  // namespace norvale
