#pragma once
#include <windows.h>

namespace norvale {

// The client point of a mouse message; signed, since a captured pointer may
// lie left of or above the window.
inline POINT MousePoint(LPARAM lParam)
{
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace norvale
