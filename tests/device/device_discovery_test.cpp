#include "device/device_discovery.h"

#include <gmock/gmock.h>

#include "emulator/passive_hid_device.h"
#include "mouse_bench.h"

namespace norvale {
namespace {

using ::testing::ElementsAre;

const std::wstring kPathHead = L"\\\\?\\HID#VID_04D9&PID_B62E&MI_01&";
const std::wstring kPathTail = L"#7&1c3a2f08&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";

class DeviceDiscovery : public MouseBench {};

TEST_F(DeviceDiscovery, EventPassSkipsTheSystemsCollectionAndTheCommandCollectionAndOpensTheEventOne)
{
    const auto readEvent = bus.CreateSignal();
    link.readEvent = readEvent.get();

    EXPECT_EQ(OpenEventInterface(bus, link), 1);

    EXPECT_THAT(debug.lines,
                ElementsAre(L"EnumHidVender PID:b62e,VID:04d9,VersionNumber:0100\n", L"Find our hid device.Success\n",
                            L"DevicePath:" + kPathHead + L"Col01" + kPathTail +
                                L",Usage:0xff00,UsagePage:0xff00,FeatureReportByteLength:0x0009,"
                                L"InputReportByteLength:0x41,OutputReportByteLength:0x41\n",
                            L"EnumHidVender PID:b62e,VID:04d9,VersionNumber:0100\n", L"Find our hid device.Success\n",
                            L"DevicePath:" + kPathHead + L"Col02" + kPathTail +
                                L",Usage:0x0001,UsagePage:0xff01,FeatureReportByteLength:0x0000,"
                                L"InputReportByteLength:0x8,OutputReportByteLength:0x0\n"));
    EXPECT_TRUE(bus.IsOpen(link.eventHandle));
    EXPECT_EQ(link.eventInputReportLength, 8);
    EXPECT_EQ(link.devicePath, kPathHead + L"Col02" + kPathTail);
    EXPECT_EQ(link.devicePresent, 0);
    readEvent->Wait();  // discovery signalled it
    EXPECT_EQ(bus.OpenHandleCount(), 1u);  // every probe was closed
}

TEST_F(DeviceDiscovery, CommandPassOpensTheCommandCollectionAndMarksTheMousePresent)
{
    EXPECT_EQ(OpenCommandInterface(bus, link), 1);

    EXPECT_THAT(debug.lines,
                ElementsAre(L"EnumHidHandle PID:b62e,VID:04d9,VersionNumber:0100\n", L"Find our hid device.Success\n",
                            L"EnumHidHandle DevicePath:" + kPathHead + L"Col01" + kPathTail +
                                L",Usage:0xff00,UsagePage:0xff00,FeatureReportByteLength:0x0009,"
                                L"InputReportByteLength:0x41,OutputReportByteLength:0x41\n"));
    EXPECT_TRUE(bus.IsOpen(link.commandHandle));
    EXPECT_EQ(link.featureReportLength, 9);
    EXPECT_EQ(link.commandInputReportLength, 65);
    EXPECT_EQ(link.devicePresent, 1);
}

TEST_F(DeviceDiscovery, RunningBothPassesAgainReplacesEachHandleAndClosesTheOldOne)
{
    Discover();
    const HidHandle firstCommand = link.commandHandle;
    const HidHandle firstEvent = link.eventHandle;

    ASSERT_TRUE(DiscoverMouse(bus, link));

    EXPECT_NE(link.commandHandle, firstCommand);
    EXPECT_NE(link.eventHandle.load(), firstEvent);
    EXPECT_FALSE(bus.IsOpen(firstCommand));
    EXPECT_FALSE(bus.IsOpen(firstEvent));
    EXPECT_EQ(bus.OpenHandleCount(), 2u);
}

TEST_F(DeviceDiscovery, ClosingTheHandlesLeavesNothingOpen)
{
    Discover();
    CloseDeviceHandles(bus, link);
    EXPECT_EQ(bus.OpenHandleCount(), 0u);
    EXPECT_EQ(link.commandHandle, kInvalidHidHandle);
    EXPECT_EQ(link.eventHandle.load(), kInvalidHidHandle);
}

TEST_F(DeviceDiscovery, AnUnpluggedMouseIsNotDetected)
{
    mouse.Unplug();
    EXPECT_FALSE(DiscoverMouse(bus, link));
    EXPECT_THAT(debug.lines, ElementsAre(L"SetupDiEnumDeviceInterfaces failed.\n"));
    EXPECT_EQ(link.devicePresent, 0);
}

TEST_F(DeviceDiscovery, AMissingInterfaceListFailsThePassSilently)
{
    bus.SetInterfaceListAvailable(false);
    EXPECT_EQ(OpenEventInterface(bus, link), 0);
    EXPECT_TRUE(debug.lines.empty());
}

// Buses that differ from the bench: look-alikes and other devices only.
class DiscoveryAmongOthers : public ::testing::Test {
protected:
    VirtualClock clock;
    EmulatedHidBus bus;
    DeviceLink link;
    testing::DebugRecorder debug;
};

TEST_F(DiscoveryAmongOthers, AMouseOfTheSameVendorWithAnotherProductIsNeverOpened)
{
    EmulatedMouse sibling(clock, {.productId = 0xB62F});
    PassiveHidDevice keyboard({SystemKeyboardCollection()});
    bus.Attach(keyboard);
    bus.Attach(sibling);

    EXPECT_FALSE(DiscoverMouse(bus, link));

    EXPECT_EQ(bus.OpenHandleCount(), 0u);
    EXPECT_TRUE(sibling.Trace().empty());
    EXPECT_EQ(debug.lines.back(), L"SetupDiEnumDeviceInterfaces failed.\n");
}

TEST_F(DiscoveryAmongOthers, TheNorvaleIsFoundBehindALookAlike)
{
    EmulatedMouse sibling(clock, {.productId = 0xB62F, .instance = L"7&aaaa&0"});
    EmulatedMouse norvale(clock);
    bus.Attach(sibling);
    bus.Attach(norvale);

    EXPECT_TRUE(DiscoverMouse(bus, link));
    EXPECT_NE(link.devicePath.find(L"PID_B62E&MI_01&Col01"), std::wstring::npos);
}

TEST_F(DiscoveryAmongOthers, ACommandCollectionWithAnotherFeatureLengthLeavesTheMouseUndetected)
{
    EmulatedMouse eightByteMouse(clock, {.featureReportLength = 8});
    bus.Attach(eightByteMouse);

    EXPECT_EQ(OpenEventInterface(bus, link), 1);
    EXPECT_EQ(OpenCommandInterface(bus, link), 0);

    EXPECT_EQ(link.devicePresent, 0);
    EXPECT_EQ(link.commandHandle, kInvalidHidHandle);
    EXPECT_EQ(debug.lines.back(), L"SetupDiEnumDeviceInterfaces failed.\n");
}

EmulatedCollection MatchingCollection()
{
    return {L"\\\\?\\HID#VID_04D9&PID_B62E&MI_02#x", {0x04D9, 0xB62E, 0x0100}, {0xFF00, 0xFF00, 65, 65, 9}};
}

TEST_F(DiscoveryAmongOthers, ProbeAndCapsFailuresEndThePass)
{
    struct Case {
        const char* name;
        HidOpenError openError;
        HidCapsQuery capsQuery;
        std::vector<std::wstring> lastLines;
    };
    const Case cases[] = {
        {"other open error", HidOpenError::Other, HidCapsQuery::Ok, {}},
        {"no preparsed data", HidOpenError::None, HidCapsQuery::NoPreparsedData,
         {L"Find our hid device.Success\n", L"HidD_GetPreparsedData failed.\n"}},
        {"invalid preparsed data", HidOpenError::None, HidCapsQuery::InvalidPreparsedData,
         {L"Find our hid device.Success\n", L"HidP_GetCaps failed."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EmulatedHidBus caseBus;
        EmulatedCollection broken = MatchingCollection();
        broken.openError = c.openError;
        broken.capsQuery = c.capsQuery;
        PassiveHidDevice lookAlike({broken});
        EmulatedMouse norvale(clock);
        caseBus.Attach(lookAlike);
        caseBus.Attach(norvale);
        debug.lines.clear();

        EXPECT_EQ(OpenCommandInterface(caseBus, link), 0);

        const std::size_t tail = std::min(debug.lines.size(), c.lastLines.size());
        EXPECT_EQ(std::vector<std::wstring>(debug.lines.end() - tail, debug.lines.end()), c.lastLines);
        EXPECT_EQ(caseBus.OpenHandleCount(), 0u);
    }
}

}  // namespace
}  // namespace norvale
