#include "device/command_transport.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <numeric>

#include "mouse_bench.h"

namespace norvale {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

TEST(FeatureReport, CarriesReportIdSevenPacketBytesAndTheirComplementedSum)
{
    struct Case {
        CommandPacket packet;
        FeatureReport report;
    };
    const Case cases[] = {
        {{0x03, 0x01, 0x02, 0, 0, 0, 0, 0}, {0x00, 0x03, 0x01, 0x02, 0, 0, 0, 0, 0xF9}},
        {{0x01, 0x7C, 0x07, 0, 0, 0, 0, 0}, {0x00, 0x01, 0x7C, 0x07, 0, 0, 0, 0, 0x7B}},
        {{0x80, 0x80, 0, 0, 0, 0, 0, 0}, {0x00, 0x80, 0x80, 0, 0, 0, 0, 0, 0xFF}},  // sum 0x100
        {{0xF0, 0x0F, 0, 0, 0, 0, 0, 0}, {0x00, 0xF0, 0x0F, 0, 0, 0, 0, 0, 0x00}},  // sum 0xFF
        {{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0xEE}, {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0xE3}},
    };
    for (const Case& c : cases) EXPECT_EQ(FeatureReportFor(c.packet), c.report);
}

using DeviceBlock = std::array<std::uint8_t, 128>;

class CommandTransport : public MouseBench {
protected:
    void SetUp() override { Discover(); }

    static DeviceBlock Counting()
    {
        DeviceBlock block;
        std::iota(block.begin(), block.end(), 0);
        return block;
    }
};

TEST_F(CommandTransport, AReadCommandCopiesAllEightReplyBytesBackAndLogsTheFirstTwo)
{
    CommandPacket packet{0x80, 0, 0, 0, 0, 0, 0, 0};
    SendCommand(device, packet);

    EXPECT_EQ(packet, (CommandPacket{0x80, 0x01, 0x07, 0, 0, 0, 0, 0x77}));
    EXPECT_THAT(debug.lines, ElementsAre(L"Buffer[1]:80,Buffer[2]:01."));
    EXPECT_THAT(mouse.Trace(), ElementsAre("0 SET_FEATURE 00 80 00 00 00 00 00 00 7F",
                                           "0 GET_FEATURE 00 80 01 07 00 00 00 00 77"));
}

TEST_F(CommandTransport, AWriteCommandSendsTheFeatureReportOnly)
{
    CommandPacket packet{0x03, 0x01, 0x02, 0, 0, 0, 0, 0};
    SendCommand(device, packet);

    EXPECT_THAT(mouse.Trace(), ElementsAre("0 SET_FEATURE 00 03 01 02 00 00 00 00 F9"));
    EXPECT_EQ(packet, (CommandPacket{0x03, 0x01, 0x02, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(debug.lines.empty());
}

TEST_F(CommandTransport, ABlockTravelsInTwoChunksEachFollowedByAHundredMilliseconds)
{
    const DeviceBlock block = Counting();
    CommandPacket packet{0x0F, 0x03, 0x80, 0, 0, 0, 0, 0};
    SendCommandWithData(device, packet, block);

    const std::vector<std::string> trace = mouse.Trace();
    ASSERT_EQ(trace.size(), 3u);
    EXPECT_EQ(trace[0], "0 SET_FEATURE 00 0F 03 80 00 00 00 00 6D");
    EXPECT_THAT(trace[1], StartsWith("0 WRITE 00 00 01 02 03"));
    EXPECT_THAT(trace[2], StartsWith("100 WRITE 00 40 41 42"));
    EXPECT_EQ(trace[2].size(), std::string("100 WRITE").size() + 65 * 3);
    EXPECT_EQ(clock.Now(), 200u);
    EXPECT_EQ(mouse.MacroBlock(3), block);
    EXPECT_TRUE(mouse.Violations().empty());
}

TEST_F(CommandTransport, ChunkCountFollowsTheAnnouncedLength)
{
    const DeviceBlock block = Counting();
    struct Case {
        std::uint8_t length;
        std::size_t writes;
    };
    for (const Case c : {Case{0, 0}, Case{1, 1}, Case{64, 1}, Case{65, 2}, Case{128, 2}}) {
        SCOPED_TRACE(int(c.length));
        mouse.ClearTrace();
        CommandPacket packet{0x0C, 0x01, c.length, 0, 0, 0, 0, 0};
        SendCommandWithData(device, packet, block);
        const std::vector<std::string> trace = mouse.Trace();
        EXPECT_EQ(std::count_if(trace.begin(), trace.end(),
                                [](const std::string& line) { return line.find(" WRITE ") != std::string::npos; }),
                  c.writes);
    }
}

TEST_F(CommandTransport, AChunkBeyondTheCallersBlockIsPaddedWithZeros)
{
    const std::array<std::uint8_t, 65> shortBlock{};
    std::array<std::uint8_t, 65> marked = shortBlock;
    marked[64] = 0xAB;
    CommandPacket packet{0x0D, 0x01, 0x80, 0, 0, 0, 0, 0};
    SendCommandWithData(device, packet, marked);

    const std::vector<std::string> trace = mouse.Trace();
    ASSERT_EQ(trace.size(), 3u);
    std::string zeros;
    for (int i = 0; i < 63; ++i) zeros += " 00";
    EXPECT_EQ(trace[2], "100 WRITE 00 AB" + zeros);
}

TEST_F(CommandTransport, ABulkReadTakesTheAnnouncedBlockInChunks)
{
    const DeviceBlock stored = Counting();
    mouse.SetStoredProfileImage(1, stored);
    DeviceBlock received{};
    CommandPacket packet{0x8C, 0x01, 0, 0, 0, 0, 0, 0};
    SendCommandReadingData(device, packet, received);

    EXPECT_EQ(received, stored);
    EXPECT_EQ(packet[2], 0x80);
    EXPECT_EQ(clock.Now(), 200u);
    const std::vector<std::string> trace = mouse.Trace();
    ASSERT_EQ(trace.size(), 4u);
    EXPECT_THAT(trace[2], StartsWith("0 READ 00 00 01 02"));
    EXPECT_THAT(trace[3], StartsWith("100 READ 00 40 41"));
}

TEST_F(CommandTransport, AnAnnouncedLengthOf255NeverOverrunsTheBuffer)
{
    mouse.SetFault(MouseFault::GarbageReply);
    std::array<std::uint8_t, 128 + 16> guarded{};
    guarded.fill(0xEE);
    CommandPacket packet{0x8C, 0x01, 0, 0, 0, 0, 0, 0};
    SendCommandReadingData(device, packet, std::span(guarded).first(128));

    EXPECT_EQ(packet[2], 0xFF);
    for (std::size_t i = 128; i < guarded.size(); ++i) EXPECT_EQ(guarded[i], 0xEE) << i;
    EXPECT_NE(guarded[0], 0xEE);
    EXPECT_EQ(clock.Now(), 200u);  // two chunks, not four
}

TEST_F(CommandTransport, AMouseThatNeverAnswersCostsOneTimeOutAndReadsAsZeros)
{
    mouse.SetFault(MouseFault::NoReply);
    CommandPacket packet{0x82, 0, 0, 0, 0, 0, 0, 0};
    SendCommand(device, packet);

    EXPECT_EQ(packet, CommandPacket{});
    EXPECT_EQ(clock.Now(), 1000u);
    EXPECT_THAT(debug.lines, ElementsAre(L"Buffer[1]:00,Buffer[2]:00."));

    DeviceBlock received{};
    CommandPacket read{0x8C, 0x01, 0, 0, 0, 0, 0, 0};
    SendCommandReadingData(device, read, received);
    EXPECT_EQ(received, DeviceBlock{});
    EXPECT_EQ(clock.Now(), 2000u);
}

TEST_F(CommandTransport, AShortBlockCostsOneTimeOutForTheMissingChunk)
{
    mouse.SetStoredProfileImage(1, Counting());
    mouse.SetFault(MouseFault::ShortReply);
    DeviceBlock received{};
    CommandPacket packet{0x8C, 0x01, 0, 0, 0, 0, 0, 0};
    SendCommandReadingData(device, packet, received);

    EXPECT_EQ(packet, (CommandPacket{0x8C, 0x01, 0x80, 0, 0, 0, 0, 0}));
    for (std::size_t i = 0; i < 64; ++i) EXPECT_EQ(received[i], i);
    for (std::size_t i = 64; i < 128; ++i) EXPECT_EQ(received[i], 0);
    EXPECT_EQ(clock.Now(), 100u + 1000u + 100u);
}

TEST_F(CommandTransport, AMouseUnpluggedInTheMiddleOfABlockEndsTheTransferWithoutWaiting)
{
    mouse.SetFault(MouseFault::DisconnectMidTransfer);
    const DeviceBlock block = Counting();
    CommandPacket packet{0x0C, 0x01, 0x80, 0, 0, 0, 0, 0};
    SendCommandWithData(device, packet, block);

    EXPECT_FALSE(mouse.IsPlugged());
    EXPECT_EQ(mouse.Trace().size(), 2u);  // the second chunk never reached it
    EXPECT_EQ(mouse.ProfileImage(1), std::nullopt);
    EXPECT_EQ(clock.Now(), 200u);

    CommandPacket after{0x82, 0, 0, 0, 0, 0, 0, 0};
    SendCommand(device, after);
    EXPECT_EQ(after, CommandPacket{});
    EXPECT_EQ(clock.Now(), 200u);
}

TEST_F(CommandTransport, WithoutAnOpenCommandCollectionAReadYieldsZerosAtOnce)
{
    DeviceLink absent;
    const DeviceContext nowhere{bus, absent, clock};
    CommandPacket packet{0x80, 0, 0, 0, 0, 0, 0, 0};
    SendCommand(nowhere, packet);
    EXPECT_EQ(packet, CommandPacket{});
    EXPECT_EQ(clock.Now(), 0u);
    EXPECT_TRUE(mouse.Trace().empty());
}

}  // namespace
}  // namespace norvale
