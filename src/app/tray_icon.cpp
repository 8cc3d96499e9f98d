#include "app/tray_icon.h"

#include "app/main_window_geometry.h"
#include "text/ui_texts.h"

namespace norvale {
namespace {

constexpr int kProductNameSlot = 6;

using S = MainStep;

MainActions RestoreFromTray()
{
    MainActions actions{{S::RecentreWindow},
                        {S::RefreshAxisSliders},
                        {S::RefreshButtonLabels},
                        {S::LayoutAssignmentSection, 1},
                        {S::RefreshButtonLabels},
                        {S::LockWindowUpdate}};
    for (int button = 0; button < kFunctionButtonCount; ++button) {
        actions.insert(actions.end(), {{S::HideFunctionButton, button}, {S::RefreshButtonLabels}});
    }
    actions.insert(actions.end(), {{S::UnlockWindowUpdate},
                                   {S::LayoutAxisSection, 1},
                                   {S::RefreshAxisSliders},
                                   {S::RefreshPages},
                                   {S::ShowInTaskbar},
                                   {S::ShowWindow},
                                   {S::SetForeground}});
    return actions;
}

}  // namespace

std::wstring FitTrayField(std::wstring_view text, std::size_t capacity)
{
    return std::wstring(text.substr(0, capacity == 0 ? 0 : capacity - 1));
}

std::wstring TrayTip()
{
    return FitTrayField(UiText(kProductNameSlot), kTrayTipCapacity);
}

TrayResponse RespondToTrayIcon(std::uintptr_t iconId, std::intptr_t mouseMessage, bool devicePresent)
{
    if (iconId != kTrayIconId) return {1, {}};
    if (mouseMessage == kLeftButtonDoubleClick && devicePresent) return {0, RestoreFromTray()};
    if (mouseMessage == kRightButtonUp) return {0, {{S::SetForeground}, {S::OpenTrayMenu}}};
    return {0, {}};
}

std::wstring FirmwareUpdaterPath(std::wstring_view moduleDirectory, std::uint16_t processorArchitecture)
{
    const bool wide = processorArchitecture == kArchitectureAmd64 || processorArchitecture == kArchitectureIa64;
    return std::wstring(moduleDirectory) + (wide ? L"Update\\X64\\FwUpdate.exe" : L"Update\\X86\\FwUpdate.exe");
}

}  // namespace norvale
