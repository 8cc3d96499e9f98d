#include "list_command.h"

#include <iomanip>

#include "device/device_identity.h"
#include "device_session.h"
#include "platform/native_path.h"

namespace norvale::tools {
namespace {

std::string_view RoleOf(const HidCaps& caps)
{
    if (caps.usagePage == kCommandUsagePage && caps.usage == kCommandUsage) return "  (commands)";
    if (caps.usagePage == kEventUsagePage && caps.usage == kEventUsage) return "  (events)";
    return "";
}

void PrintCollection(std::ostream& out, const std::wstring& path, const HidCaps& caps)
{
    out << NativePath(path).string() << std::uppercase << std::hex << std::setfill('0') << "  usage page 0x"
        << std::setw(4) << caps.usagePage << ", usage 0x" << std::setw(4) << caps.usage << std::dec
        << std::setfill(' ') << RoleOf(caps) << '\n';
}

// The collection's caps when it belongs to a Norvale; the system's own
// collections, which cannot be opened, are passed over.
std::optional<HidCaps> NorvaleCaps(HidBus& bus, const std::wstring& path)
{
    const HidOpenResult probe = bus.Open(path, HidAccess::None, HidOpenMode::Synchronous);
    if (probe.error != HidOpenError::None) return std::nullopt;
    HidAttributes attributes;
    HidCaps caps;
    const bool norvale = bus.GetAttributes(probe.handle, attributes) && attributes.vendorId == kMouseVendorId &&
                         attributes.productId == kMouseProductId &&
                         bus.GetCaps(probe.handle, caps) == HidCapsQuery::Ok;
    bus.Close(probe.handle);
    if (!norvale) return std::nullopt;
    return caps;
}

}  // namespace

int RunListCommand(Arguments arguments, std::ostream& out, std::ostream& err)
{
    const std::optional<bool> emulated = ParseEmulatedOnly(arguments);
    if (!emulated) return BadUsage(kListCommand, err);
    const ChosenAccess access = ChooseMouseAccess(*emulated, err);
    if (!access.Get()) return kExitMouseFailure;
    HidBus& bus = access.Get()->Bus();
    const std::unique_ptr<HidInterfaceSet> interfaces = bus.PresentInterfaces();
    int listed = 0;
    std::wstring path;
    for (std::uint32_t member = 0; interfaces && interfaces->Interface(member, path) == InterfaceLookup::Found;
         ++member) {
        if (const std::optional<HidCaps> caps = NorvaleCaps(bus, path)) {
            PrintCollection(out, path, *caps);
            ++listed;
        }
    }
    return listed ? kExitSuccess : NoMouseFound(kListCommand.name, err);
}

}  // namespace norvale::tools
