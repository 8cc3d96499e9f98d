#include "skin/skin_path.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace norvale {
namespace {

namespace fs = std::filesystem;

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

wchar_t FoldAsciiCase(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool SameNameIgnoringCase(std::wstring_view a, std::wstring_view b)
{
    return std::ranges::equal(a, b, [](wchar_t x, wchar_t y) { return FoldAsciiCase(x) == FoldAsciiCase(y); });
}

// Separators become the platform's own and runs of them collapse, except the
// two that open a network path.
std::wstring NormaliseSeparators(std::wstring_view path)
{
    const wchar_t separator = static_cast<wchar_t>(fs::path::preferred_separator);
    std::wstring result;
    result.reserve(path.size());
    const bool network = path.size() > 2 && IsSeparator(path[0]) && IsSeparator(path[1]) && !IsSeparator(path[2]);
    if (network) result.push_back(separator);
    for (wchar_t c : path) {
        if (!IsSeparator(c)) {
            result.push_back(c);
        } else if (result.empty() || result.back() != separator || (network && result.size() == 1)) {
            result.push_back(separator);
        }
    }
    return result;
}

// The entry of folder whose name equals name apart from letter case.
fs::path FindIgnoringCase(const fs::path& folder, const fs::path& name)
{
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path candidate = it->path().filename();
        if (SameNameIgnoringCase(candidate.wstring(), name.wstring())) return candidate;
    }
    return name;
}

}  // namespace

std::wstring DirectoryOfExecutable(std::wstring_view executablePath)
{
    const auto lastSeparator = std::find_if(executablePath.rbegin(), executablePath.rend(), IsSeparator);
    if (lastSeparator != executablePath.rend()) {
        return std::wstring(executablePath.begin(), lastSeparator.base());
    }
    // A bare drive-relative name such as "C:Norvale.exe" keeps its drive.
    const auto colon = executablePath.find(L':');
    return colon == std::wstring_view::npos ? std::wstring() : std::wstring(executablePath.substr(0, colon + 1));
}

std::wstring JoinSkinPath(std::wstring_view moduleDirectory, std::wstring_view relativeName)
{
    std::wstring joined(moduleDirectory);
    joined += relativeName;
    return joined;
}

std::wstring ResolveSkinPath(std::wstring_view joinedPath)
{
    const fs::path normalised(NormaliseSeparators(joinedPath));
    fs::path resolved = normalised.root_path();
    bool found = true;
    for (const fs::path& part : normalised.relative_path()) {
        std::error_code error;
        if (found && !fs::exists(resolved / part, error)) {
            const fs::path match = FindIgnoringCase(resolved.empty() ? fs::path(L".") : resolved, part);
            found = match != part;
            resolved /= match;
        } else {
            resolved /= part;
        }
    }
    return resolved.wstring();
}

}  // namespace norvale
