#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/profile_file.h"

namespace norvale {

inline constexpr std::wstring_view kMacroIndexSection = L"MacroName";
inline constexpr std::wstring_view kMacroCountKey = L"MacroCount";
inline constexpr std::wstring_view kDelayOptionKey = L"DelayTimeSelStatus";
inline constexpr std::wstring_view kLoopTimesKey = L"MacroLoopTimes";
inline constexpr std::wstring_view kItemCountKey = L"ItemCount";

// Counts beyond this come only from a damaged store; reading that many keys
// one by one would stall the utility, so no reader goes further.
inline constexpr int kMacroStoreCountLimit = 4096;

// "Item%d": the key of line `position` of a macro section.
std::wstring MacroItemKey(int position);

// The macro store "record.ini", key by key through the profile functions;
// it is never held open. Reads of missing keys give empty text.
class MacroStoreFile {
public:
    MacroStoreFile(std::wstring path, ProfileFile& profiles, FileSystem& files);

    bool Exists() const;
    std::wstring Read(std::wstring_view section, std::wstring_view key) const;
    int ReadNumber(std::wstring_view section, std::wstring_view key) const;
    void Write(std::wstring_view section, std::wstring_view key, std::wstring_view value);
    void DeleteSection(std::wstring_view section);

    // The names of the index in list order ("MacroCount" of them).
    std::vector<std::wstring> ReadMacroNames() const;
    // Rewrites the index from the name list; an empty list is written as
    // "MacroCount" = "0" and key "0" = "".
    void WriteIndex(std::span<const std::wstring> names);
    // Replaces the macro's section with these values and lines.
    void WriteMacro(std::wstring_view name, std::wstring_view delayOption, std::wstring_view loopTimes,
                    std::span<const std::wstring> lines);

    const std::wstring& path() const { return path_; }

private:
    std::wstring path_;
    ProfileFile& profiles_;
    FileSystem& files_;
};

}  // namespace norvale
