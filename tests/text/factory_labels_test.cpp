#include <gtest/gtest.h>

#include <array>
#include <string>

#include "text/factory_labels.h"

namespace norvale {
namespace {

struct LanguageLabels {
    UiLanguage language;
    const wchar_t* section;
    std::array<std::wstring, 7> labels;
};

TEST(FactoryLabels, EachLanguageNamesItsSectionAndTheFactoryCaptions)
{
    const LanguageLabels expected[] = {
        {UiLanguage::English, L"Setting-EN",
         {L"Click", L"Menu", L"Scroll ", L"Fn", L"Snipe", L"DPI +", L"DPI -"}},
        {UiLanguage::SimplifiedChinese, L"Setting-CHS",
         {L"\u5DE6\u952E", L"\u53F3\u952E", L"\u4E2D\u952E", L"Fn", L"\u72D9\u51FB\u952E", L"DPI +",
          L"DPI -"}},
        {UiLanguage::TraditionalChinese, L"Setting-CHT",
         {L"\u9EDE\u64CA", L"\u9078\u9805", L"\u6EFE\u8F2A", L"Fn", L"\u72D9\u64CA\u9375", L"DPI +",
          L"DPI -"}},
        {UiLanguage::German, L"Setting-DE",
         {L"Klick", L"Men\u00FC", L"Scrollen", L"Fn", L"Snipe Key", L"DPI +", L"DPI -"}},
    };
    for (const LanguageLabels& language : expected) {
        EXPECT_EQ(LabelSectionName(language.language), language.section);
        EXPECT_EQ(FactoryButtonLabels(language.language), language.labels) << language.section;
    }
}

TEST(FactoryLabels, LanguageCodesRoundTripAndTheUnknownLanguageHasNoSection)
{
    for (UiLanguage language : kUiLanguages) {
        EXPECT_EQ(UiLanguageFromCode(LanguageCodeOf(language)), language);
    }
    EXPECT_EQ(LanguageCodeOf(UiLanguage::Unknown), L"");
    EXPECT_EQ(LabelSectionName(UiLanguage::Unknown), L"");
}

}  // namespace
}  // namespace norvale
