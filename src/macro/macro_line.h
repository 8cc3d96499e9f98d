#pragma once
#include <string>
#include <string_view>

namespace norvale {

// One line of a macro's sequence, as the event list shows it and the store
// keeps it: "<key name>   Dn", "<key name>   Up" or "<milliseconds> ms".
// Lines are classified by substring, so any other text is carried along.
enum class MacroLineKind { Press, Release, Delay, Other };

inline constexpr std::wstring_view kPressMarker = L"   Dn";
inline constexpr std::wstring_view kReleaseMarker = L"   Up";
inline constexpr std::wstring_view kDelayUnit = L" ms";

std::wstring PressLine(std::wstring_view keyName);
std::wstring ReleaseLine(std::wstring_view keyName);
std::wstring DelayLine(int milliseconds);

// Any line that contains "ms" stands for a wait where a delay is looked for.
bool CountsAsDelay(std::wstring_view line);

// A press wins over a release, a release over a delay.
MacroLineKind ClassifyMacroLine(std::wstring_view line);

// The line with every occurrence of its press or release marker removed.
std::wstring MacroLineKeyName(std::wstring_view line);

// The number at the start of a delay line once " ms" is taken out; 0 when
// there is none.
int MacroLineDelay(std::wstring_view line);

}  // namespace norvale
