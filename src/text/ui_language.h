#pragma once
#include <array>
#include <string_view>

namespace norvale {

// The four languages of the user interface. Unknown stands for any code the
// utility does not speak (the empty code of a missing "Lan" key included).
enum class UiLanguage { Unknown, SimplifiedChinese, TraditionalChinese, English, German };

inline constexpr std::array<UiLanguage, 4> kUiLanguages = {
    UiLanguage::SimplifiedChinese, UiLanguage::TraditionalChinese, UiLanguage::English,
    UiLanguage::German};

// "CHS", "CHT", "EN", "DE"; compared whole and case-sensitive, as the label
// files spell them.
UiLanguage UiLanguageFromCode(std::wstring_view code);

// The code that selects the language; empty for Unknown.
std::wstring_view LanguageCodeOf(UiLanguage language);

}  // namespace norvale
