#include "platform/native_path.h"

namespace norvale {

std::filesystem::path NativePath(const std::wstring& path)
{
    if constexpr (sizeof(wchar_t) == sizeof(char32_t)) {
        return std::filesystem::path(std::u32string(path.begin(), path.end()));
    } else {
        return std::filesystem::path(path);
    }
}

std::wstring WidePath(const std::filesystem::path& path)
{
    if constexpr (sizeof(wchar_t) == sizeof(char32_t)) {
        const std::u32string text = path.u32string();
        return std::wstring(text.begin(), text.end());
    } else {
        return path.wstring();
    }
}

}  // namespace norvale
