#include "emulator/emulated_mouse.h"

#include <gmock/gmock.h>

#include <thread>

#include "emulator/emulated_hid_bus.h"
#include "device/thread_signal.h"

namespace norvale {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using Bytes = std::vector<std::uint8_t>;

// The mouse driven through raw reports on its bus, without the utility's code.
class EmulatedMouseReports : public ::testing::Test {
protected:
    EmulatedMouseReports()
    {
        bus.Attach(mouse);
        const std::vector<EmulatedCollection> collections = mouse.Collections();
        command = bus.Open(collections[1].path, HidAccess::ReadWrite, HidOpenMode::Synchronous).handle;
        event = bus.Open(collections[2].path, HidAccess::Read, HidOpenMode::Overlapped).handle;
    }

    bool Feature(const Bytes& report) { return bus.SetFeature(command, report, 1000); }
    bool Chunk(std::uint8_t fill)
    {
        Bytes report(65, fill);
        report[0] = 0;
        return bus.Write(command, report, 1000);
    }

    VirtualClock clock;
    EmulatedMouse mouse{clock};
    EmulatedHidBus bus;
    HidHandle command{};
    HidHandle event{};
};

TEST_F(EmulatedMouseReports, ShowsItsSystemCollectionCommandAndEventCollections)
{
    const std::vector<EmulatedCollection> collections = mouse.Collections();
    ASSERT_EQ(collections.size(), 3u);
    EXPECT_EQ(collections[0].openError, HidOpenError::AccessDenied);
    EXPECT_EQ(collections[1].caps.usagePage, 0xFF00);
    EXPECT_EQ(collections[1].caps.featureReportByteLength, 9);
    EXPECT_EQ(collections[1].caps.outputReportByteLength, 65);
    EXPECT_EQ(collections[2].caps.usagePage, 0xFF01);
    EXPECT_EQ(collections[2].caps.usage, 0x0001);
    EXPECT_EQ(collections[2].attributes.productId, 0xB62E);
    EXPECT_EQ(bus.Open(collections[0].path, HidAccess::None, HidOpenMode::Synchronous).error,
              HidOpenError::AccessDenied);
}

TEST_F(EmulatedMouseReports, TracesEveryReportWithItsTimeSinceTheFirst)
{
    clock.Advance(5000);
    Feature({0x00, 0x0C, 0x01, 0x80, 0, 0, 0, 0, 0x72});
    clock.Advance(3);
    Chunk(0xAB);
    Bytes reply(9);
    clock.Advance(100);
    Chunk(0xCD);
    Feature({0x00, 0x80, 0, 0, 0, 0, 0, 0, 0x7F});
    bus.GetFeature(command, reply, 1000);

    const std::vector<std::string> trace = mouse.Trace();
    ASSERT_EQ(trace.size(), 5u);
    EXPECT_EQ(trace[0], "0 SET_FEATURE 00 0C 01 80 00 00 00 00 72");
    std::string chunk = "3 WRITE 00";
    for (int i = 0; i < 64; ++i) chunk += " AB";
    EXPECT_EQ(trace[1], chunk);
    EXPECT_EQ(trace[3], "103 SET_FEATURE 00 80 00 00 00 00 00 00 7F");
    EXPECT_EQ(trace[4], "103 GET_FEATURE 00 80 01 07 00 00 00 00 77");
    EXPECT_EQ(mouse.TraceText().substr(0, trace[0].size() + 1), trace[0] + "\n");
    EXPECT_THAT(mouse.Violations(), IsEmpty());
    ASSERT_TRUE(mouse.ProfileImage(1));
    EXPECT_EQ((*mouse.ProfileImage(1))[0], 0xAB);
    EXPECT_EQ((*mouse.ProfileImage(1))[64], 0xCD);

    mouse.ClearTrace();
    clock.Advance(7);
    Feature({0x00, 0x02, 0x01, 0, 0, 0, 0, 0, 0xFC});
    EXPECT_THAT(mouse.Trace(), ElementsAre("0 SET_FEATURE 00 02 01 00 00 00 00 00 FC"));
}

TEST_F(EmulatedMouseReports, RecordsWhatARealMouseWouldNotForgive)
{
    Feature({0x00, 0x03, 0x01, 0x02, 0, 0, 0, 0, 0xF8});  // checksum off by one
    Feature({0x00, 0x0F, 0x01, 0x40, 0, 0, 0, 0, 0xAF});  // a 64-byte block
    Chunk(0x11);
    clock.Advance(40);
    Chunk(0x22);  // too soon, and no block expects it
    Feature({0x00, 0x0D, 0x01, 0x80, 0, 0, 0, 0, 0x71});
    clock.Advance(100);
    Chunk(0x33);
    Feature({0x00, 0x05, 0x00, 0x00, 0, 0, 0, 0, 0xFA});  // the block was cut short; unknown command

    EXPECT_THAT(mouse.Violations(),
                ElementsAre("checksum F8, expected F9", "block of 64 bytes for command 0F, expected 128",
                            "chunk 40 ms after the previous one, expected at least 100",
                            "chunk without a block command", "block of command 0D cut short after 64 of 128 bytes",
                            "unknown command 05"));
    EXPECT_EQ(mouse.Trace()[1], "0 VIOLATION checksum F8, expected F9");
    EXPECT_EQ(mouse.ReportRate(1), 2);
    EXPECT_EQ(mouse.KeyMatrix(1), std::nullopt);
    ASSERT_TRUE(mouse.MacroBlock(1));
    EXPECT_EQ((*mouse.MacroBlock(1))[63], 0x11);
    EXPECT_EQ((*mouse.MacroBlock(1))[64], 0x00);
}

TEST_F(EmulatedMouseReports, ButtonPressesReachAnEventReadWhetherItWaitsOrNot)
{
    ThreadSignal done;
    Bytes buffer(8);
    mouse.Press(0x02, 0x03);
    ASSERT_TRUE(bus.StartEventRead(event, buffer, done));
    EXPECT_TRUE(done.IsSet());
    EXPECT_EQ(bus.FinishEventRead(event), 8u);
    EXPECT_EQ(buffer, (Bytes{0x06, 0x07, 0x02, 0x03, 0, 0, 0, 0}));

    done.Reset();
    ASSERT_TRUE(bus.StartEventRead(event, buffer, done));
    EXPECT_FALSE(done.IsSet());
    mouse.Press(0x09, 0x02);
    EXPECT_TRUE(done.IsSet());
    EXPECT_EQ(bus.FinishEventRead(event), 8u);
    EXPECT_EQ(buffer[2], 0x09);
}

TEST_F(EmulatedMouseReports, AListenerThreadWaitsForThePressWithoutHoldingTheBus)
{
    ThreadSignal done;
    Bytes buffer(8);
    ASSERT_TRUE(bus.StartEventRead(event, buffer, done));
    std::size_t transferred = 0;
    std::thread listener([&] {
        done.Wait();
        transferred = bus.FinishEventRead(event);
    });
    // Commands keep flowing on this thread while the listener waits.
    EXPECT_TRUE(Feature({0x00, 0x02, 0x01, 0, 0, 0, 0, 0, 0xFC}));
    mouse.Press(0x01, 0x05);
    listener.join();
    EXPECT_EQ(transferred, 8u);
    EXPECT_EQ(buffer[3], 0x05);
}

TEST_F(EmulatedMouseReports, AWaitingEventReadEndsEmptyWhenCancelledClosedOrUnplugged)
{
    Bytes buffer(8);
    struct Case {
        const char* name;
        std::function<void()> end;
    };
    const Case cases[] = {
        {"cancelled", [&] { bus.CancelEventRead(event); }},
        {"unplugged", [&] { mouse.Unplug(); }},
        {"closed", [&] { bus.Close(event); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        mouse.Plug();
        event = bus.Open(mouse.Collections()[2].path, HidAccess::Read, HidOpenMode::Overlapped).handle;
        ThreadSignal done;
        ASSERT_TRUE(bus.StartEventRead(event, buffer, done));
        c.end();
        EXPECT_TRUE(done.IsSet());
        EXPECT_EQ(bus.FinishEventRead(event), 0u);
    }
}

TEST_F(EmulatedMouseReports, PluggingAnnouncesEachCollectionAndLeavesOldHandlesDead)
{
    std::vector<std::pair<DeviceChange, std::wstring>> changes;
    bus.WatchDeviceChanges([&](DeviceChange change, const std::wstring& name) { changes.emplace_back(change, name); });

    mouse.Unplug();
    mouse.Unplug();
    EXPECT_FALSE(Feature({0x00, 0x02, 0x01, 0, 0, 0, 0, 0, 0xFC}));
    mouse.Plug();

    ASSERT_EQ(changes.size(), 6u);
    EXPECT_EQ(changes[0].first, DeviceChange::Removal);
    EXPECT_EQ(changes[5].first, DeviceChange::Arrival);
    EXPECT_NE(changes[5].second.find(L"VID_04D9&PID_B62E"), std::wstring::npos);
    EXPECT_FALSE(Feature({0x00, 0x02, 0x01, 0, 0, 0, 0, 0, 0xFC}));
    EXPECT_THAT(mouse.Trace(), IsEmpty());
    EXPECT_TRUE(bus.IsOpen(command));  // still needs closing, as on the system
}

TEST_F(EmulatedMouseReports, AProbeHandleCannotSendReports)
{
    const HidHandle probe = bus.Open(mouse.Collections()[1].path, HidAccess::None, HidOpenMode::Synchronous).handle;
    EXPECT_FALSE(bus.SetFeature(probe, Bytes{0x00, 0x02, 0x01, 0, 0, 0, 0, 0, 0xFC}, 1000));
    HidAttributes attributes;
    EXPECT_TRUE(bus.GetAttributes(probe, attributes));
    EXPECT_EQ(attributes.vendorId, 0x04D9);
}

}  // namespace
}  // namespace norvale
