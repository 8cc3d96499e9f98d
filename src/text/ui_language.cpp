#include "text/ui_language.h"

namespace norvale {

UiLanguage UiLanguageFromCode(std::wstring_view code)
{
    for (UiLanguage language : kUiLanguages) {
        if (code == LanguageCodeOf(language)) {
            return language;
        }
    }
    return UiLanguage::Unknown;
}

std::wstring_view LanguageCodeOf(UiLanguage language)
{
    switch (language) {
    case UiLanguage::SimplifiedChinese: return L"CHS";
    case UiLanguage::TraditionalChinese: return L"CHT";
    case UiLanguage::English: return L"EN";
    case UiLanguage::German: return L"DE";
    case UiLanguage::Unknown: break;
    }
    return {};
}

}  // namespace norvale
