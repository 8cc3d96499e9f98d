#include "macro/macro_store_file.h"

#include <algorithm>

#include "settings/decimal_text.h"

namespace norvale {

std::wstring MacroItemKey(int position)
{
    return L"Item" + std::to_wstring(position);
}

MacroStoreFile::MacroStoreFile(std::wstring path, ProfileFile& profiles, FileSystem& files)
    : path_(std::move(path)), profiles_(profiles), files_(files)
{
}

bool MacroStoreFile::Exists() const
{
    return files_.Exists(path_);
}

std::wstring MacroStoreFile::Read(std::wstring_view section, std::wstring_view key) const
{
    return profiles_.ReadString(path_, section, key, L"");
}

int MacroStoreFile::ReadNumber(std::wstring_view section, std::wstring_view key) const
{
    return DecimalValue(Read(section, key));
}

void MacroStoreFile::Write(std::wstring_view section, std::wstring_view key, std::wstring_view value)
{
    profiles_.WriteString(path_, section, key, value);
}

void MacroStoreFile::DeleteSection(std::wstring_view section)
{
    profiles_.DeleteSection(path_, section);
}

std::vector<std::wstring> MacroStoreFile::ReadMacroNames() const
{
    const int count = std::min(ReadNumber(kMacroIndexSection, kMacroCountKey), kMacroStoreCountLimit);
    std::vector<std::wstring> names;
    for (int position = 0; position < count; ++position) {
        names.push_back(Read(kMacroIndexSection, std::to_wstring(position)));
    }
    return names;
}

void MacroStoreFile::WriteIndex(std::span<const std::wstring> names)
{
    DeleteSection(kMacroIndexSection);
    Write(kMacroIndexSection, kMacroCountKey, std::to_wstring(names.size()));
    if (names.empty()) {
        Write(kMacroIndexSection, L"0", L"");
        return;
    }
    for (std::size_t position = 0; position < names.size(); ++position) {
        Write(kMacroIndexSection, std::to_wstring(position), names[position]);
    }
}

void MacroStoreFile::WriteMacro(std::wstring_view name, std::wstring_view delayOption,
                                std::wstring_view loopTimes, std::span<const std::wstring> lines)
{
    DeleteSection(name);
    Write(name, kDelayOptionKey, delayOption);
    Write(name, kLoopTimesKey, loopTimes);
    Write(name, kItemCountKey, std::to_wstring(lines.size()));
    for (std::size_t position = 0; position < lines.size(); ++position) {
        Write(name, MacroItemKey(static_cast<int>(position)), lines[position]);
    }
}

}  // namespace norvale
