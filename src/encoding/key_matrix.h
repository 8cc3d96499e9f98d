#pragma once
#include <cstdint>
#include <utility>

#include "device/device_commands.h"
#include "settings/button_function_kind.h"
#include "settings/settings_record.h"

namespace norvale {

// The function of one button as the mouse reads it: a little-endian 32-bit
// value whose lowest byte is a type and whose other bytes are parameters.
using ButtonWord = std::uint32_t;

// Byte 0 first, as the word sits in the key matrix.
constexpr ButtonWord ButtonWordOf(std::uint8_t byte0, std::uint8_t byte1, std::uint8_t byte2,
                                  std::uint8_t byte3)
{
    return ButtonWord{byte0} | ButtonWord{byte1} << 8 | ButtonWord{byte2} << 16 | ButtonWord{byte3} << 24;
}

// The 32 button words of a profile (command 0x0D).
using KeyMatrix = DeviceBlock;

struct ButtonWords {
    ButtonWord primary;
    ButtonWord secondary;
};

// The words of button `button` (0..6) from its fields in the settings.
ButtonWords ButtonWordsOf(const Settings& settings, std::size_t button);

// The slot of a button on the mouse: buttons 3 and 4 swap places.
std::size_t ButtonSlot(std::size_t button);

KeyMatrix BuildKeyMatrix(const Settings& settings);

}  // namespace norvale
