#pragma once
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "device/hidapi/hidapi_functions.h"
#include "emulator/emulated_mouse.h"

namespace norvale::testing {

// hidapi as its hidraw backend behaves, in front of one emulated mouse: one
// entry per top-level collection, the collections of a USB interface sharing
// the interface's node; feature reports and writes take the report id in
// byte 0 and hid_get_feature_report counts it; reads give a report without an
// id as its data only and a numbered one with its id; calls on a node of an
// unplugged mouse fail, and hid_error tells why. One stand-in at a time: the
// function table reaches it through a static.
class HidapiStandIn final : private EmulatedBusPort {
public:
    explicit HidapiStandIn(EmulatedMouse& mouse);
    // Waits for calls and devices left behind by a bus to end.
    ~HidapiStandIn() override;
    HidapiStandIn(const HidapiStandIn&) = delete;
    HidapiStandIn& operator=(const HidapiStandIn&) = delete;

    static HidapiFunctions Functions();

    // From now on feature reports and writes never return, as on a mouse
    // that stopped answering, until the stand-in goes; reads time out.
    void Hang();
    void FailInit();

    std::size_t OpenDeviceCount() const;
    // Waits until `count` more reads of an input report have begun; false
    // after five seconds.
    bool WaitForReads(int count);
    // hid_init calls that succeeded, and hid_exit calls.
    int LibraryStarts() const;
    int LibraryEnds() const;

private:
    struct Device;
    class Call;

    void InputReportsWaiting() override;
    void Plugged(const std::vector<EmulatedCollection>& collections) override;
    void Unplugged(const std::vector<EmulatedCollection>& collections) override;

    static HidapiStandIn& Current();
    static int Init();
    static int Exit();
    static hid_device_info* Enumerate(unsigned short vendorId, unsigned short productId);
    static void FreeEnumeration(hid_device_info* devices);
    static hid_device* OpenPath(const char* path);
    static void Close(hid_device* device);
    static int SendFeatureReport(hid_device* device, const unsigned char* data, size_t length);
    static int GetFeatureReport(hid_device* device, unsigned char* data, size_t length);
    static int Write(hid_device* device, const unsigned char* data, size_t length);
    static int ReadTimeout(hid_device* device, unsigned char* data, size_t length, int milliseconds);
    static const wchar_t* Error(hid_device* device);
    // A feature report or a write to the node's collection that takes it.
    static int Send(hid_device* device, std::span<const std::uint8_t> report, bool (*has)(const HidCaps&),
                    bool (EmulatedMouse::*send)(std::size_t, std::span<const std::uint8_t>));

    // The mouse's collection on the device's node that has reports of that
    // kind; false, with the error set, when the mouse has gone since the open.
    bool Reach(Device& device, bool (*has)(const HidCaps&), std::size_t& collection);
    // Blocks while the stand-in hangs; true when it did.
    bool Hung(Device& device);
    int TakeInputReport(Device& device, unsigned char* data, size_t length);

    EmulatedMouse& mouse_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::set<Device*> devices_;
    std::wstring globalError_;
    bool hanging_ = false;
    bool ending_ = false;
    bool failInit_ = false;
    int libraryStarts_ = 0;
    int libraryEnds_ = 0;
    int callsInFlight_ = 0;
    std::uint64_t inputGeneration_ = 0;
    int reads_ = 0;
};

}  // namespace norvale::testing
