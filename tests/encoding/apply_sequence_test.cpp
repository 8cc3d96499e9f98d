#include <gmock/gmock.h>

#include <cstring>

#include "apply_bench.h"
#include "support/default_settings.h"

namespace norvale {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

class ApplySequenceTest : public ApplyBench {
protected:
    ApplySequenceTest() { record.live = FactorySettings(); }
};

TEST_F(ApplySequenceTest, SendsEveryBlockInOrderAndPaced)
{
    record.live.macroImages[0][0] = 0x00;
    record.live.macroImages[0][1] = 0x03;
    record.live.macroImages[11][127] = 0x77;
    record.live.macroImages[11][128] = 0x99;  // spare byte, never sent
    EncodeAndApply(context, captions);

    const std::vector<std::string> trace = mouse.Trace();
    ASSERT_EQ(trace.size(), 45u);
    EXPECT_THAT(mouse.Violations(), IsEmpty());
    EXPECT_EQ(trace[0], "0 SET_FEATURE 00 01 7C 07 00 00 00 00 7B");
    EXPECT_EQ(trace[1], "0 SET_FEATURE 00 02 01 00 00 00 00 00 FC");
    EXPECT_EQ(trace[2], "0 SET_FEATURE 00 03 01 02 00 00 00 00 F9");
    EXPECT_EQ(trace[3], "0 SET_FEATURE 00 0C 01 80 00 00 00 00 72");
    EXPECT_THAT(trace[4], StartsWith("0 WRITE 00 FF FF 01 00"));
    EXPECT_THAT(trace[5], StartsWith("100 WRITE 00 0F 05 0A 0A 19 19 07 03 02 01 64 64"));
    EXPECT_EQ(trace[6], "210 SET_FEATURE 00 0D 01 80 00 00 00 00 71");
    EXPECT_THAT(trace[7], StartsWith("210 WRITE 00 01 00 F0 00 01 00 F1 00"));
    EXPECT_EQ(trace[9], "412 SET_FEATURE 00 0F 01 80 00 00 00 00 6F");
    EXPECT_THAT(trace[10], StartsWith("412 WRITE 00 00 03 00"));
    EXPECT_EQ(trace[42], "3162 SET_FEATURE 00 0F 0C 80 00 00 00 00 64");
    EXPECT_THAT(trace[44], StartsWith("3262 WRITE "));
    EXPECT_EQ(clock.Now(), 3412u);

    EXPECT_EQ(mouse.ProfileImage(1), BuildProfileImage(record.live));
    EXPECT_EQ(mouse.KeyMatrix(1), BuildKeyMatrix(record.live));
    EXPECT_EQ(mouse.MacroBlock(12)->at(127), 0x77);
    EXPECT_EQ(mouse.ReportRate(1), 2);
    EXPECT_EQ(mouse.FunctionOptions(), 7);
}

TEST_F(ApplySequenceTest, AlwaysWritesDeviceProfileOneAndSavesTheFiles)
{
    deviceState.deviceProfileIndex = 4;
    record.live.profileIndex = 3;
    deviceState.profileImageSlots[5].fill(0x55);
    EncodeAndApply(context, captions);

    EXPECT_EQ(deviceState.deviceProfileIndex, 1);
    EXPECT_EQ(record.live.profileIndex, 0);
    EXPECT_EQ(deviceState.profileImageSlots[5], ProfileImage{});
    EXPECT_EQ(deviceState.profileImageSlots[0], *mouse.ProfileImage(1));
    EXPECT_FALSE(mouse.ProfileImage(4));

    const std::vector<std::uint8_t> saved = FileBytes(L"config0.bin");
    ASSERT_EQ(saved.size(), 1805u);
    EXPECT_EQ(saved[0], 0x01);
    EXPECT_EQ(std::memcmp(saved.data() + 1, &record.live, kSettingsSize), 0);
    EXPECT_EQ(profiles.ReadString(folder.File(L"str0.ini"), L"Setting-EN", L"Item7", L""), L"DPI-");
}

TEST_F(ApplySequenceTest, MouseLostMidwayStillSavesTheFiles)
{
    mouse.SetFault(MouseFault::DisconnectMidTransfer);
    EncodeAndApply(context, captions);
    EXPECT_FALSE(mouse.MacroBlock(12));
    EXPECT_EQ(FileBytes(L"config0.bin")[0], 0x01);
}

TEST_F(ApplySequenceTest, ProgressHearsEveryBlockAndCanEndTheApplyBeforeTheSave)
{
    std::vector<std::string> heard;
    const auto listen = [&](const std::string& block, std::size_t sent, std::size_t total) {
        heard.push_back(block + " " + std::to_string(sent) + "/" + std::to_string(total));
        return true;
    };
    EXPECT_TRUE(EncodeAndApply(context, captions, listen));
    ASSERT_EQ(heard.size(), 14u);
    EXPECT_EQ(heard[0], "profile image 1/14");
    EXPECT_EQ(heard[1], "key matrix 2/14");
    EXPECT_EQ(heard[2], "macro block 1 3/14");
    EXPECT_EQ(heard[13], "macro block 12 14/14");

    CreateFile(L"config0.bin", std::string(1805, '\0'));
    std::filesystem::remove(folder.path() / "str0.ini");
    mouse.ClearTrace();
    const auto stopAtKeyMatrix = [](const std::string& block, std::size_t, std::size_t) {
        return block != "key matrix";
    };
    EXPECT_FALSE(EncodeAndApply(context, captions, stopAtKeyMatrix));
    EXPECT_EQ(mouse.Trace().size(), 9u);  // the key matrix's command and chunks were the last
    EXPECT_EQ(FileBytes(L"config0.bin"), std::vector<std::uint8_t>(1805, 0));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "str0.ini"));
}

}  // namespace
}  // namespace norvale
