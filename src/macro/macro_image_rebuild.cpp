#include "macro/macro_image_rebuild.h"

#include "macro/macro_image.h"

namespace norvale {

void RebuildMacroImages(const MacroStoreFile& store, Settings& settings)
{
    if (!store.Exists()) return;
    EncodeStoreMacros(store, kMacroImageDelays, settings.macroImages);
}

void ConnectMacroImageRebuild(SettingsFiles& files, Settings& settings, ProfileFile& profiles,
                              FileSystem& fileSystem)
{
    files.rebuildMacroImages = [&files, &settings, &profiles, &fileSystem] {
        RebuildMacroImages(MacroStoreFile(files.macroStorePath(), profiles, fileSystem), settings);
    };
}

}  // namespace norvale
