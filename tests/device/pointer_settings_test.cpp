#include "device/pointer_settings.h"

#include <gmock/gmock.h>

#include "support/debug_recorder.h"

namespace norvale {
namespace {

using ::testing::ElementsAre;
using ::testing::Return;

class MockPointerSettings : public PointerSettings {
public:
    MOCK_METHOD(bool, SetMouse, ((const std::array<int, 3>&)), (override));
    MOCK_METHOD(bool, SetMouseSpeed, (unsigned), (override));
    MOCK_METHOD(bool, SetWheelScrollLines, (unsigned), (override));
    MOCK_METHOD(bool, SetDoubleClickTime, (unsigned), (override));
};

TEST(PointerSettingsConversion, SpeedAndDoubleClickTimeFollowTheSliderLevel)
{
    struct Case {
        std::uint8_t level;
        unsigned speed;
    };
    for (const Case c : {Case{1, 1}, Case{2, 2}, Case{6, 10}, Case{11, 20}}) EXPECT_EQ(MouseSpeedFor(c.level), c.speed);
    EXPECT_EQ(DoubleClickTimeFor(1), 900u);
    EXPECT_EQ(DoubleClickTimeFor(6), 550u);
    EXPECT_EQ(DoubleClickTimeFor(11), 200u);
}

TEST(PointerSettingsConversion, PageScrollOverridesTheLineCount)
{
    EXPECT_EQ(WheelScrollLinesFor(1, 3), 0xFFFFFFFFu);
    EXPECT_EQ(WheelScrollLinesFor(0, 3), 3u);
}

TEST(PointerSettingsConversion, OnlyPrecisionOneSwitchesAccelerationOn)
{
    EXPECT_EQ(MouseAccelerationFor(1), (std::array<int, 3>{6, 10, 1}));
    EXPECT_EQ(MouseAccelerationFor(0), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(MouseAccelerationFor(2), (std::array<int, 3>{0, 0, 0}));
}

TEST(ApplyPointerSettings, PushesAllFourInOrderAndLogsEachRefusal)
{
    testing::DebugRecorder debug;
    ::testing::StrictMock<MockPointerSettings> system;
    ::testing::InSequence order;
    EXPECT_CALL(system, SetMouse(std::array<int, 3>{6, 10, 1})).WillOnce(Return(false));
    EXPECT_CALL(system, SetMouseSpeed(10u)).WillOnce(Return(false));
    EXPECT_CALL(system, SetWheelScrollLines(3u)).WillOnce(Return(false));
    EXPECT_CALL(system, SetDoubleClickTime(550u)).WillOnce(Return(false));

    ApplyPointerSettings(system, {.pointerPrecision = 1, .pointerSpeed = 6, .wheelPageScroll = 0, .wheelLines = 3,
                                  .doubleClickLevel = 6});

    EXPECT_THAT(debug.lines, ElementsAre(L"SETMOUSE failed.\n", L"SETMOUSESPEED failed.\n",
                                         L"SETWHEELSCROLLLINES failed.\n", L"SPI_SETDOUBLECLICKTIME failed.\n"));
}

TEST(ApplyPointerSettings, AcceptedSettingsLeaveNoDebugLines)
{
    testing::DebugRecorder debug;
    ::testing::NiceMock<MockPointerSettings> system;
    ON_CALL(system, SetMouse).WillByDefault(Return(true));
    ON_CALL(system, SetMouseSpeed).WillByDefault(Return(true));
    ON_CALL(system, SetWheelScrollLines).WillByDefault(Return(true));
    ON_CALL(system, SetDoubleClickTime).WillByDefault(Return(true));
    ApplyPointerSettings(system, {});
    EXPECT_TRUE(debug.lines.empty());
}

}  // namespace
}  // namespace norvale
