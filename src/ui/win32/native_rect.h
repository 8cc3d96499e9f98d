#pragma once
#include <windows.h>

#include "ui/geometry.h"

namespace norvale::ui {

inline RECT NativeRect(const Rect& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace norvale::ui
