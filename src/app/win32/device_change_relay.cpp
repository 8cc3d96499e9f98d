#include "app/win32/device_change_relay.h"

#include <dbt.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "app/hot_plug.h"

namespace norvale {
namespace {

// {4D1E55B2-F16F-11CF-88CB-001111000030}
constexpr GUID kHidInterfaceClass{0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

struct RelayedChange {
    DeviceChange change;
    std::wstring interfaceName;
};

}  // namespace

HDEVNOTIFY RegisterForHidNotifications(HWND window)
{
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kHidInterfaceClass;
    return RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

void RelayBusDeviceChanges(HidBus& bus, HWND window)
{
    bus.WatchDeviceChanges([window](DeviceChange change, const std::wstring& interfaceName) {
        auto relayed = std::make_unique<RelayedChange>(RelayedChange{change, interfaceName});
        if (PostMessageW(window, kRelayedDeviceChange, 0, reinterpret_cast<LPARAM>(relayed.get()))) {
            relayed.release();  // the window's queue owns it now
        }
    });
}

void EndBusDeviceChangeRelay(HidBus& bus)
{
    bus.WatchDeviceChanges(nullptr);
}

LRESULT DeliverRelayedDeviceChange(HWND window, LPARAM posted)
{
    const std::unique_ptr<RelayedChange> relayed(reinterpret_cast<RelayedChange*>(posted));

    // The broadcast ends in the name and its terminator, as the system's does.
    const std::size_t nameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    const std::size_t size = nameOffset + (relayed->interfaceName.size() + 1) * sizeof(wchar_t);
    std::vector<std::uint8_t> storage(std::max(size, sizeof(DEV_BROADCAST_DEVICEINTERFACE_W)));
    auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(storage.data());
    broadcast->dbcc_size = static_cast<DWORD>(size);
    broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    broadcast->dbcc_classguid = kHidInterfaceClass;
    auto* name = reinterpret_cast<wchar_t*>(storage.data() + nameOffset);
    std::copy(relayed->interfaceName.begin(), relayed->interfaceName.end(), name);
    name[relayed->interfaceName.size()] = L'\0';

    const WPARAM event = relayed->change == DeviceChange::Arrival ? kDeviceArrival : kDeviceRemoveComplete;
    return SendMessageW(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(broadcast));
}

}  // namespace norvale
