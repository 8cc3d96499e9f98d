#pragma once
#include <hidapi.h>

namespace norvale {

// The hidapi calls the bus makes, as a table so that tests can stand in for
// the library.
struct HidapiFunctions {
    int (*init)();
    int (*exit)();
    hid_device_info* (*enumerate)(unsigned short vendorId, unsigned short productId);
    void (*free_enumeration)(hid_device_info* devices);
    hid_device* (*open_path)(const char* path);
    void (*close)(hid_device* device);
    int (*send_feature_report)(hid_device* device, const unsigned char* data, size_t length);
    int (*get_feature_report)(hid_device* device, unsigned char* data, size_t length);
    int (*write)(hid_device* device, const unsigned char* data, size_t length);
    int (*read_timeout)(hid_device* device, unsigned char* data, size_t length, int milliseconds);
    const wchar_t* (*error)(hid_device* device);
};

// The installed library's functions.
HidapiFunctions SystemHidapiFunctions();

}  // namespace norvale
