#include "device/hidapi/hidapi_functions.h"

namespace norvale {

HidapiFunctions SystemHidapiFunctions()
{
    return {hid_init,        hid_exit,  hid_enumerate,          hid_free_enumeration,
            hid_open_path,   hid_close, hid_send_feature_report, hid_get_feature_report,
            hid_write,       hid_read_timeout, hid_error};
}

}  // namespace norvale
