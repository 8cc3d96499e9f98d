#include "device/device_commands.h"

#include <gmock/gmock.h>

#include <functional>

#include "mouse_bench.h"

namespace norvale {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

class DeviceCommands : public MouseBench {
protected:
    void SetUp() override { Discover(); }
};

TEST_F(DeviceCommands, EachCommandSendsItsBytesAndPausesAfterwards)
{
    DeviceBlock block{};
    block[0] = 0x5A;
    struct Case {
        const char* name;
        std::function<void()> send;
        const char* featureLine;
        std::uint32_t duration;
    };
    const Case cases[] = {
        {"options", [&] { SetFunctionOption(device, 0x07); }, "0 SET_FEATURE 00 01 7C 07 00 00 00 00 7B", 0},
        {"preamble", [&] { SendApplyPreamble(device); }, "0 SET_FEATURE 00 02 01 00 00 00 00 00 FC", 0},
        {"report rate", [&] { SetReportRate(device, 1, 2); }, "0 SET_FEATURE 00 03 01 02 00 00 00 00 F9", 0},
        {"profile image", [&] { WriteProfileImage(device, 1, block); }, "0 SET_FEATURE 00 0C 01 80 00 00 00 00 72",
         210},
        {"key matrix", [&] { WriteKeyMatrix(device, 1, block); }, "0 SET_FEATURE 00 0D 01 80 00 00 00 00 71", 202},
        {"macro block", [&] { WriteMacroBlock(device, 12, block); }, "0 SET_FEATURE 00 0F 0C 80 00 00 00 00 64",
         250},
        {"profile index", [&] { ReadProfileIndex(device); }, "0 SET_FEATURE 00 82 00 00 00 00 00 00 7D", 0},
        {"firmware", [&] { ReadFirmwareVersion(device); }, "0 SET_FEATURE 00 80 00 00 00 00 00 00 7F", 0},
        {"profile image read", [&] { ReadProfileImage(device, 1, block); },
         "0 SET_FEATURE 00 8C 01 00 00 00 00 00 72", 210},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        mouse.ClearTrace();
        const std::uint64_t start = clock.Now();
        c.send();
        ASSERT_FALSE(mouse.Trace().empty());
        EXPECT_EQ(mouse.Trace().front(), c.featureLine);
        EXPECT_EQ(clock.Now() - start, c.duration);
    }
    EXPECT_TRUE(mouse.Violations().empty());
    EXPECT_EQ(mouse.FunctionOptions(), 0x07);
    EXPECT_EQ(mouse.PreamblesReceived(), 1);
    EXPECT_EQ(mouse.ReportRate(1), 2);
    EXPECT_EQ(mouse.KeyMatrix(1), block);
}

TEST_F(DeviceCommands, OptionBitsAreLeftRightAndMiddleFromBitZero)
{
    EXPECT_EQ(FunctionOptionBits(1, 1, 1), 0x07);
    EXPECT_EQ(FunctionOptionBits(1, 0, 0), 0x01);
    EXPECT_EQ(FunctionOptionBits(0, 1, 0), 0x02);
    EXPECT_EQ(FunctionOptionBits(0, 0, 1), 0x04);
    EXPECT_EQ(FunctionOptionBits(0, 0, 0), 0x00);
}

TEST_F(DeviceCommands, DebugLinesOfTheFirmwareAndOptionCommands)
{
    ReadFirmwareVersion(device);
    SetFunctionOption(device, 0x05);
    EXPECT_THAT(debug.lines,
                ElementsAre(L"Buffer[1]:80,Buffer[2]:01.", L"FW version:01-07\n", L"SetFunctionOption:7c-05\n"));
}

TEST_F(DeviceCommands, WithoutTheMouseTheFirmwareReadsAsZeros)
{
    DeviceLink absent;
    ReadFirmwareVersion({bus, absent, clock});
    EXPECT_EQ(debug.lines.back(), L"FW version:00-00\n");
}

TEST_F(DeviceCommands, ProfileIndexComesFromTheReply)
{
    mouse.SetProfileIndex(4);
    EXPECT_EQ(ReadProfileIndex(device), 4);
    mouse.SetFault(MouseFault::NoReply);
    EXPECT_EQ(ReadProfileIndex(device), 0);
}

TEST_F(DeviceCommands, TheProfileImageReplacesTheSlotAsFarAsTheMouseAnnounces)
{
    StoredBlock stored;
    stored.fill(0x33);
    mouse.SetStoredProfileImage(2, stored);
    DeviceBlock slot;
    slot.fill(0x99);

    ReadProfileImage(device, 2, slot);
    EXPECT_EQ(slot, stored);

    mouse.SetFault(MouseFault::GarbageReply);
    ReadProfileImage(device, 2, slot);
    EXPECT_NE(slot, stored);  // noise, but never past the slot
}

TEST_F(DeviceCommands, AnUnansweredProfileImageReadLeavesTheSlotAlone)
{
    mouse.SetFault(MouseFault::NoReply);
    DeviceBlock slot;
    slot.fill(0x99);
    ReadProfileImage(device, 1, slot);
    DeviceBlock untouched;
    untouched.fill(0x99);
    EXPECT_EQ(slot, untouched);
    EXPECT_EQ(clock.Now(), 1000u + 10u);
}

}  // namespace
}  // namespace norvale
