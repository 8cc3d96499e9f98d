#include "device/hidapi/hidapi_hid_bus.h"

#include <gmock/gmock.h>

#include <chrono>
#include <condition_variable>
#include <thread>

#include "device/command_transport.h"
#include "device/device_commands.h"
#include "device/device_discovery.h"
#include "device/event_listener.h"
#include "emulator/emulated_hid_bus.h"
#include "encoding/apply_sequence.h"
#include "hidapi/failure_lines.h"
#include "hidapi/hidapi_stand_in.h"
#include "platform/host_profile_file.h"
#include "platform/standard_file_system.h"
#include "settings/temporary_folder.h"
#include "support/debug_recorder.h"
#include "support/default_settings.h"

namespace norvale {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using std::chrono::steady_clock;

// The emulated mouse behind the stand-in library, in virtual time, and the
// hidapi bus in front of it.
class HidapiBusTest : public ::testing::Test {
protected:
    void Discover() { ASSERT_TRUE(DiscoverMouse(bus, link)); }
    std::vector<std::wstring> Failures() const { return failures.Lines(); }

    testing::DebugRecorder debug;
    VirtualClock clock;
    EmulatedMouse mouse{clock};
    testing::HidapiStandIn standIn{mouse};
    testing::FailureLines failures;
    HidapiHidBus bus{testing::HidapiStandIn::Functions(), failures.Writer()};
    DeviceLink link;
    DeviceContext device{bus, link, clock};
};

TEST_F(HidapiBusTest, DiscoveryOpensBothCollectionsOfTheSharedNodeWithTheLengthsItExpects)
{
    std::vector<std::wstring> names;
    const auto interfaces = bus.PresentInterfaces();
    for (std::wstring name; interfaces->Interface(static_cast<std::uint32_t>(names.size()), name) ==
                            InterfaceLookup::Found;)
        names.push_back(name);
    EXPECT_THAT(names, ElementsAre(L"/dev/hidraw0#0001:0002", L"/dev/hidraw1#ff00:ff00", L"/dev/hidraw1#ff01:0001"));

    Discover();
    EXPECT_EQ(link.devicePath, L"/dev/hidraw1#ff00:ff00");
    EXPECT_EQ(link.featureReportLength, 9);
    EXPECT_EQ(link.commandInputReportLength, 65);
    EXPECT_EQ(link.eventInputReportLength, 65);
    EXPECT_NE(link.commandHandle, link.eventHandle.load());
    // The probes of every collection opened nothing.
    EXPECT_EQ(standIn.OpenDeviceCount(), 2u);
    EXPECT_THAT(Failures(), IsEmpty());
}

struct Exchanges {
    std::vector<std::string> trace;
    DeviceBlock readImage{};
    FirmwareVersion firmware;
};

// An apply of settings with a macro, then the reads the utility makes: what
// reached the mouse, and what the reads gave back.
Exchanges ApplyAndReadBack(HidBus& bus, EmulatedMouse& mouse, Clock& clock)
{
    Exchanges exchanges;
    DeviceLink link;
    EXPECT_TRUE(DiscoverMouse(bus, link));
    mouse.ClearTrace();
    testing::TemporaryFolder folder;
    StandardFileSystem files;
    HostProfileFile profiles;
    SettingsRecord record;
    record.live = FactorySettings();
    record.live.macroImages[0][1] = 0x03;
    SettingsFiles settingsFiles(folder.File(L"Norvale.exe"), record.live, files, profiles);
    DeviceStateArea state;
    const DeviceContext device{bus, link, clock};
    EXPECT_TRUE(EncodeAndApply({device, state, record, settingsFiles}, {L"Setting-EN", {}}));
    ReadProfileImage(device, 1, exchanges.readImage);
    exchanges.firmware = QueryFirmwareVersion(device);
    CloseDeviceHandles(bus, link);
    exchanges.trace = mouse.Trace();
    EXPECT_THAT(mouse.Violations(), IsEmpty());
    return exchanges;
}

TEST_F(HidapiBusTest, ApplyAndReadsExchangeWhatTheEmulatedBusExchanges)
{
    VirtualClock emulatedClock;
    EmulatedMouse emulatedMouse{emulatedClock};
    EmulatedHidBus emulatedBus;
    emulatedBus.Attach(emulatedMouse);
    const Exchanges expected = ApplyAndReadBack(emulatedBus, emulatedMouse, emulatedClock);

    const Exchanges exchanges = ApplyAndReadBack(bus, mouse, clock);

    EXPECT_EQ(exchanges.trace, expected.trace);
    EXPECT_EQ(exchanges.trace.size(), 45u + 6u);
    EXPECT_EQ(exchanges.readImage, *mouse.ProfileImage(1));
    EXPECT_EQ(exchanges.readImage, expected.readImage);
    EXPECT_EQ(exchanges.firmware.major, 0x01);
    EXPECT_EQ(exchanges.firmware.minor, 0x07);
    EXPECT_THAT(Failures(), IsEmpty());
}

TEST_F(HidapiBusTest, SilentMouseFailsEachExchangeWhenItsTimeOutIsUp)
{
    Discover();
    standIn.Hang();
    FeatureReport report = FeatureReportFor({0x80});
    std::array<std::uint8_t, 65> chunk{};
    const struct {
        const char* exchange;
        std::function<bool()> run;
        const wchar_t* line;
    } cases[] = {
        {"set feature", [&] { return bus.SetFeature(link.commandHandle, report, 300); },
         L"HID hid_send_feature_report timed out after 300 ms.\n"},
        {"get feature", [&] { return bus.GetFeature(link.commandHandle, report, 300); },
         L"HID hid_get_feature_report timed out after 300 ms.\n"},
        {"write", [&] { return bus.Write(link.commandHandle, chunk, 300); }, L"HID hid_write timed out after 300 ms.\n"},
        {"read", [&] { return bus.Read(link.commandHandle, chunk, 300) != 0; },
         L"HID hid_read_timeout timed out after 300 ms.\n"},
    };
    for (const auto& [exchange, run, line] : cases) {
        const auto start = steady_clock::now();
        EXPECT_FALSE(run()) << exchange;
        const auto waited = steady_clock::now() - start;
        EXPECT_GE(waited, std::chrono::milliseconds(300)) << exchange;
        EXPECT_LT(waited, std::chrono::milliseconds(1000)) << exchange;
        EXPECT_THAT(Failures(), Contains(line));
    }
}

TEST_F(HidapiBusTest, UnplugDuringApplyFailsTheRestWithTheLibrarysReason)
{
    Discover();
    mouse.ClearTrace();
    mouse.SetFault(MouseFault::DisconnectMidTransfer);
    testing::TemporaryFolder folder;
    StandardFileSystem files;
    HostProfileFile profiles;
    SettingsRecord record;
    SettingsFiles settingsFiles(folder.File(L"Norvale.exe"), record.live, files, profiles);
    DeviceStateArea state;
    EncodeAndApply({device, state, record, settingsFiles}, {L"Setting-EN", {}});

    EXPECT_EQ(mouse.Trace().size(), 5u);  // up to the first chunk of the profile image
    EXPECT_FALSE(mouse.ProfileImage(1));
    EXPECT_THAT(Failures(), ElementsAre(L"HID hid_write failed: No such device.\n",
                                        L"HID hid_send_feature_report failed: No such device.\n"));
}

TEST_F(HidapiBusTest, EventReadsEndWithAReportACancelOrTheMouseGone)
{
    Discover();
    const HidHandle events = link.eventHandle;
    const auto signal = bus.CreateSignal();
    std::vector<std::uint8_t> buffer(link.eventInputReportLength);

    mouse.Press(0x09, 0x03);
    ASSERT_TRUE(bus.StartEventRead(events, buffer, *signal));
    signal->Wait();
    const std::size_t transferred = bus.FinishEventRead(events);
    EXPECT_EQ(transferred, 8u);
    EXPECT_EQ(ParseEventReport(std::span(buffer).first(transferred)), (DeviceEvent{0x09, 0x03}));

    signal->Reset();
    ASSERT_TRUE(bus.StartEventRead(events, buffer, *signal));
    bus.CancelEventRead(events);
    EXPECT_EQ(bus.FinishEventRead(events), 0u);

    signal->Reset();
    ASSERT_TRUE(bus.StartEventRead(events, buffer, *signal));
    mouse.Unplug();
    signal->Wait();
    EXPECT_EQ(bus.FinishEventRead(events), 0u);
    EXPECT_FALSE(bus.StartEventRead(events, buffer, *signal));
    EXPECT_THAT(Failures(),
                ElementsAre(L"HID hid_read_timeout failed: hid_read_timeout: unexpected poll error (device "
                            L"disconnected).\n"));
}

TEST_F(HidapiBusTest, ListenerHearsPressesUntilStopped)
{
    const auto readEvent = bus.CreateSignal();
    link.readEvent = readEvent.get();
    Discover();
    std::mutex mutex;
    std::condition_variable heard;
    std::vector<DeviceEvent> events;
    EventListener listener(bus, link, [&](const DeviceEvent& event) {
        std::lock_guard lock(mutex);
        events.push_back(event);
        heard.notify_all();
    });
    std::thread thread([&] { listener.Run(); });
    mouse.Press(0x01, 0x02);
    mouse.Press(0x09, 0x01);
    {
        std::unique_lock lock(mutex);
        EXPECT_TRUE(heard.wait_for(lock, std::chrono::seconds(5), [&] { return events.size() == 2; }));
    }
    listener.Stop();
    thread.join();
    EXPECT_THAT(events, ElementsAre(DeviceEvent{0x01, 0x02}, DeviceEvent{0x09, 0x01}));
}

TEST_F(HidapiBusTest, OpenOfAMouseGoneSinceTheListingSaysWhy)
{
    const auto interfaces = bus.PresentInterfaces();
    std::wstring command;
    ASSERT_EQ(interfaces->Interface(1, command), InterfaceLookup::Found);
    mouse.Unplug();
    EXPECT_EQ(bus.Open(command, HidAccess::ReadWrite, HidOpenMode::Synchronous).error, HidOpenError::Other);
    EXPECT_EQ(bus.Open(L"/dev/hidraw7#ff00:ff00", HidAccess::None, HidOpenMode::Synchronous).error,
              HidOpenError::Other);
    EXPECT_THAT(Failures(), ElementsAre(L"HID hid_open_path failed: Failed to open a device with path "
                                        L"'/dev/hidraw1': No such file or directory.\n"));
}

TEST(HidapiLibrary, EndsOnceTheBusAndItsDevicesAreGoneAndSaysWhyItCouldNotStart)
{
    testing::DebugRecorder debug;
    VirtualClock clock;
    EmulatedMouse mouse{clock};
    testing::HidapiStandIn standIn{mouse};
    {
        HidapiHidBus bus{testing::HidapiStandIn::Functions()};
        DeviceLink link;
        ASSERT_TRUE(DiscoverMouse(bus, link));
        EXPECT_EQ(standIn.LibraryStarts(), 1);
        EXPECT_EQ(standIn.LibraryEnds(), 0);
    }
    EXPECT_EQ(standIn.OpenDeviceCount(), 0u);
    EXPECT_EQ(standIn.LibraryEnds(), 1);

    standIn.FailInit();
    testing::FailureLines failures;
    HidapiHidBus bus{testing::HidapiStandIn::Functions(), failures.Writer()};
    EXPECT_EQ(bus.PresentInterfaces(), nullptr);
    EXPECT_THAT(failures.Lines(), ElementsAre(L"HID hid_init failed: hidraw is not available.\n"));
}

}  // namespace
}  // namespace norvale
