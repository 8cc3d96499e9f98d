#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "macro/macro_store_file.h"
#include "settings/settings_record.h"

namespace norvale {

// The device form of one macro: loop count (high byte first) in bytes 0..1,
// then the timed key events as byte pairs from offset 2, zeros after the last.
inline constexpr std::size_t kMacroImageSize = 128;
using MacroImage = std::array<std::uint8_t, kMacroImageSize>;

// A stored loop count outside 1..65535 plays once.
int PlayableLoopCount(int loops);

// How a builder reads the delay after an event: the wait when no delay line
// follows, and the shortest wait it sends.
struct MacroDelayRule {
    int defaultMs;
    int minimumMs;
};
// Every image of the store is built by the same rule, whether the macro
// window's OK or a settings load builds it, so a macro plays alike before
// and after the utility restarts or the mouse comes back.
inline constexpr MacroDelayRule kMacroImageDelays{10, 10};

// The image of the macro section `name`. Events that no longer fit whole
// into the 128 bytes are left out, together with every event after them.
MacroImage EncodeMacroImage(const MacroStoreFile& store, std::wstring_view name, MacroDelayRule rule);

// Encodes the macro at each position the store lists into the image of the
// same position; positions past the twelfth have no image and are skipped.
// Images of positions the store does not list keep their content.
void EncodeStoreMacros(const MacroStoreFile& store, MacroDelayRule rule,
                       std::span<StoredMacroImage, kMacroCount> images);

}  // namespace norvale
