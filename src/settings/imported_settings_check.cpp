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
        {L"无法加载此配置：回报率不是 125、250、500 或 1000 Hz。",
         L"無法載入此設定檔：回報率不是 125、250、500 或 1000 Hz。",
         L"This profile cannot be loaded: its polling rate is not 125, 250, 500 or 1000 Hz.",
         L"Dieses Profil kann nicht geladen werden: die Abfragerate ist nicht 125, 250, 500 oder 1000 Hz."},
        {L"无法加载此配置：有 DPI 档位高于 10800 DPI。",
         L"無法載入此設定檔：有 DPI 段位高於 10800 DPI。",
         L"This profile cannot be loaded: a DPI stage is above 10800 DPI.",
         L"Dieses Profil kann nicht geladen werden: eine DPI-Stufe liegt über 10800 DPI."},
        {L"无法加载此配置：有按键的功能无法识别。",
         L"無法載入此設定檔：有按鍵的功能無法識別。",
         L"This profile cannot be loaded: a button has a function this mouse does not know.",
         L"Dieses Profil kann nicht geladen werden: eine Taste hat eine unbekannte Funktion."},
        {L"无法加载此配置：有按键使用不存在的宏（最多 12 个）。",
         L"無法載入此設定檔：有按鍵使用不存在的巨集（最多 12 個）。",
         L"This profile cannot be loaded: a button uses a macro that does not exist (12 at most).",
         L"Dieses Profil kann nicht geladen werden: eine Taste nutzt ein Makro, das es nicht gibt (höchstens 12)."},
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
