#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace norvale {

// What one read of a profile value sees: a buffer of 1024 characters, so at
// most 1023 characters of any value.
inline constexpr std::size_t kProfileBufferSize = 1024;

// The private-profile (INI) functions of the platform. Every label file, the
// profile list and the macro store are read and written through them only,
// key by key; nothing holds a file open between calls.
class ProfileFile {
public:
    virtual ~ProfileFile() = default;

    // GetPrivateProfileStringW with a buffer of kProfileBufferSize: the value
    // of the first matching key in the first matching section (names compared
    // case-insensitively), trimmed, one pair of matching quotes removed, cut
    // to 1023 characters; fallback when there is no such key or file.
    virtual std::wstring ReadString(const std::wstring& file, std::wstring_view section,
                                    std::wstring_view key, std::wstring_view fallback) = 0;

    // WritePrivateProfileStringW: sets the value, adding the section, the key
    // or a new file as needed. False when the file could not be written.
    virtual bool WriteString(const std::wstring& file, std::wstring_view section,
                             std::wstring_view key, std::wstring_view value) = 0;

    // WritePrivateProfileStringW with a null value.
    virtual bool DeleteKey(const std::wstring& file, std::wstring_view section,
                           std::wstring_view key) = 0;

    // WritePrivateProfileStringW with a null key: the section and all its keys.
    virtual bool DeleteSection(const std::wstring& file, std::wstring_view section) = 0;
};

}  // namespace norvale
