#pragma once
#include "platform/file_system.h"

namespace norvale {

// Files through the standard library. Writes reach the operating system but
// are not forced onto the disk; the Windows build adds that.
class StandardFileSystem : public FileSystem {
public:
    bool Exists(const std::wstring& path) override;
    std::optional<std::vector<std::uint8_t>> Read(const std::wstring& path,
                                                      std::size_t maxBytes) override;
    std::error_code WriteThrough(const std::wstring& path,
                                     std::span<const std::uint8_t> bytes) override;
    std::error_code Replace(const std::wstring& source, const std::wstring& target) override;
    void Remove(const std::wstring& path) override;
};

}  // namespace norvale
