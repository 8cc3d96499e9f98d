#include "settings/imported_settings_check.h"

#include <algorithm>
#include <array>

#include "settings/button_function_kind.h"

namespace norvale {
namespace {

constexpr std::uint8_t kHighestDpiValue = 216;  // 10800 DPI
constexpr std::uint8_t kHighestMacroIndex = kMacroCount - 1;

bool IsReportRateDivisor(std::uint8_t value)
{
    return value == 1 || value == 2 || value == 4 || value == 8;
}

bool IsCatalogueKind(std::uint8_t kind)
{
    using enum ButtonFunctionKind;
    return kind <= static_cast<std::uint8_t>(Macro) || kind == static_cast<std::uint8_t>(Deactivated) ||
           (kind >= static_cast<std::uint8_t>(LeftTiltScroll) && kind <= static_cast<std::uint8_t>(SnipeKey));
}

template <typename Values, typename Predicate>
bool AllButtons(const Values& values, Predicate valid)
{
    return std::all_of(values.begin(), values.begin() + kButtonCount, valid);
}

}  // namespace

std::optional<ImportFault> FindImportFault(const Settings& settings)
{
    if (!IsReportRateDivisor(settings.reportRate)) return ImportFault::ReportRate;
    if (std::any_of(settings.dpiValue.begin(), settings.dpiValue.end(),
                    [](std::uint8_t value) { return value > kHighestDpiValue; })) {
        return ImportFault::DpiValue;
    }
    if (!AllButtons(settings.buttonKind, IsCatalogueKind)) return ImportFault::ButtonKind;
    if (!AllButtons(settings.buttonMacroIndex, [](std::uint8_t index) { return index <= kHighestMacroIndex; })) {
        return ImportFault::MacroIndex;
    }
    return std::nullopt;
}

std::wstring_view ImportFaultMessage(ImportFault fault, UiLanguage language)
{
    // Rows: report rate, DPI, button kind, macro index.
    static constexpr std::array<std::array<std::wstring_view, 4>, 4> kMessages = {{
        {L"\u65e0\u6cd5\u52a0\u8f7d\u6b64\u914d\u7f6e\uff1a\u56de\u62a5\u7387\u4e0d\u662f 125\u3001250\u3001500 \u6216 1000 Hz\u3002",
         L"\u7121\u6cd5\u8f09\u5165\u6b64\u8a2d\u5b9a\u6a94\uff1a\u56de\u5831\u7387\u4e0d\u662f 125\u3001250\u3001500 \u6216 1000 Hz\u3002",
         L"This profile cannot be loaded: its polling rate is not 125, 250, 500 or 1000 Hz.",
         L"Dieses Profil kann nicht geladen werden: die Abfragerate ist nicht 125, 250, 500 oder 1000 Hz."},
        {L"\u65e0\u6cd5\u52a0\u8f7d\u6b64\u914d\u7f6e\uff1a\u6709 DPI \u6863\u4f4d\u9ad8\u4e8e 10800 DPI\u3002",
         L"\u7121\u6cd5\u8f09\u5165\u6b64\u8a2d\u5b9a\u6a94\uff1a\u6709 DPI \u6bb5\u4f4d\u9ad8\u65bc 10800 DPI\u3002",
         L"This profile cannot be loaded: a DPI stage is above 10800 DPI.",
         L"Dieses Profil kann nicht geladen werden: eine DPI-Stufe liegt \u00fcber 10800 DPI."},
        {L"\u65e0\u6cd5\u52a0\u8f7d\u6b64\u914d\u7f6e\uff1a\u6709\u6309\u952e\u7684\u529f\u80fd\u65e0\u6cd5\u8bc6\u522b\u3002",
         L"\u7121\u6cd5\u8f09\u5165\u6b64\u8a2d\u5b9a\u6a94\uff1a\u6709\u6309\u9375\u7684\u529f\u80fd\u7121\u6cd5\u8b58\u5225\u3002",
         L"This profile cannot be loaded: a button has a function this mouse does not know.",
         L"Dieses Profil kann nicht geladen werden: eine Taste hat eine unbekannte Funktion."},
        {L"\u65e0\u6cd5\u52a0\u8f7d\u6b64\u914d\u7f6e\uff1a\u6709\u6309\u952e\u4f7f\u7528\u4e0d\u5b58\u5728\u7684\u5b8f\uff08\u6700\u591a 12 \u4e2a\uff09\u3002",
         L"\u7121\u6cd5\u8f09\u5165\u6b64\u8a2d\u5b9a\u6a94\uff1a\u6709\u6309\u9375\u4f7f\u7528\u4e0d\u5b58\u5728\u7684\u5de8\u96c6\uff08\u6700\u591a 12 \u500b\uff09\u3002",
         L"This profile cannot be loaded: a button uses a macro that does not exist (12 at most).",
         L"Dieses Profil kann nicht geladen werden: eine Taste nutzt ein Makro, das es nicht gibt (h\u00f6chstens 12)."},
    }};
    std::size_t column = 2;  // English
    switch (language) {
    case UiLanguage::SimplifiedChinese: column = 0; break;
    case UiLanguage::TraditionalChinese: column = 1; break;
    case UiLanguage::German: column = 3; break;
    case UiLanguage::English:
    case UiLanguage::Unknown: break;
    }
    return kMessages[static_cast<std::size_t>(fault)][column];
}

}  // namespace norvale
