#include "device/pointer_settings.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

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

// Takes every value and writes down what reached the system, in order.
class RecordingPointerSettings : public PointerSettings {
public:
    std::vector<std::string> pushed;

    bool SetMouse(const std::array<int, 3>& a) override { return Note("mouse", a[0]); }
    bool SetMouseSpeed(unsigned speed) override { return Note("speed", speed); }
    bool SetWheelScrollLines(unsigned lines) override { return Note("wheel", lines); }
    bool SetDoubleClickTime(unsigned ms) override { return Note("double-click", ms); }

private:
    bool Note(const char* what, long long value)
    {
        pushed.push_back(std::string(what) + " " + std::to_string(value));
        return true;
    }
};

TEST(ApplyPointerSettings, AcceptedSettingsLeaveNoDebugLines)
{
    testing::DebugRecorder debug;
    RecordingPointerSettings system;
    ApplyPointerSettings(system, {.pointerPrecision = 6, .pointerSpeed = 6, .wheelPageScroll = 0, .wheelLines = 3,
                                  .doubleClickLevel = 6});
    EXPECT_THAT(system.pushed, ElementsAre("mouse 0", "speed 10", "wheel 3", "double-click 550"));
    EXPECT_TRUE(debug.lines.empty());
}

// What no page can set (a missing, short or damaged settings file) never
// reaches the system: the user's wheel, speed and double-click stay theirs.
TEST(ApplyPointerSettings, PushesOnlyTheFieldsInTheRangeThePagesAllow)
{
    struct Case {
        PointerChoices choices;
        std::vector<std::string> pushed;
        std::vector<std::wstring> lines;
    };
    const std::wstring kept = L" is out of range; the system's value is kept.\n";
    const Case cases[] = {
        {{}, {},
         {L"pointerPrecision 0" + kept, L"pointerSpeed 0" + kept, L"wheelLines 0" + kept, L"doubleClickLevel 0" + kept}},
        {{.pointerPrecision = 1, .pointerSpeed = 1, .wheelPageScroll = 0, .wheelLines = 1, .doubleClickLevel = 1},
         {"mouse 6", "speed 1", "wheel 1", "double-click 900"}, {}},
        {{.pointerPrecision = 1, .pointerSpeed = 11, .wheelPageScroll = 0, .wheelLines = 100, .doubleClickLevel = 11},
         {"mouse 6", "speed 20", "wheel 100", "double-click 200"}, {}},
        {{.pointerPrecision = 255, .pointerSpeed = 12, .wheelPageScroll = 0, .wheelLines = 101, .doubleClickLevel = 14},
         {"mouse 0"},
         {L"pointerSpeed 12" + kept, L"wheelLines 101" + kept, L"doubleClickLevel 14" + kept}},
        // One screen per notch needs no line count; an unknown wheel mode is not guessed at.
        {{.pointerPrecision = 2, .pointerSpeed = 6, .wheelPageScroll = 1, .wheelLines = 0, .doubleClickLevel = 255},
         {"mouse 0", "speed 10", "wheel 4294967295"}, {L"doubleClickLevel 255" + kept}},
        {{.pointerPrecision = 6, .pointerSpeed = 6, .wheelPageScroll = 2, .wheelLines = 3, .doubleClickLevel = 6},
         {"mouse 0", "speed 10", "double-click 550"}, {L"wheelPageScroll 2" + kept}},
    };
    for (const Case& c : cases) {
        testing::DebugRecorder debug;
        RecordingPointerSettings system;
        ApplyPointerSettings(system, c.choices);
        EXPECT_EQ(system.pushed, c.pushed);
        EXPECT_EQ(debug.lines, c.lines);
    }
}

}  // namespace
}  // namespace norvale
