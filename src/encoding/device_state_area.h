#pragma once
#include <array>
#include <cstdint>

#include "encoding/key_matrix.h"
#include "encoding/profile_image.h"

namespace norvale {

inline constexpr std::size_t kProfileImageSlotCount = 6;

// The blocks as they were last built for, or read from, the mouse. Cleared
// when the mouse is detected; every apply rebuilds them from scratch.
struct DeviceStateArea {
    // The profile the mouse uses: byte 1 of the profile commands.
    std::uint8_t deviceProfileIndex = 0;
    // Apply builds slot 0; ReadProfileImage fills it.
    std::array<ProfileImage, kProfileImageSlotCount> profileImageSlots{};
    KeyMatrix keyMatrix{};
    // Macro block k + 1 as sent.
    std::array<DeviceBlock, kMacroCount> macroStaging{};
};

// The one area of the process, next to the settings record.
DeviceStateArea& TheDeviceStateArea();

}  // namespace norvale
