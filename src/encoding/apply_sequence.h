#pragma once
#include <cstddef>
#include <functional>
#include <string>

#include "device/device_link.h"
#include "device/pointer_settings.h"
#include "encoding/device_state_area.h"
#include "settings/settings_files.h"

namespace norvale {

// Everything an apply reads and writes: the mouse, the blocks built for it,
// the settings record and its files.
struct ApplyContext {
    DeviceContext device;
    DeviceStateArea& deviceState;
    SettingsRecord& record;
    SettingsFiles& files;
};

// The main window's part of a save: the captions its function buttons show
// and the language section of the label file they go to.
struct ButtonCaptions {
    std::wstring languageSection;
    ButtonLabels captions;
};

// Hears of each block as it has gone to the mouse ("profile image", "key
// matrix", "macro block 1" ...), with how many of the apply's blocks have
// gone so far; returning false ends the apply there, before anything is saved.
using ApplyProgress = std::function<bool(const std::string& block, std::size_t sent, std::size_t total)>;

// Encodes the live settings into the profile image, the key matrix and the
// twelve macro blocks, sends them to profile 1 of the mouse, then saves the
// settings and the captions. The mouse's answers are not checked, so callers
// call it only while the mouse is present, or watch the exchanges themselves
// and stop the apply through `progress`. True when it ran to the end.
bool EncodeAndApply(const ApplyContext& context, const ButtonCaptions& captions,
                    const ApplyProgress& progress = {});

// The pointer settings as the live settings choose them.
PointerChoices PointerChoicesOf(const Settings& settings);

}  // namespace norvale
