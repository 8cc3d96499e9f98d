#include "emulator/passive_hid_device.h"

namespace norvale {

EmulatedCollection SystemKeyboardCollection()
{
    EmulatedCollection keyboard{L"\\\\?\\HID#VID_046D&PID_C31C&MI_00#7&2b11e0a4&0&0000#"
                                L"{4d1e55b2-f16f-11cf-88cb-001111000030}\\KBD",
                                {0x046D, 0xC31C, 0x6400},
                                {0x0006, 0x0001, 9, 2, 0}};
    keyboard.openError = HidOpenError::AccessDenied;
    return keyboard;
}

}  // namespace norvale
