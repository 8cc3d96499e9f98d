#include "encoding/factory_reset.h"

namespace norvale {

ButtonLabels RestoreFactorySettings(const ApplyContext& context, const ButtonCaptions& captions,
                                    PointerSettings& pointerSystem)
{
    Settings& settings = context.record.live;
    SettingsFiles& files = context.files;
    const std::uint8_t profileIndex = settings.profileIndex;
    const auto macroImages = settings.macroImages;

    files.defaultsRequested = true;
    files.LoadSettings();
    RestoreDefaultSettings(settings);
    const ButtonLabels factoryLabels = files.LoadLabelTexts(captions.languageSection);

    settings.profileIndex = profileIndex;
    settings.macroImages = macroImages;

    if (context.device.link.devicePresent != 0) {
        EncodeAndApply(context, captions);
        files.SaveSettings();
        files.SaveLabelTexts(captions.languageSection, captions.captions);
        CommitSettings(context.record);
        ApplyPointerSettings(pointerSystem, PointerChoicesOf(settings));
    }
    files.defaultsRequested = false;
    // Later saves go to the current profile's files, never to the factory
    // files this reset read from.
    files.UseProfileFiles(files.profileNumber);
    return factoryLabels;
}

}  // namespace norvale
