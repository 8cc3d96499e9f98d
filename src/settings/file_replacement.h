#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <system_error>

#include "platform/file_system.h"

namespace norvale {

// Gives the file new content as a whole: everything goes into a temporary
// file beside it first, which then takes the file's place, so no crash or
// full disk leaves the file truncated. On failure the old content stays and
// no temporary file is left behind.
std::error_code ReplaceFileContent(FileSystem& files, const std::wstring& path,
                                   std::span<const std::uint8_t> content);

// The debug line of a save that failed with that error.
void ReportSaveFailure(const std::error_code& error);

}  // namespace norvale
