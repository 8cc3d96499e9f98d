#include "device/device_discovery.h"

#include "device/device_identity.h"
#include "device/hex_text.h"
#include "platform/debug_output.h"

namespace norvale {
namespace {

// What tells the two passes apart: their debug texts, the collection they
// select and how they open and publish it.
struct DiscoveryPass {
    const wchar_t* attributesPrefix;
    const wchar_t* capsPrefix;
    bool (*selects)(const HidCaps& caps);
    bool (*adopt)(HidBus& bus, DeviceLink& link, const HidCaps& caps);
};

bool IsEventCollection(const HidCaps& caps)
{
    return caps.usage == kEventUsage && caps.usagePage == kEventUsagePage &&
           caps.inputReportByteLength != 0;
}

bool IsCommandCollection(const HidCaps& caps)
{
    return caps.usage == kCommandUsage && caps.usagePage == kCommandUsagePage &&
           caps.featureReportByteLength == kCommandFeatureReportLength;
}

bool AdoptEventCollection(HidBus& bus, DeviceLink& link, const HidCaps& caps)
{
    const HidOpenResult opened = bus.Open(link.devicePath, HidAccess::Read, HidOpenMode::Overlapped);
    if (opened.error != HidOpenError::None) return false;
    const HidHandle replaced = link.eventHandle.exchange(opened.handle);
    if (replaced != kInvalidHidHandle) bus.Close(replaced);
    // The length is in place before the signal wakes a listener that uses it.
    link.eventInputReportLength = caps.inputReportByteLength;
    if (link.readEvent) link.readEvent->Set();
    return true;
}

bool AdoptCommandCollection(HidBus& bus, DeviceLink& link, const HidCaps& caps)
{
    const HidOpenResult opened = bus.Open(link.devicePath, HidAccess::ReadWrite, HidOpenMode::Synchronous);
    if (opened.error != HidOpenError::None) return false;
    if (link.commandHandle != kInvalidHidHandle) bus.Close(link.commandHandle);
    link.commandHandle = opened.handle;
    link.commandInputReportLength = caps.inputReportByteLength;
    link.featureReportLength = caps.featureReportByteLength;
    link.devicePresent = 1;
    // A listener woken by the event collection may have looked before the
    // mouse counted as present; wake it again now that it does.
    if (link.readEvent) link.readEvent->Set();
    return true;
}

constexpr DiscoveryPass kEventPass{L"EnumHidVender ", L"", IsEventCollection, AdoptEventCollection};
constexpr DiscoveryPass kCommandPass{L"EnumHidHandle ", L"EnumHidHandle ", IsCommandCollection,
                                     AdoptCommandCollection};

void WriteAttributesLine(const DiscoveryPass& pass, const HidAttributes& attributes)
{
    DebugLine(std::wstring(pass.attributesPrefix) + L"PID:" + HexText(attributes.productId, 4) +
              L",VID:" + HexText(attributes.vendorId, 4) + L",VersionNumber:" +
              HexText(attributes.versionNumber, 4) + L"\n");
}

void WriteCapsLine(const DiscoveryPass& pass, const std::wstring& path, const HidCaps& caps)
{
    DebugLine(std::wstring(pass.capsPrefix) + L"DevicePath:" + path + L",Usage:0x" + HexText(caps.usage, 4) +
              L",UsagePage:0x" + HexText(caps.usagePage, 4) + L",FeatureReportByteLength:0x" +
              HexText(caps.featureReportByteLength, 4) + L",InputReportByteLength:0x" +
              HexText(caps.inputReportByteLength, 1) + L",OutputReportByteLength:0x" +
              HexText(caps.outputReportByteLength, 1) + L"\n");
}

enum class MemberOutcome { Adopted, Skipped, PassFailed };

MemberOutcome ExamineMember(const DiscoveryPass& pass, HidBus& bus, DeviceLink& link)
{
    const HidOpenResult probe = bus.Open(link.devicePath, HidAccess::None, HidOpenMode::Synchronous);
    if (probe.error == HidOpenError::AccessDenied) return MemberOutcome::Skipped;
    if (probe.error != HidOpenError::None) return MemberOutcome::PassFailed;

    HidAttributes attributes;
    bus.GetAttributes(probe.handle, attributes);
    WriteAttributesLine(pass, attributes);
    if (attributes.vendorId != kMouseVendorId || attributes.productId != kMouseProductId) {
        bus.Close(probe.handle);
        return MemberOutcome::Skipped;
    }

    DebugLine(L"Find our hid device.Success\n");
    HidCaps caps;
    const HidCapsQuery query = bus.GetCaps(probe.handle, caps);
    if (query == HidCapsQuery::NoPreparsedData) {
        DebugLine(L"HidD_GetPreparsedData failed.\n");
        bus.Close(probe.handle);
        return MemberOutcome::PassFailed;
    }
    bus.Close(probe.handle);
    if (query == HidCapsQuery::InvalidPreparsedData) {
        DebugLine(L"HidP_GetCaps failed.");
        return MemberOutcome::PassFailed;
    }
    WriteCapsLine(pass, link.devicePath, caps);

    if (!pass.selects(caps)) return MemberOutcome::Skipped;
    return pass.adopt(bus, link, caps) ? MemberOutcome::Adopted : MemberOutcome::PassFailed;
}

int RunPass(const DiscoveryPass& pass, HidBus& bus, DeviceLink& link)
{
    const std::unique_ptr<HidInterfaceSet> interfaces = bus.PresentInterfaces();
    if (!interfaces) return 0;
    for (std::uint32_t member = 0;; ++member) {
        const InterfaceLookup lookup = interfaces->Interface(member, link.devicePath);
        if (lookup == InterfaceLookup::NoMoreItems) {
            DebugLine(L"SetupDiEnumDeviceInterfaces failed.\n");
            return 0;
        }
        if (lookup == InterfaceLookup::DetailFailed) return 0;
        switch (ExamineMember(pass, bus, link)) {
        case MemberOutcome::Adopted: return 1;
        case MemberOutcome::PassFailed: return 0;
        case MemberOutcome::Skipped: break;
        }
    }
}

}  // namespace

int OpenEventInterface(HidBus& bus, DeviceLink& link) { return RunPass(kEventPass, bus, link); }

int OpenCommandInterface(HidBus& bus, DeviceLink& link) { return RunPass(kCommandPass, bus, link); }

bool DiscoverMouse(HidBus& bus, DeviceLink& link)
{
    return OpenEventInterface(bus, link) == 1 && OpenCommandInterface(bus, link) == 1;
}

}  // namespace norvale
