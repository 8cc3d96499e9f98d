#include "app/device_notification.h"

#include "text/ui_texts.h"

namespace norvale {
namespace {

constexpr int kFirstStageSlot = 534;
constexpr int kMacroSwitchSlot = 545;
constexpr int kMouseMissingSlot = 547;
constexpr int kMouseDetectedSlot = 548;
constexpr unsigned kSwitchBalloonMs = 5000;
constexpr unsigned kPlugBalloonMs = 100;
constexpr std::wstring_view kInfoTitle = L"Info";
constexpr std::wstring_view kWarningTitle = L"Warning";
constexpr std::uintptr_t kMacroSwitchCode = 9;

bool IsDpiSwitchCode(std::uintptr_t code)
{
    return code >= 1 && code <= 3;
}

std::vector<DeviceQuery> QueriesForStage(std::intptr_t stage)
{
    switch (stage) {
    case 3: return {};
    case 4: return {DeviceQuery::ReadProfileImage};
    default: return {DeviceQuery::ReadProfileIndex, DeviceQuery::ReadProfileImage};
    }
}

DeviceNotificationResponse DpiSwitch(std::intptr_t stage, const Settings& saved)
{
    if (stage < 1 || stage > static_cast<std::intptr_t>(kDpiStageCount)) return {};
    const int dpi = saved.dpiValue[static_cast<std::size_t>(stage - 1)] * 50;
    const std::wstring text =
        UiText(kFirstStageSlot + static_cast<int>(stage) - 1) + L"(" + std::to_wstring(dpi) + L" DPI)";
    return {QueriesForStage(stage), Balloon{text, kInfoTitle, kSwitchBalloonMs}};
}

}  // namespace

DeviceNotificationResponse RespondToDeviceNotification(std::uintptr_t code, std::intptr_t value,
                                                       const Settings& saved)
{
    if (IsDpiSwitchCode(code)) return DpiSwitch(value, saved);
    switch (code) {
    case kMacroSwitchCode:
        if (value == 0) return {};
        return {{}, Balloon{UiText(kMacroSwitchSlot) + std::to_wstring(static_cast<int>(value)), kInfoTitle, kSwitchBalloonMs}};
    case kMouseDetectedCode: return {{}, Balloon{UiText(kMouseDetectedSlot), kInfoTitle, kPlugBalloonMs}};
    case kMouseMissingCode: return {{}, Balloon{UiText(kMouseMissingSlot), kWarningTitle, kPlugBalloonMs}};
    default: return {};
    }
}

}  // namespace norvale
