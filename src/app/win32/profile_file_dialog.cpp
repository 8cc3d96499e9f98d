#include "app/win32/profile_file_dialog.h"

#include <commdlg.h>

#include <vector>

namespace norvale {
namespace {

// "Gaming Mouse Profile(*.bin)|*.bin||" in the form the dialog takes.
constexpr wchar_t kFilter[] = L"Gaming Mouse Profile(*.bin)\0*.bin\0\0";
constexpr DWORD kFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_FILEMUSTEXIST;
// A new file must be possible to save to, so the save dialog does not ask
// for an existing one.
constexpr DWORD kSaveFlags = kFlags & ~static_cast<DWORD>(OFN_FILEMUSTEXIST);
constexpr std::size_t kPathLength = 32768;

}  // namespace

std::optional<std::wstring> ChooseProfileFile(HWND owner, ProfileFileDialog kind, const std::wstring& initialPath)
{
    std::vector<wchar_t> path(kPathLength, L'\0');
    initialPath.copy(path.data(), std::min(initialPath.size(), kPathLength - 1));
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFilter;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.Flags = kind == ProfileFileDialog::Open ? kFlags : kSaveFlags;
    const BOOL chosen = kind == ProfileFileDialog::Open ? GetOpenFileNameW(&dialog) : GetSaveFileNameW(&dialog);
    if (!chosen) return std::nullopt;
    return std::wstring(path.data());
}

}  // namespace norvale
