#pragma once
#include <string>
#include <vector>

namespace norvale {

// Every skin picture the main window decodes while it builds its skin,
// controls and settings column and paints itself the first time (the top
// view, the sections closed), each name once, so that all of them can be
// decoded ahead.
std::vector<std::wstring> MainWindowStartPictures();

}  // namespace norvale
