#include "macro/macro_line.h"

#include "settings/decimal_text.h"

namespace norvale {
namespace {

bool Contains(std::wstring_view text, std::wstring_view part)
{
    return text.find(part) != std::wstring_view::npos;
}

std::wstring WithoutEvery(std::wstring_view text, std::wstring_view part)
{
    std::wstring result(text);
    for (std::size_t found = result.find(part); found != std::wstring::npos; found = result.find(part, found)) {
        result.erase(found, part.size());
    }
    return result;
}

}  // namespace

std::wstring PressLine(std::wstring_view keyName)
{
    return std::wstring(keyName) + std::wstring(kPressMarker);
}

std::wstring ReleaseLine(std::wstring_view keyName)
{
    return std::wstring(keyName) + std::wstring(kReleaseMarker);
}

std::wstring DelayLine(int milliseconds)
{
    return std::to_wstring(milliseconds) + std::wstring(kDelayUnit);
}

bool CountsAsDelay(std::wstring_view line)
{
    return Contains(line, L"ms");
}

MacroLineKind ClassifyMacroLine(std::wstring_view line)
{
    if (Contains(line, kPressMarker)) return MacroLineKind::Press;
    if (Contains(line, kReleaseMarker)) return MacroLineKind::Release;
    if (CountsAsDelay(line)) return MacroLineKind::Delay;
    return MacroLineKind::Other;
}

std::wstring MacroLineKeyName(std::wstring_view line)
{
    switch (ClassifyMacroLine(line)) {
    case MacroLineKind::Press: return WithoutEvery(line, kPressMarker);
    case MacroLineKind::Release: return WithoutEvery(line, kReleaseMarker);
    default: return std::wstring(line);
    }
}

int MacroLineDelay(std::wstring_view line)
{
    return DecimalValue(WithoutEvery(line, kDelayUnit));
}

}  // namespace norvale
