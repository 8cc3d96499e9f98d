#pragma once
#include <array>
#include <string>
#include <string_view>

#include "text/ui_language.h"
#include "text/ui_text_catalog.h"

namespace norvale {

// The shared texts of one run, filled once for a language code and never
// changed afterwards.
class UiTextTable {
public:
    // Every slot empty, as before the language is known.
    UiTextTable() = default;
    explicit UiTextTable(std::wstring_view languageCode);

    const std::wstring& LanguageCode() const { return languageCode_; }
    UiLanguage Language() const { return language_; }

    // Empty for a slot the language leaves empty and for any number that is
    // no text slot, negative or too large ones included.
    const std::wstring& Text(int slot) const;

private:
    std::wstring languageCode_;
    UiLanguage language_ = UiLanguage::Unknown;
    std::array<std::wstring, kUiTextSlotCount> slots_;
};

}  // namespace norvale
