#pragma once
#include <string_view>

namespace norvale {

// The macro window's own texts by UI language code; all empty for a code
// it does not know.
struct MacroWindowTexts {
    std::wstring_view ok;
    std::wstring_view cancel;
    std::wstring_view startRecording;
    std::wstring_view stopRecording;
    std::wstring_view insertLeftButton;
    std::wstring_view insertMiddleButton;
    std::wstring_view insertRightButton;
    std::wstring_view insertDelay;
    std::wstring_view attention;
    std::wstring_view limit;
    std::wstring_view title;
    std::wstring_view selectMacro;
    std::wstring_view keystrokeSequence;
    std::wstring_view options;
    std::wstring_view recordDelay;
    std::wstring_view numberOfLoops;
    std::wstring_view newMacro;
    std::wstring_view deleteText;
    std::wstring_view macroWord;  // new macros are named after it: "Macro_3"
    std::wstring_view renameRefused;
};

MacroWindowTexts MacroWindowTextsFor(std::wstring_view languageCode);

}  // namespace norvale
