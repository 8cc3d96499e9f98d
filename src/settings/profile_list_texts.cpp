#include "settings/profile_list_texts.h"

namespace norvale {

ProfileListTexts ProfileListTextsFor(UiLanguage language)
{
    switch (language) {
    case UiLanguage::SimplifiedChinese:
        return {L"\u914d\u7f6e", L"Profile", L"\u65b0\u5efa", L"\u5220\u9664", L"\u7f16\u8f91",
                L"\u590d\u5236", L"\u52a0\u8f7d", L"\u4fdd\u5b58", L"\u8b66\u544a",
                L"\u6700\u591a\u53ef\u4ee5\u5b58\u50a86\u4e2a\u914d\u7f6e\u3002"};
    case UiLanguage::TraditionalChinese:
        return {L"\u914d\u7f6e", L"\u8a2d\u5b9a\u6a94", L"\u65b0\u5efa", L"\u522a\u9664",
                L"\u7de8\u8f2f", L"\u8907\u88fd", L"\u8f09\u5165", L"\u5132\u5b58", L"\u6ce8\u610f!",
                L"\u652f\u63f4\u6700\u591a\u516d\u7d44\u8a2d\u5b9a\u6a94\u3002"};
    case UiLanguage::English:
        return {L"Configuration", L"Profile", L"New", L"Delete", L"Edit", L"Copy", L"Load",
                L"Save", L"ATTENTION!", L"Up to 6 Profiles Possible."};
    case UiLanguage::German:
        return {L"Game Profil", L"Profil", L"Neu", L"L\u00f6schen", L"Bearbeiten", L"Kopieren",
                L"Laden", L"Speichern", L"ACHTUNG!", L"Maximal 6 Profile m\u00f6glich."};
    case UiLanguage::Unknown:
        break;
    }
    return {};
}

}  // namespace norvale
