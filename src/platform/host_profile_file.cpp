#include "platform/host_profile_file.h"

#include <fstream>
#include <iterator>
#include <optional>

#include "platform/ini_document.h"
#include "platform/ini_encoding.h"
#include "platform/native_path.h"

namespace norvale {
namespace {

struct LoadedIni {
    IniDocument document;
    IniEncoding encoding = IniEncoding::Ansi;
};

// A missing file loads as an empty one; nothing when the file exists but
// cannot be read, which no write may then overwrite.
std::optional<LoadedIni> Load(const std::wstring& file)
{
    const std::filesystem::path path = NativePath(file);
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::error_code ignored;
        if (std::filesystem::exists(path, ignored)) return std::nullopt;
        return LoadedIni{};
    }
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    IniText decoded = DecodeIniBytes(bytes);
    return LoadedIni{IniDocument::Parse(decoded.text), decoded.encoding};
}

bool Store(const std::wstring& file, const LoadedIni& ini)
{
    const std::vector<std::uint8_t> bytes = EncodeIniText(ini.document.Render(), ini.encoding);
    std::ofstream out(NativePath(file), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

bool IsQuote(wchar_t character) { return character == L'"' || character == L'\''; }

std::wstring_view TrimTrailingBlanks(std::wstring_view text)
{
    while (!text.empty() && (text.back() == L' ' || text.back() == L'\t')) text.remove_suffix(1);
    return text;
}

}  // namespace

std::wstring HostProfileFile::ReadString(const std::wstring& file, std::wstring_view section,
                                         std::wstring_view key, std::wstring_view fallback)
{
    std::optional<std::wstring> found;
    if (const auto ini = Load(file)) found = ini->document.Find(section, key);
    std::wstring_view value = found ? std::wstring_view(*found) : TrimTrailingBlanks(fallback);
    if (found && value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::wstring(value.substr(0, kProfileBufferSize - 1));
}

bool HostProfileFile::WriteString(const std::wstring& file, std::wstring_view section,
                                  std::wstring_view key, std::wstring_view value)
{
    auto ini = Load(file);
    if (!ini) return false;
    ini->document.Set(section, key, value);
    return Store(file, *ini);
}

bool HostProfileFile::DeleteKey(const std::wstring& file, std::wstring_view section,
                                std::wstring_view key)
{
    auto ini = Load(file);
    if (!ini) return false;
    return !ini->document.EraseKey(section, key) || Store(file, *ini);
}

bool HostProfileFile::DeleteSection(const std::wstring& file, std::wstring_view section)
{
    auto ini = Load(file);
    if (!ini) return false;
    return !ini->document.EraseSection(section) || Store(file, *ini);
}

}  // namespace norvale
