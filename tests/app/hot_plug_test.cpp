#include <gtest/gtest.h>

#include "app/hot_plug.h"

namespace norvale {
namespace {

using S = MainStep;

constexpr const wchar_t* kPrefix = L"\\\\?\\HID#";
constexpr const wchar_t* kSuffix = L"&MI_01#7&1a2b3c4d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";

std::wstring InterfaceName(const wchar_t* ids)
{
    return std::wstring(kPrefix) + ids + kSuffix;
}

TEST(HotPlug, InterfaceNamesMatchOnlyTheSpellingsOfTheirEvent)
{
    struct Case {
        std::uintptr_t event;
        const wchar_t* ids;
        HotPlugEvent expected;
    };
    const Case cases[] = {
        {0x8000, L"VID_04d9&PID_b62e", HotPlugEvent::Arrival},
        {0x8000, L"VID_04D9&PID_B62E", HotPlugEvent::Arrival},
        {0x8000, L"Vid_04d9&Pid_b62e", HotPlugEvent::Ignored},
        {0x8000, L"VID_04d9&PID_B62E", HotPlugEvent::Ignored},
        {0x8000, L"VID_04D9&PID_A001", HotPlugEvent::Ignored},
        {0x8004, L"Vid_04d9&Pid_b62e", HotPlugEvent::Removal},
        {0x8004, L"VID_04D9&PID_B62E", HotPlugEvent::Removal},
        {0x8004, L"VID_04d9&PID_b62e", HotPlugEvent::Ignored},
        {0x8004, L"Vid_04d9&Pid_a001", HotPlugEvent::Ignored},
        {0x8001, L"VID_04D9&PID_B62E", HotPlugEvent::Ignored},
        {0x0007, L"VID_04D9&PID_B62E", HotPlugEvent::Ignored},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyDeviceChange(c.event, 5, InterfaceName(c.ids)), c.expected) << c.event << ' ' << c.ids;
    }
    EXPECT_EQ(ClassifyDeviceChange(0x8000, 2, InterfaceName(L"VID_04D9&PID_B62E")), HotPlugEvent::Ignored);
}

TEST(HotPlug, ArrivalOfTheMouseReloadsAndStartsListening)
{
    EXPECT_EQ(HotPlugActions(HotPlugEvent::Arrival, true), (MainActions{{S::NotifyMouseDetected},
                                                                        {S::MarkDevicePresent},
                                                                        {S::ClearDeviceState},
                                                                        {S::ReadProfileIndexIntoSettings},
                                                                        {S::SendFunctionOption},
                                                                        {S::LoadSettings},
                                                                        {S::LoadLabelTexts},
                                                                        {S::ResumeListener},
                                                                        {S::AddTrayIcon}}));
    EXPECT_EQ(HotPlugActions(HotPlugEvent::Arrival, false),
              (MainActions{{S::NotifyMouseMissing}, {S::HideWindow}, {S::MarkDeviceAbsent}, {S::RemoveTrayIcon}}));
}

TEST(HotPlug, RemovalChecksWhetherTheMouseIsStillThere)
{
    EXPECT_EQ(HotPlugActions(HotPlugEvent::Removal, true), (MainActions{{S::MarkDevicePresent}, {S::AddTrayIcon}}));
    EXPECT_EQ(HotPlugActions(HotPlugEvent::Removal, false), (MainActions{{S::LogMouseMissing},
                                                                         {S::NotifyMouseMissing},
                                                                         {S::HideWindow},
                                                                         {S::MarkDeviceAbsent},
                                                                         {S::RemoveTrayIcon}}));
    EXPECT_TRUE(HotPlugActions(HotPlugEvent::Ignored, true).empty());
}

}  // namespace
}  // namespace norvale
