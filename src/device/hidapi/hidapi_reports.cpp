#include "device/hidapi/hidapi_reports.h"

#include "device/device_identity.h"

namespace norvale {
namespace {

constexpr std::uint16_t kReportWithIdLength = 65;

bool IsCommandCollection(std::uint16_t usagePage, std::uint16_t usage)
{
    return usagePage == kCommandUsagePage && usage == kCommandUsage;
}

bool IsEventCollection(std::uint16_t usagePage, std::uint16_t usage)
{
    return usagePage == kEventUsagePage && usage == kEventUsage;
}

}  // namespace

HidCaps HidapiCollectionCaps(std::uint16_t usagePage, std::uint16_t usage)
{
    HidCaps caps{usage, usagePage, 0, 0, 0};
    if (IsCommandCollection(usagePage, usage)) {
        caps.inputReportByteLength = kReportWithIdLength;
        caps.outputReportByteLength = kReportWithIdLength;
        caps.featureReportByteLength = kCommandFeatureReportLength;
    } else if (IsEventCollection(usagePage, usage)) {
        caps.inputReportByteLength = kReportWithIdLength;
    }
    return caps;
}

bool HasNumberedInputReports(std::uint16_t usagePage, std::uint16_t usage)
{
    return IsEventCollection(usagePage, usage);
}

int ReadInputReport(const HidapiFunctions& hidapi, hid_device* device, std::span<std::uint8_t> report,
                    bool numbered, int timeoutMs)
{
    if (report.empty()) return 0;
    if (numbered) return hidapi.read_timeout(device, report.data(), report.size(), timeoutMs);
    const int count = hidapi.read_timeout(device, report.data() + 1, report.size() - 1, timeoutMs);
    if (count <= 0) return count;
    report[0] = 0;
    return count + 1;
}

CallFailure LibraryFailure(const HidapiFunctions& hidapi, hid_device* device)
{
    const wchar_t* text = hidapi.error(device);
    return {CallFailure::Kind::Library, 0, text && *text ? text : L"no reason given"};
}

}  // namespace norvale
