#pragma once
#include "macro/macro_store_file.h"
#include "settings/settings_files.h"

namespace norvale {

// The rebuild at the end of every settings load: the macro images of the
// settings follow the store, so edits made before a Cancel, or by hand,
// reach the mouse at the next apply. Does nothing without a store file.
void RebuildMacroImages(const MacroStoreFile& store, Settings& settings);

// Makes every LoadSettings of `files` end with the rebuild from its macro store.
void ConnectMacroImageRebuild(SettingsFiles& files, Settings& settings, ProfileFile& profiles,
                              FileSystem& fileSystem);

}  // namespace norvale
