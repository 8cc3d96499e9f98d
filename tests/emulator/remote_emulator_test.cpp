#include <gmock/gmock.h>

#include "device/command_transport.h"
#include "device/device_commands.h"
#include "device/device_discovery.h"
#include "emulator/emulated_hid_bus.h"
#include "emulator/emulated_mouse.h"
#include "emulator/mouse_control_service.h"
#include "emulator/remote_hid_bus.h"
#include "emulator/remote_hid_service.h"
#include "emulator/remote_protocol.h"
#include "device/thread_signal.h"
#include "support/debug_recorder.h"

namespace norvale {
namespace {

using ::testing::ElementsAre;

// The server's service and the client's bus joined without sockets; push
// lines reach the client after each exchange, as the watch channel would
// bring them.
class Loopback final : public RemoteChannel {
public:
    explicit Loopback(RemoteHidService& service) : service_(service) {}

    std::string Exchange(const std::string& request) override
    {
        requests.push_back(request);
        const std::string response = service_.Handle(request);
        pushes = service_.TakePushes();
        return response;
    }

    std::vector<std::string> requests;
    std::vector<std::string> pushes;

private:
    RemoteHidService& service_;
};

class RemoteEmulator : public ::testing::Test {
protected:
    RemoteEmulator()
    {
        bus.Attach(mouse);
        auto channel = std::make_unique<Loopback>(service);
        loopback = channel.get();
        remote = std::make_unique<RemoteHidBus>(std::move(channel));
    }

    // Hands the pushes of the last exchange, and any since, to the client.
    void Pump()
    {
        std::vector<std::string> pushes = loopback->pushes;
        for (const std::string& line : service.TakePushes()) pushes.push_back(line);
        loopback->pushes.clear();
        for (const std::string& line : pushes) remote->Deliver(line);
    }

    VirtualClock clock;
    EmulatedMouse mouse{clock};
    EmulatedHidBus bus;
    RemoteHidService service{bus};
    MouseControlService control{mouse};
    Loopback* loopback = nullptr;
    std::unique_ptr<RemoteHidBus> remote;
    DeviceLink link;
    testing::DebugRecorder debug;
};

TEST_F(RemoteEmulator, DiscoveryAndCommandsWorkAcrossTheChannel)
{
    ASSERT_TRUE(DiscoverMouse(*remote, link));
    EXPECT_EQ(link.featureReportLength, 9);
    EXPECT_EQ(link.eventInputReportLength, 8);
    EXPECT_EQ(bus.OpenHandleCount(), 2u);

    const DeviceContext device{*remote, link, clock};
    mouse.ClearTrace();
    mouse.SetProfileIndex(3);
    EXPECT_EQ(ReadProfileIndex(device), 3);
    DeviceBlock block{};
    block[127] = 0x42;
    WriteMacroBlock(device, 5, block);

    EXPECT_EQ(mouse.MacroBlock(5), block);
    EXPECT_EQ(mouse.Trace().front(), "0 SET_FEATURE 00 82 00 00 00 00 00 00 7D");
    EXPECT_TRUE(mouse.Violations().empty());
}

TEST_F(RemoteEmulator, RequestsAreTheDocumentedLines)
{
    const std::wstring path = WidePath(NarrowPath(mouse.Collections()[1].path));
    const HidHandle handle = remote->Open(path, HidAccess::ReadWrite, HidOpenMode::Synchronous).handle;
    const std::uint8_t report[] = {0x00, 0x02, 0x01, 0, 0, 0, 0, 0, 0xFC};
    EXPECT_TRUE(remote->SetFeature(handle, report, 1000));
    std::vector<std::uint8_t> reply(9);
    mouse.SetFault(MouseFault::NoReply);
    EXPECT_FALSE(remote->GetFeature(handle, reply, 1000));
    EXPECT_EQ(clock.Now(), 1000u);  // the server waited, not the client

    const std::string id = std::to_string(static_cast<std::uintptr_t>(handle));
    EXPECT_THAT(loopback->requests,
                ElementsAre("OPEN readwrite sync " + NarrowPath(path), "SETF " + id + " 1000 0002010000000000FC",
                            "GETF " + id + " 1000 9"));
    EXPECT_EQ(service.Handle("OPEN none sync " + NarrowPath(mouse.Collections()[0].path)), "ERR denied");
    EXPECT_EQ(service.Handle("CAPS " + id), "OK FF00 FF00 0041 0041 0009");
    EXPECT_EQ(service.Handle("SETF " + id + " 1000 0G"), "ERR");
    EXPECT_EQ(service.Handle("FROB"), "ERR");
}

TEST_F(RemoteEmulator, ButtonPressesAndPlugChangesArePushedToTheClient)
{
    ASSERT_TRUE(DiscoverMouse(*remote, link));
    std::vector<std::pair<DeviceChange, std::wstring>> changes;
    remote->WatchDeviceChanges([&](DeviceChange change, const std::wstring& name) { changes.emplace_back(change, name); });

    ThreadSignal done;
    std::vector<std::uint8_t> buffer(link.eventInputReportLength);
    ASSERT_TRUE(remote->StartEventRead(link.eventHandle, buffer, done));
    EXPECT_EQ(control.Handle("press 2 3"), std::vector<std::string>{"OK"});
    Pump();
    EXPECT_TRUE(done.IsSet());
    EXPECT_EQ(remote->FinishEventRead(link.eventHandle), 8u);
    EXPECT_EQ(buffer, (std::vector<std::uint8_t>{0x06, 0x07, 0x02, 0x03, 0, 0, 0, 0}));

    done.Reset();
    ASSERT_TRUE(remote->StartEventRead(link.eventHandle, buffer, done));
    control.Handle("unplug");
    Pump();
    EXPECT_TRUE(done.IsSet());
    EXPECT_EQ(remote->FinishEventRead(link.eventHandle), 0u);
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0].first, DeviceChange::Removal);
    EXPECT_NE(changes[0].second.find(L"VID_04D9&PID_B62E&MI_00"), std::wstring::npos);

    control.Handle("plug");
    Pump();
    ASSERT_EQ(changes.size(), 6u);
    EXPECT_EQ(changes[3].first, DeviceChange::Arrival);
    EXPECT_EQ(changes[4].second, mouse.Collections()[1].path);
}

TEST_F(RemoteEmulator, ALostConnectionEndsAWaitingRead)
{
    ASSERT_TRUE(DiscoverMouse(*remote, link));
    ThreadSignal done;
    std::vector<std::uint8_t> buffer(8);
    ASSERT_TRUE(remote->StartEventRead(link.eventHandle, buffer, done));
    remote->ConnectionLost();
    EXPECT_TRUE(done.IsSet());
    EXPECT_EQ(remote->FinishEventRead(link.eventHandle), 0u);
}

TEST(MouseControl, DrivesTheMouseAndReportsItsTrace)
{
    VirtualClock clock;
    EmulatedMouse mouse(clock);
    MouseControlService control(mouse);
    EmulatedHidBus bus;
    bus.Attach(mouse);
    const HidHandle command =
        bus.Open(mouse.Collections()[1].path, HidAccess::ReadWrite, HidOpenMode::Synchronous).handle;
    const std::uint8_t bad[] = {0x00, 0x02, 0x01, 0, 0, 0, 0, 0, 0x00};
    bus.SetFeature(command, bad, 1000);

    EXPECT_THAT(control.Handle("trace"), ElementsAre("0 SET_FEATURE 00 02 01 00 00 00 00 00 00",
                                                     "0 VIOLATION checksum 00, expected FC", "OK"));
    EXPECT_THAT(control.Handle("violations"), ElementsAre("checksum 00, expected FC", "OK"));
    EXPECT_THAT(control.Handle("clear-trace"), ElementsAre("OK"));
    EXPECT_THAT(control.Handle("trace"), ElementsAre("OK"));
    EXPECT_THAT(control.Handle("unplug"), ElementsAre("OK"));
    EXPECT_FALSE(mouse.IsPlugged());
    EXPECT_THAT(control.Handle("fail sometimes"), ElementsAre("ERR usage: fail none|noreply|short|garbage|disconnect"));
    EXPECT_THAT(control.Handle("press 300 1"), ElementsAre("ERR usage: press <code> <value>"));
    EXPECT_THAT(control.Handle("dance"), ElementsAre("ERR unknown command dance"));
    EXPECT_FALSE(control.QuitRequested());
    control.Handle("quit");
    EXPECT_TRUE(control.QuitRequested());
}

TEST(EmulatorAddress, ComesFromHostAndPortWithTheDefaultForWhatIsMissingOrBroken)
{
    struct Case {
        const char* text;
        const char* host;
        std::uint16_t port;
    };
    const Case cases[] = {
        {"127.0.0.1:47900", "127.0.0.1", 47900},
        {"localhost", "localhost", 47800},
        {"", "127.0.0.1", 47800},
        {"127.0.0.1:99999", "127.0.0.1", 47800},
        {"127.0.0.1:x", "127.0.0.1", 47800},
    };
    for (const Case& c : cases) {
        const EmulatorAddress address = ParseEmulatorAddress(c.text);
        EXPECT_EQ(address.host, c.host) << c.text;
        EXPECT_EQ(address.port, c.port) << c.text;
    }
}

}  // namespace
}  // namespace norvale
