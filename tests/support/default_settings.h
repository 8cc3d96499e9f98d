#pragma once
#include "settings/settings_record.h"

namespace norvale {

// The factory settings, with the fields the defaults leave alone set to
// values a test can recognise.
inline Settings FactorySettings()
{
    Settings settings{};
    RestoreDefaultSettings(settings);
    settings.liftOffDistance = 3;
    settings.auxColor = {0x0A, 0x14, 0x1E};
    return settings;
}

}  // namespace norvale
