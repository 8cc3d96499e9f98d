#pragma once
#include "platform/profile_file.h"

namespace norvale {

// GetPrivateProfileStringW and WritePrivateProfileStringW.
class WindowsProfileFile final : public ProfileFile {
public:
    std::wstring ReadString(const std::wstring& file, std::wstring_view section,
                            std::wstring_view key, std::wstring_view fallback) override;
    bool WriteString(const std::wstring& file, std::wstring_view section, std::wstring_view key,
                     std::wstring_view value) override;
    bool DeleteKey(const std::wstring& file, std::wstring_view section,
                   std::wstring_view key) override;
    bool DeleteSection(const std::wstring& file, std::wstring_view section) override;
};

}  // namespace norvale
