#pragma once

namespace norvale {

// The main window's title: what it shows, and what a second copy of the
// utility looks for to raise the running one.
inline constexpr wchar_t kMainWindowTitle[] = L"Norvale";

}  // namespace norvale
