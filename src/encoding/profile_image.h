#pragma once
#include "device/device_commands.h"
#include "settings/settings_record.h"

namespace norvale {

// The 128 bytes of one profile as the mouse stores it (command 0x0C).
using ProfileImage = DeviceBlock;

// The bytes the settings never change, and the factory values of the rest.
extern const ProfileImage kProfileImageTemplate;

// The template with every byte that names a setting overwritten.
ProfileImage BuildProfileImage(const Settings& settings);

}  // namespace norvale
