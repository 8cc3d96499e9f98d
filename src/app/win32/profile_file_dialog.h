#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace norvale {

enum class ProfileFileDialog { Open, Save };

// The system's open or save dialog for a profile's settings file, starting
// from `initialPath`; the chosen full path, or nothing when it is cancelled.
std::optional<std::wstring> ChooseProfileFile(HWND owner, ProfileFileDialog kind, const std::wstring& initialPath);

}  // namespace norvale
