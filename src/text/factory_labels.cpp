#include "text/factory_labels.h"

#include "text/ui_text_catalog.h"

namespace norvale {
namespace {

constexpr int kSectionNameSlot = 0;
constexpr int kDpiUpSlot = 41;
constexpr int kDpiDownSlot = 42;
constexpr int kClickSlot = 498;
constexpr int kMenuSlot = 499;
constexpr int kScrollSlot = 500;
constexpr int kSnipeSlot = 514;

}  // namespace

std::wstring_view LabelSectionName(UiLanguage language)
{
    return UiTextIn(language, kSectionNameSlot);
}

std::array<std::wstring, 7> FactoryButtonLabels(UiLanguage language)
{
    auto text = [language](int slot) { return std::wstring(UiTextIn(language, slot)); };
    return {text(kClickSlot), text(kMenuSlot),  text(kScrollSlot), std::wstring(kFnKeyLabel),
            text(kSnipeSlot), text(kDpiUpSlot), text(kDpiDownSlot)};
}

}  // namespace norvale
