#include "assign/dpi_item_texts.h"

#include "text/ui_text_catalog.h"

namespace norvale {

DpiItemTexts DpiItemTextsIn(UiLanguage language)
{
    constexpr int kDpiUpSlot = 41;  // down and loop follow
    DpiItemTexts texts;
    for (int item = 0; item < 3; ++item) {
        texts.text[item] = UiTextIn(language, kDpiUpSlot + item);
    }
    return texts;
}

}  // namespace norvale
