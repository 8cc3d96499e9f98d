#pragma once
#include <cstdint>
#include <span>

#include "device/call_failure.h"
#include "device/hid_bus.h"
#include "device/hidapi/hidapi_functions.h"

namespace norvale {

// hidapi does not tell report lengths, so the bus gives each collection of
// the mouse the lengths the device code expects of it: the command
// collection's 9-byte feature and 65-byte output reports, and room for a
// whole input report on both. Other collections show only their usage.
HidCaps HidapiCollectionCaps(std::uint16_t usagePage, std::uint16_t usage);

// Whether the collection's input reports begin with their report id. The
// command collection's do not (the seam shows them with id 0 in front, which
// hidapi leaves out); the event collection's begin with theirs, 06.
bool HasNumberedInputReports(std::uint16_t usagePage, std::uint16_t usage);

// One input report into the seam's buffer, waiting at most `timeoutMs`:
// a report without an id gets the 0 in front. The bytes in `report`, 0 when
// none came in time, -1 when the read failed.
int ReadInputReport(const HidapiFunctions& hidapi, hid_device* device, std::span<std::uint8_t> report,
                    bool numbered, int timeoutMs);

// What hid_error says about the device's last call (the library's own
// last failure for a null device).
CallFailure LibraryFailure(const HidapiFunctions& hidapi, hid_device* device);

}  // namespace norvale
