#pragma once
#include "platform/standard_file_system.h"

namespace norvale {

// Standard file reads; writes forced onto the disk (FlushFileBuffers) and
// replaced with MoveFileExW, so a crash or power loss during a save leaves
// either the old file or the new one.
class WindowsFileSystem final : public StandardFileSystem {
public:
    bool Exists(const std::wstring& path) override;
    std::error_code WriteThrough(const std::wstring& path,
                                     std::span<const std::uint8_t> bytes) override;
    std::error_code Replace(const std::wstring& source, const std::wstring& target) override;
};

}  // namespace norvale
