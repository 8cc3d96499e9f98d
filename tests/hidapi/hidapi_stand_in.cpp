#include "hidapi/hidapi_stand_in.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace norvale::testing {
namespace {

HidapiStandIn* current = nullptr;

// The USB interface a collection belongs to, from the "&MI_xx" of its name.
int InterfaceOf(const std::wstring& path)
{
    const std::size_t at = path.find(L"&MI_");
    return at == std::wstring::npos ? 0 : std::stoi(path.substr(at + 4, 2), nullptr, 16);
}

std::string NodeOf(int interfaceNumber) { return "/dev/hidraw" + std::to_string(interfaceNumber); }

bool HasFeatureReports(const HidCaps& caps) { return caps.featureReportByteLength != 0; }
bool HasOutputReports(const HidCaps& caps) { return caps.outputReportByteLength != 0; }

// What the kernel gives a control transfer before it calls the device silent.
constexpr std::uint32_t kControlTimeoutMs = 5000;
constexpr std::size_t kLongestInputReport = 65;

}  // namespace

struct HidapiStandIn::Device {
    int interfaceNumber = 0;
    unsigned connection = 0;
    std::wstring error;
};

HidapiStandIn::HidapiStandIn(EmulatedMouse& mouse) : mouse_(mouse)
{
    current = this;
    mouse_.ConnectTo(this);
}

HidapiStandIn::~HidapiStandIn()
{
    std::unique_lock lock(mutex_);
    ending_ = true;
    changed_.notify_all();
    const bool settled = changed_.wait_for(lock, std::chrono::seconds(5), [this] {
        return callsInFlight_ == 0 && devices_.empty() && libraryStarts_ == libraryEnds_;
    });
    EXPECT_TRUE(settled) << devices_.size() << " devices open, " << libraryStarts_ << " hid_init and "
                         << libraryEnds_ << " hid_exit";
    lock.unlock();
    mouse_.ConnectTo(nullptr);
    current = nullptr;
}

HidapiFunctions HidapiStandIn::Functions()
{
    return {Init, Exit, Enumerate, FreeEnumeration, OpenPath, Close, SendFeatureReport, GetFeatureReport,
            Write, ReadTimeout, Error};
}

void HidapiStandIn::Hang()
{
    std::lock_guard lock(mutex_);
    hanging_ = true;
}

void HidapiStandIn::FailInit()
{
    std::lock_guard lock(mutex_);
    failInit_ = true;
}

std::size_t HidapiStandIn::OpenDeviceCount() const
{
    std::lock_guard lock(mutex_);
    return devices_.size();
}

bool HidapiStandIn::WaitForReads(int count)
{
    std::unique_lock lock(mutex_);
    const int awaited = reads_ + count;
    return changed_.wait_for(lock, std::chrono::seconds(5), [&] { return reads_ >= awaited; });
}

int HidapiStandIn::LibraryStarts() const
{
    std::lock_guard lock(mutex_);
    return libraryStarts_;
}

int HidapiStandIn::LibraryEnds() const
{
    std::lock_guard lock(mutex_);
    return libraryEnds_;
}

void HidapiStandIn::InputReportsWaiting()
{
    std::lock_guard lock(mutex_);
    ++inputGeneration_;
    changed_.notify_all();
}

void HidapiStandIn::Plugged(const std::vector<EmulatedCollection>&) { InputReportsWaiting(); }
void HidapiStandIn::Unplugged(const std::vector<EmulatedCollection>&) { InputReportsWaiting(); }

HidapiStandIn& HidapiStandIn::Current() { return *current; }

// Counts a call for as long as it runs, so that the stand-in outlives it.
class HidapiStandIn::Call {
public:
    explicit Call(HidapiStandIn& standIn) : standIn_(standIn)
    {
        std::lock_guard lock(standIn_.mutex_);
        ++standIn_.callsInFlight_;
    }
    ~Call()
    {
        std::lock_guard lock(standIn_.mutex_);
        --standIn_.callsInFlight_;
        standIn_.changed_.notify_all();
    }
    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;

private:
    HidapiStandIn& standIn_;
};

int HidapiStandIn::Init()
{
    HidapiStandIn& self = Current();
    std::lock_guard lock(self.mutex_);
    if (self.failInit_) {
        self.globalError_ = L"hidraw is not available";
        return -1;
    }
    ++self.libraryStarts_;
    return 0;
}

int HidapiStandIn::Exit()
{
    HidapiStandIn& self = Current();
    std::lock_guard lock(self.mutex_);
    ++self.libraryEnds_;
    self.changed_.notify_all();
    return 0;
}

hid_device_info* HidapiStandIn::Enumerate(unsigned short vendorId, unsigned short productId)
{
    const std::vector<EmulatedCollection> collections = Current().mouse_.Collections();
    hid_device_info* first = nullptr;
    hid_device_info** next = &first;
    for (const EmulatedCollection& collection : collections) {
        if ((vendorId && vendorId != collection.attributes.vendorId) ||
            (productId && productId != collection.attributes.productId))
            continue;
        auto* info = new hid_device_info{};
        info->path = strdup(NodeOf(InterfaceOf(collection.path)).c_str());
        info->vendor_id = collection.attributes.vendorId;
        info->product_id = collection.attributes.productId;
        info->release_number = collection.attributes.versionNumber;
        info->usage_page = collection.caps.usagePage;
        info->usage = collection.caps.usage;
        info->interface_number = InterfaceOf(collection.path);
        info->bus_type = HID_API_BUS_USB;
        *next = info;
        next = &info->next;
    }
    if (!first) Current().globalError_ = L"No HID devices found in the system.";
    return first;
}

void HidapiStandIn::FreeEnumeration(hid_device_info* devices)
{
    while (devices) {
        hid_device_info* const next = devices->next;
        std::free(devices->path);
        delete devices;
        devices = next;
    }
}

hid_device* HidapiStandIn::OpenPath(const char* path)
{
    HidapiStandIn& self = Current();
    const Call call(self);
    for (const EmulatedCollection& collection : self.mouse_.Collections()) {
        if (NodeOf(InterfaceOf(collection.path)) != path) continue;
        auto* device = new Device{InterfaceOf(collection.path), self.mouse_.Connection(), {}};
        std::lock_guard lock(self.mutex_);
        self.devices_.insert(device);
        return reinterpret_cast<hid_device*>(device);
    }
    std::lock_guard lock(self.mutex_);
    const std::string text = std::string("Failed to open a device with path '") + path +
                             "': No such file or directory";
    self.globalError_.assign(text.begin(), text.end());
    return nullptr;
}

void HidapiStandIn::Close(hid_device* device)
{
    HidapiStandIn& self = Current();
    auto* closing = reinterpret_cast<Device*>(device);
    std::lock_guard lock(self.mutex_);
    EXPECT_EQ(self.devices_.erase(closing), 1u) << "hid_close of a device that is not open";
    delete closing;
    self.changed_.notify_all();
}

bool HidapiStandIn::Reach(Device& device, bool (*has)(const HidCaps&), std::size_t& collection)
{
    const std::vector<EmulatedCollection> collections = mouse_.Collections();
    if (collections.empty() || mouse_.Connection() != device.connection) {
        device.error = L"No such device";
        return false;
    }
    for (std::size_t i = 0; i < collections.size(); ++i) {
        if (InterfaceOf(collections[i].path) == device.interfaceNumber && has(collections[i].caps)) {
            collection = i;
            return true;
        }
    }
    device.error = L"Broken pipe";
    return false;
}

bool HidapiStandIn::Hung(Device& device)
{
    std::unique_lock lock(mutex_);
    if (!hanging_) return false;
    changed_.wait(lock, [this] { return ending_; });
    device.error = L"Connection timed out";
    return true;
}

int HidapiStandIn::Send(hid_device* handle, std::span<const std::uint8_t> report, bool (*has)(const HidCaps&),
                        bool (EmulatedMouse::*send)(std::size_t, std::span<const std::uint8_t>))
{
    HidapiStandIn& self = Current();
    const Call call(self);
    Device& device = *reinterpret_cast<Device*>(handle);
    std::size_t collection = 0;
    if (self.Hung(device) || !self.Reach(device, has, collection)) return -1;
    if ((self.mouse_.*send)(collection, report)) return static_cast<int>(report.size());
    device.error = L"Broken pipe";
    return -1;
}

int HidapiStandIn::SendFeatureReport(hid_device* handle, const unsigned char* data, size_t length)
{
    return Send(handle, std::span(data, length), HasFeatureReports, &EmulatedMouse::SetFeature);
}

int HidapiStandIn::GetFeatureReport(hid_device* handle, unsigned char* data, size_t length)
{
    HidapiStandIn& self = Current();
    const Call call(self);
    Device& device = *reinterpret_cast<Device*>(handle);
    std::size_t collection = 0;
    if (self.Hung(device) || !self.Reach(device, HasFeatureReports, collection)) return -1;
    // Byte 0 keeps the report id, and the count includes it.
    if (self.mouse_.GetFeature(collection, std::span(data, length), kControlTimeoutMs))
        return static_cast<int>(length);
    device.error = L"Connection timed out";
    return -1;
}

int HidapiStandIn::Write(hid_device* handle, const unsigned char* data, size_t length)
{
    return Send(handle, std::span(data, length), HasOutputReports, &EmulatedMouse::Write);
}

// Any waiting report of the node: an event report with its id, or a chunk
// of the command collection, whose id 0 hidraw leaves out.
int HidapiStandIn::TakeInputReport(Device& device, unsigned char* data, size_t length)
{
    const std::vector<EmulatedCollection> collections = mouse_.Collections();
    for (std::size_t i = 0; i < collections.size(); ++i) {
        if (InterfaceOf(collections[i].path) != device.interfaceNumber) continue;
        if (const std::optional<std::vector<std::uint8_t>> event = mouse_.TakeEventReport(i)) {
            const std::size_t count = std::min(event->size(), length);
            std::copy_n(event->begin(), count, data);
            return static_cast<int>(count);
        }
        std::vector<std::uint8_t> chunk(kLongestInputReport);
        const std::size_t read = mouse_.Read(i, chunk, 0);
        if (read > 1) {
            const std::size_t count = std::min(read - 1, length);
            std::copy_n(chunk.begin() + 1, count, data);
            return static_cast<int>(count);
        }
    }
    return 0;
}

int HidapiStandIn::ReadTimeout(hid_device* handle, unsigned char* data, size_t length, int milliseconds)
{
    HidapiStandIn& self = Current();
    const Call call(self);
    Device& device = *reinterpret_cast<Device*>(handle);
    {
        std::lock_guard lock(self.mutex_);
        ++self.reads_;
        self.changed_.notify_all();
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(milliseconds, 0));
    for (;;) {
        std::uint64_t generation = 0;
        {
            std::lock_guard lock(self.mutex_);
            generation = self.inputGeneration_;
        }
        std::size_t any = 0;
        if (!self.Reach(device, [](const HidCaps&) { return true; }, any)) {
            device.error = L"hid_read_timeout: unexpected poll error (device disconnected)";
            return -1;
        }
        if (const int count = self.TakeInputReport(device, data, length)) return count;
        std::unique_lock lock(self.mutex_);
        const auto changed = [&] { return self.inputGeneration_ != generation || self.ending_; };
        if (milliseconds < 0)
            self.changed_.wait(lock, changed);
        else if (!self.changed_.wait_until(lock, deadline, changed))
            return 0;
        if (self.ending_) return 0;
    }
}

const wchar_t* HidapiStandIn::Error(hid_device* device)
{
    HidapiStandIn& self = Current();
    if (device) return reinterpret_cast<Device*>(device)->error.c_str();
    std::lock_guard lock(self.mutex_);
    return self.globalError_.c_str();
}

}  // namespace norvale::testing
