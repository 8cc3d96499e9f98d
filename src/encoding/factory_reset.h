#pragma once
#include "encoding/apply_sequence.h"

namespace norvale {

// "Reset": the live settings take the factory values (from "config.bin" and
// the defaults), keeping the profile slot and the twelve macro images; with
// the mouse present they are applied, saved and committed, and the pointer
// settings follow. Returns the factory label texts for the button labels.
ButtonLabels RestoreFactorySettings(const ApplyContext& context, const ButtonCaptions& captions,
                                    PointerSettings& pointerSystem);

}  // namespace norvale
