#include <gtest/gtest.h>

#include <array>

#include "app/device_notification.h"
#include "device/event_report.h"
#include "text/ui_texts.h"

namespace norvale {
namespace {

using Queries = std::vector<DeviceQuery>;
constexpr DeviceQuery kIndex = DeviceQuery::ReadProfileIndex;
constexpr DeviceQuery kImage = DeviceQuery::ReadProfileImage;

class DeviceNotification : public ::testing::Test {
protected:
    void SetUp() override
    {
        FillUiTexts(L"EN");
        saved_.dpiValue = {8, 16, 48, 64, 80, 120, 160};
    }

    DeviceNotificationResponse Respond(std::span<const std::uint8_t> report) const
    {
        const std::optional<DeviceEvent> event = ParseEventReport(report);
        if (!event) return {};
        return RespondToDeviceNotification(event->code, event->value, saved_);
    }

    Settings saved_{};
};

TEST_F(DeviceNotification, StageThreeShowsItsDpiAndSendsNothing)
{
    const std::array<std::uint8_t, 8> report{0x06, 0x07, 0x02, 0x03, 0, 0, 0, 0};
    const DeviceNotificationResponse response = Respond(report);
    EXPECT_TRUE(response.queries.empty());
    EXPECT_EQ(response.balloon, (Balloon{L"Switch DPI into the third stage (2400 DPI)", L"Info", 5000}));
}

TEST_F(DeviceNotification, EachStageReadsBackWhatItNeeds)
{
    struct Case {
        std::uint8_t code;
        std::uint8_t stage;
        Queries queries;
        const wchar_t* text;
    };
    const Case cases[] = {
        {1, 1, {kIndex, kImage}, L"Switch DPI into the first stage (400 DPI)"},
        {3, 2, {kIndex, kImage}, L"Switch DPI into the second stage (800 DPI)"},
        {1, 4, {kImage}, L"Switch DPI into the fourth stage (3200 DPI)"},
        {2, 5, {kIndex, kImage}, L"Switch DPI into the fifth stage (4000 DPI)"},
        {2, 6, {kIndex, kImage}, L"Switch DPI into the sixth stage (6000 DPI)"},
        {3, 7, {kIndex, kImage}, L"Switch DPI into the seven stage (8000 DPI)"},
    };
    for (const Case& c : cases) {
        const std::array<std::uint8_t, 4> report{0x06, 0x07, c.code, c.stage};
        const DeviceNotificationResponse response = Respond(report);
        EXPECT_EQ(response.queries, c.queries) << int{c.stage};
        EXPECT_EQ(response.balloon, (Balloon{c.text, L"Info", 5000})) << int{c.stage};
    }
}

TEST_F(DeviceNotification, MacroSwitchNamesTheKeyNumber)
{
    const std::array<std::uint8_t, 4> report{0x06, 0x07, 0x09, 0x02};
    const DeviceNotificationResponse response = Respond(report);
    EXPECT_TRUE(response.queries.empty());
    EXPECT_EQ(response.balloon, (Balloon{L"Switch to macro key2", L"Info", 5000}));
}

TEST_F(DeviceNotification, UnknownCodesStagesAndMacroZeroShowNothing)
{
    const std::array<std::array<std::uint8_t, 4>, 5> ignored{{
        {0x06, 0x07, 0x09, 0x00},
        {0x06, 0x07, 0x05, 0x01},
        {0x06, 0x07, 0x01, 0x00},
        {0x06, 0x07, 0x02, 0x08},
        {0x06, 0x07, 0x00, 0x03},
    }};
    for (const auto& report : ignored) {
        const DeviceNotificationResponse response = Respond(report);
        EXPECT_TRUE(response.queries.empty()) << int{report[2]} << ' ' << int{report[3]};
        EXPECT_FALSE(response.balloon) << int{report[2]} << ' ' << int{report[3]};
    }
}

TEST_F(DeviceNotification, HotPlugVerdictsShowShortBalloons)
{
    EXPECT_EQ(RespondToDeviceNotification(14, 0, saved_).balloon,
              (Balloon{L"The system detect Corvane.", L"Info", 100}));
    EXPECT_EQ(RespondToDeviceNotification(15, 0, saved_).balloon,
              (Balloon{L"The system did not detect Corvane!", L"Warning", 100}));
}

}  // namespace
}  // namespace norvale
