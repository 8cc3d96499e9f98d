#include "text/ui_text_table.h"

namespace norvale {

UiTextTable::UiTextTable(std::wstring_view languageCode)
    : languageCode_(languageCode), language_(UiLanguageFromCode(languageCode))
{
    for (int slot = 0; slot < kUiTextSlotCount; ++slot) {
        slots_[slot] = UiTextIn(language_, slot);
    }
}

const std::wstring& UiTextTable::Text(int slot) const
{
    static const std::wstring noText;
    return slot >= 0 && slot < kUiTextSlotCount ? slots_[slot] : noText;
}

}  // namespace norvale
