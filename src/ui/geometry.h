#pragma once

namespace norvale::ui {

// Client or screen pixels, as the windows' fixed layouts give them.
struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Left and top inside, right and bottom outside, as Windows rectangles are.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A window of the given size centred on an area, the way dialogs centre
// themselves on their owner or on the work area.
inline Rect CentredIn(const Rect& area, Size size)
{
    const int left = area.left + (area.Width() - size.width) / 2;
    const int top = area.top + (area.Height() - size.height) / 2;
    return {left, top, left + size.width, top + size.height};
}

}  // namespace norvale::ui
