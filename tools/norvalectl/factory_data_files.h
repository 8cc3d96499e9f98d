#pragma once
#include <optional>
#include <string>

#include "platform/file_system.h"
#include "platform/profile_file.h"
#include "settings/settings_record.h"

namespace norvale::tools {

// The settings of a fresh installation: the factory defaults, with the
// values of the mouse's own profile template for the fields that have none.
Settings FactorySettings();

// Writes the complete data files of an installation into the folder,
// replacing any that exist: "config.bin" and config0.bin … config5.bin,
// "str.ini" with one profile "Profile 1", str0.ini … str5.ini in English
// with the factory labels of all four languages, and an empty "record.ini".
// Every INI file is UTF-16LE with the mark, so Chinese labels survive.
// Returns the path of the first file that could not be written.
std::optional<std::wstring> WriteFactoryDataFiles(const std::wstring& folder, FileSystem& files,
                                                  ProfileFile& profiles);

}  // namespace norvale::tools
