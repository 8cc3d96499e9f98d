#include "app/hot_plug.h"

#include <array>

namespace norvale {
namespace {

using S = MainStep;

constexpr std::array<std::wstring_view, 2> kArrivalNames{L"VID_04d9&PID_b62e", L"VID_04D9&PID_B62E"};
constexpr std::array<std::wstring_view, 2> kRemovalNames{L"Vid_04d9&Pid_b62e", L"VID_04D9&PID_B62E"};

bool ContainsAny(std::wstring_view name, const std::array<std::wstring_view, 2>& spellings)
{
    for (std::wstring_view spelling : spellings) {
        if (name.find(spelling) != std::wstring_view::npos) return true;
    }
    return false;
}

MainActions MouseLost()
{
    return {{S::NotifyMouseMissing}, {S::HideWindow}, {S::MarkDeviceAbsent}, {S::RemoveTrayIcon}};
}

}  // namespace

HotPlugEvent ClassifyDeviceChange(std::uintptr_t event, std::uint32_t broadcastType,
                                  std::wstring_view interfaceName)
{
    if (broadcastType != kDeviceInterfaceBroadcast) return HotPlugEvent::Ignored;
    if (event == kDeviceArrival && ContainsAny(interfaceName, kArrivalNames)) return HotPlugEvent::Arrival;
    if (event == kDeviceRemoveComplete && ContainsAny(interfaceName, kRemovalNames)) return HotPlugEvent::Removal;
    return HotPlugEvent::Ignored;
}

MainActions HotPlugActions(HotPlugEvent change, bool mouseFound)
{
    switch (change) {
    case HotPlugEvent::Arrival:
        if (!mouseFound) return MouseLost();
        return {{S::NotifyMouseDetected},
                {S::MarkDevicePresent},
                {S::ClearDeviceState},
                {S::ReadProfileIndexIntoSettings},
                {S::SendFunctionOption},
                {S::LoadSettings},
                {S::LoadLabelTexts},
                {S::ResumeListener},
                {S::AddTrayIcon}};
    case HotPlugEvent::Removal: {
        if (mouseFound) return {{S::MarkDevicePresent}, {S::AddTrayIcon}};
        MainActions actions = MouseLost();
        actions.insert(actions.begin(), {S::LogMouseMissing});
        return actions;
    }
    case HotPlugEvent::Ignored: return {};
    }
    return {};
}

}  // namespace norvale
