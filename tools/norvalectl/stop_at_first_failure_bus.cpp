#include "stop_at_first_failure_bus.h"

namespace norvale::tools {

bool StopAtFirstFailureBus::SetFeature(HidHandle handle, std::span<const std::uint8_t> report,
                                       std::uint32_t timeoutMs)
{
    return !failed_ && Noted(bus_.SetFeature(handle, report, timeoutMs));
}

bool StopAtFirstFailureBus::GetFeature(HidHandle handle, std::span<std::uint8_t> report, std::uint32_t timeoutMs)
{
    return !failed_ && Noted(bus_.GetFeature(handle, report, timeoutMs));
}

bool StopAtFirstFailureBus::Write(HidHandle handle, std::span<const std::uint8_t> report, std::uint32_t timeoutMs)
{
    return !failed_ && Noted(bus_.Write(handle, report, timeoutMs));
}

std::size_t StopAtFirstFailureBus::Read(HidHandle handle, std::span<std::uint8_t> report, std::uint32_t timeoutMs)
{
    return failed_ ? 0 : Noted(bus_.Read(handle, report, timeoutMs));
}

}  // namespace norvale::tools
