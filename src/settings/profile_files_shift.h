#pragma once
#include <string>

#include "platform/file_system.h"
#include "platform/profile_file.h"

namespace norvale {

// Deleting the name at deletedPosition from a list of profileCount names
// moves the names behind it up one position; this moves their settings and
// label files' contents with them, so every remaining profile keeps its
// own. The files stay where the installation put them: each numbered file
// that exists gets the content of the next one, and the position freed at
// the end gets the factory settings ("config.bin") and the factory labels,
// so a later New starts from the installation's state. Missing files are
// neither created nor filled.
void ShiftProfileFilesDown(FileSystem& files, ProfileFile& profiles, const std::wstring& executablePath,
                           int deletedPosition, int profileCount);

}  // namespace norvale
