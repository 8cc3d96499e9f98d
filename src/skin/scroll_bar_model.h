#pragma once
#include <optional>

#include "ui/geometry.h"

namespace norvale {

// The thumb's scroll requests as the scroll messages carry them in the low
// word of wParam (SB_THUMBPOSITION, SB_THUMBTRACK); the other parts send
// their own numbers (ScrollPart).
namespace scroll_request {
inline constexpr int kThumbPosition = 4;
inline constexpr int kThumbTrack = 5;
}  // namespace scroll_request

// A window's scroll information, as its bar shows it.
struct ScrollInfo {
    int minimum = 0;
    int maximum = 0;
    int page = 0;
    int position = 0;
    friend bool operator==(const ScrollInfo&, const ScrollInfo&) = default;
};

// The parts of a bar from its top (left) end, numbered as the request that
// pressing each one sends (SB_LINEUP ... SB_PAGEDOWN; the thumb's number is
// its tracking request).
enum class ScrollPart { None = -1, LineUp = 0, LineDown = 1, PageUp = 2, PageDown = 3, Thumb = 5 };
inline constexpr ScrollPart kScrollParts[] = {ScrollPart::LineUp, ScrollPart::PageUp, ScrollPart::Thumb,
                                              ScrollPart::PageDown, ScrollPart::LineDown};

// A set of parts to redraw, one bit per part number.
using PartSet = unsigned;
constexpr PartSet PartBit(ScrollPart part)
{
    return part == ScrollPart::None ? 0u : 1u << static_cast<int>(part);
}

// A request with its position (only thumb requests use it).
struct ScrollRequest {
    int code = 0;
    int position = 0;
    friend bool operator==(const ScrollRequest&, const ScrollRequest&) = default;
};

// Pressing a part other than the thumb sends its request at once, again
// after a pause, then at a steady pace while the button is held.
inline constexpr unsigned kRepeatDelayTimerId = 200;
inline constexpr unsigned kRepeatDelayMilliseconds = 500;
inline constexpr unsigned kRepeatTimerId = 100;
inline constexpr unsigned kRepeatMilliseconds = 100;
enum class RepeatTimer { Keep, StartDelay, StartRepeat, Stop };

// What the bar's window does after an input: redraws parts, asks once for a
// notice when the pointer leaves, sets its timers, and sends a request to
// its parent (last, since the parent answers by updating the bar).
struct BarUpdate {
    PartSet redraw = 0;
    bool trackLeave = false;
    RepeatTimer timer = RepeatTimer::Keep;
    std::optional<ScrollRequest> request = std::nullopt;
    friend bool operator==(const BarUpdate&, const BarUpdate&) = default;
};

// Lengths along the bar, in pixels.
struct ScrollBarGeometry {
    int arrow = 0;
    int track = 0;        // between the arrows
    int thumb = 0;        // 0: nothing to scroll, or no room for a thumb
    int thumbOffset = 0;  // from the end of the first arrow
    friend bool operator==(const ScrollBarGeometry&, const ScrollBarGeometry&) = default;
};

// Where a part lies along the bar: begin inside, end outside.
struct PartSpan {
    int begin = 0;
    int end = 0;
    friend bool operator==(const PartSpan&, const PartSpan&) = default;
};

// A skinned scroll bar: its parts as the scroll information places them,
// and what presses, drags, holds and hovering do. The bar only asks for
// scrolling; its information comes back from the scrolled window. Points
// are in the bar's client pixels; only the coordinate along the bar counts.
class ScrollBarModel {
public:
    explicit ScrollBarModel(bool vertical) : vertical_(vertical) {}

    bool Vertical() const { return vertical_; }
    int Thickness() const { return thickness_; }
    void SetThickness(int thickness) { thickness_ = thickness; }
    void SetLength(int length) { length_ = length; }
    const ScrollInfo& Info() const { return info_; }
    void SetInfo(const ScrollInfo& info) { info_ = info; }
    bool Dragging() const { return dragging_; }
    // Where the thumb stands: the drag position while dragging.
    int TrackPosition() const { return dragging_ ? dragPosition_ : info_.position; }

    ScrollBarGeometry Geometry() const;
    PartSpan Span(ScrollPart part) const;
    // The part's rectangle in the bar's client area.
    ui::Rect PartRect(ScrollPart part) const;
    ScrollPart HitTest(ui::Point point) const;
    // The skin row a part shows: 0 normal, 1 hot, 2 pressed.
    int Row(ScrollPart part) const;

    BarUpdate Press(ui::Point point);
    BarUpdate DelayElapsed() const;
    // A tick of the repeat timer, with the pointer where it is now.
    BarUpdate RepeatTick(ui::Point pointer) const;
    BarUpdate Move(ui::Point point);
    BarUpdate Release(ui::Point point);
    BarUpdate Leave();

private:
    int Along(ui::Point point) const { return vertical_ ? point.y : point.x; }
    // Positions beyond the first one; the thumb's travel stands for them.
    int Range() const { return info_.maximum - info_.minimum - info_.page + 1; }
    // The largest position the window takes: its last page ends at the maximum.
    int LastPosition() const;
    ScrollPart HotPartAt(ui::Point point) const;

    bool vertical_;
    int thickness_ = 0;
    int length_ = 0;
    ScrollInfo info_;
    bool dragging_ = false;
    int dragStartAlong_ = 0;
    int dragStartPosition_ = 0;
    int dragPosition_ = -1;
    ScrollPart pressed_ = ScrollPart::None;
    bool pointerOutsidePressed_ = false;
    ScrollPart hot_ = ScrollPart::None;
    bool leaveRequested_ = false;
};

}  // namespace norvale
