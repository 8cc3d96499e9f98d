#pragma once
#include "platform/profile_file.h"

namespace norvale {

// Our own implementation of the private-profile functions for hosts without
// them (tests, tools). It behaves as the Windows functions do wherever the
// utility depends on them; the INI conformance cases hold it to that.
class HostProfileFile final : public ProfileFile {
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
