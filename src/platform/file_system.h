#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <system_error>
#include <vector>

namespace norvale {

// The binary files of the utility (settings files, exported profiles), so a
// save either completes or leaves the old file as it was.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // PathFileExistsW.
    virtual bool Exists(const std::wstring& path) = 0;

    // Up to maxBytes from the start of the file; nothing when it cannot be opened.
    virtual std::optional<std::vector<std::uint8_t>> Read(const std::wstring& path,
                                                              std::size_t maxBytes) = 0;

    // Creates or truncates the file and writes all bytes, which are on the
    // disk when it returns without error.
    virtual std::error_code WriteThrough(const std::wstring& path,
                                             std::span<const std::uint8_t> bytes) = 0;

    // Puts source in the place of target in one step, replacing target.
    virtual std::error_code Replace(const std::wstring& source, const std::wstring& target) = 0;

    virtual void Remove(const std::wstring& path) = 0;
};

}  // namespace norvale
