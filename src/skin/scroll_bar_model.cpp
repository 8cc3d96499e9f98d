#include "skin/scroll_bar_model.h"

#include <algorithm>
#include <cstdint>

namespace norvale {
namespace {

// A thumb is never drawn shorter than its two 6-pixel caps.
constexpr int kSmallestThumb = 12;

// Everything between the arrows: where the thumb was and where it is now.
constexpr PartSet kBetweenArrows = PartBit(ScrollPart::PageUp) | PartBit(ScrollPart::Thumb) |
                                   PartBit(ScrollPart::PageDown);

bool IsArrow(ScrollPart part) { return part == ScrollPart::LineUp || part == ScrollPart::LineDown; }

// The track is drawn the same in every state; only arrows show a press.
PartSet ArrowBit(ScrollPart part) { return IsArrow(part) ? PartBit(part) : 0u; }

int Scaled(int value, int numerator, int denominator)
{
    return static_cast<int>(std::int64_t{value} * numerator / denominator);
}

}  // namespace

int ScrollBarModel::LastPosition() const
{
    return std::max(info_.minimum, info_.maximum - std::max(info_.page - 1, 0));
}

ScrollBarGeometry ScrollBarModel::Geometry() const
{
    ScrollBarGeometry geometry;
    const int track = length_ - 2 * thickness_;
    geometry.arrow = track > 0 ? thickness_ : length_ / 2;
    geometry.track = std::max(0, track);
    const int range = Range();
    if (range > 0 && geometry.track >= kSmallestThumb) {
        const int lines = info_.maximum - info_.minimum + 1;
        geometry.thumb = std::max(kSmallestThumb, Scaled(geometry.track, info_.page, lines));
    }
    const int travel = geometry.track - geometry.thumb;
    geometry.thumbOffset = range > 0 ? Scaled(TrackPosition() - info_.minimum, travel, range) : travel / 2;
    return geometry;
}

PartSpan ScrollBarModel::Span(ScrollPart part) const
{
    const ScrollBarGeometry g = Geometry();
    const int thumbBegin = g.arrow + g.thumbOffset;
    const int thumbEnd = thumbBegin + g.thumb;
    switch (part) {
    case ScrollPart::LineUp: return {0, g.arrow};
    case ScrollPart::PageUp: return {g.arrow, thumbBegin};
    case ScrollPart::Thumb: return {thumbBegin, thumbEnd};
    case ScrollPart::PageDown: return {thumbEnd, length_ - g.arrow};
    case ScrollPart::LineDown: return {length_ - g.arrow, length_};
    case ScrollPart::None: break;
    }
    return {};
}

ui::Rect ScrollBarModel::PartRect(ScrollPart part) const
{
    const PartSpan span = Span(part);
    if (vertical_) return {0, span.begin, thickness_, span.end};
    return {span.begin, 0, span.end, thickness_};
}

ScrollPart ScrollBarModel::HitTest(ui::Point point) const
{
    const int along = Along(point);
    for (const ScrollPart part : kScrollParts) {
        const PartSpan span = Span(part);
        if (along >= span.begin && along < span.end) return part;
    }
    return ScrollPart::None;
}

ScrollPart ScrollBarModel::HotPartAt(ui::Point point) const
{
    const ScrollPart part = HitTest(point);
    return IsArrow(part) || part == ScrollPart::Thumb ? part : ScrollPart::None;
}

int ScrollBarModel::Row(ScrollPart part) const
{
    constexpr int kNormal = 0, kHot = 1, kPressed = 2;
    if (part == ScrollPart::Thumb && dragging_) return kPressed;
    if (part == pressed_ && IsArrow(part)) return pointerOutsidePressed_ ? kNormal : kPressed;
    return part == hot_ ? kHot : kNormal;
}

BarUpdate ScrollBarModel::Press(ui::Point point)
{
    const ScrollPart part = HitTest(point);
    if (part == ScrollPart::None) return {};
    if (part == ScrollPart::Thumb) {
        dragging_ = true;
        dragStartAlong_ = Along(point);
        dragStartPosition_ = dragPosition_ = info_.position;
        return {.redraw = PartBit(ScrollPart::Thumb)};
    }
    pressed_ = part;
    pointerOutsidePressed_ = false;
    return {.redraw = ArrowBit(part),
            .timer = RepeatTimer::StartDelay,
            .request = ScrollRequest{static_cast<int>(part), 0}};
}

BarUpdate ScrollBarModel::DelayElapsed() const
{
    return {.timer = pressed_ == ScrollPart::None ? RepeatTimer::Stop : RepeatTimer::StartRepeat};
}

BarUpdate ScrollBarModel::RepeatTick(ui::Point pointer) const
{
    if (pressed_ == ScrollPart::None) return {.timer = RepeatTimer::Stop};
    const ScrollPart under = HitTest(pointer);
    // Paging stops once the thumb has come to the pointer.
    if (!IsArrow(pressed_) && under == ScrollPart::Thumb) return {.timer = RepeatTimer::Stop};
    // Elsewhere the repeat waits for the pointer to come back.
    if (under != pressed_) return {};
    if (pressed_ == ScrollPart::LineUp && info_.position <= info_.minimum) return {.timer = RepeatTimer::Stop};
    if (pressed_ == ScrollPart::LineDown && info_.position >= LastPosition()) return {.timer = RepeatTimer::Stop};
    return {.request = ScrollRequest{static_cast<int>(pressed_), 0}};
}

BarUpdate ScrollBarModel::Move(ui::Point point)
{
    BarUpdate update{.trackLeave = !leaveRequested_};
    leaveRequested_ = true;
    if (dragging_) {
        const ScrollBarGeometry g = Geometry();
        const int travel = g.track - g.thumb;
        const int moved = travel > 0 ? Scaled(Along(point) - dragStartAlong_, Range(), travel) : 0;
        const int position = std::clamp(dragStartPosition_ + moved, info_.minimum, LastPosition());
        if (position != dragPosition_) {
            dragPosition_ = position;
            update.redraw = kBetweenArrows;
            update.request = ScrollRequest{scroll_request::kThumbTrack, position};
        }
        return update;
    }
    if (pressed_ != ScrollPart::None) {
        const bool outside = HitTest(point) != pressed_;
        if (outside != pointerOutsidePressed_) {
            pointerOutsidePressed_ = outside;
            update.redraw = ArrowBit(pressed_);
        }
        return update;
    }
    const ScrollPart hot = HotPartAt(point);
    if (hot != hot_) {
        update.redraw = PartBit(hot_) | PartBit(hot);
        hot_ = hot;
    }
    return update;
}

BarUpdate ScrollBarModel::Release(ui::Point point)
{
    if (dragging_) {
        const bool overThumb = HitTest(point) == ScrollPart::Thumb;
        const int position = dragPosition_;
        dragging_ = false;
        dragPosition_ = -1;
        const PartSet redraw = kBetweenArrows | PartBit(hot_);
        hot_ = overThumb ? ScrollPart::Thumb : ScrollPart::None;
        return {.redraw = redraw, .request = ScrollRequest{scroll_request::kThumbPosition, position}};
    }
    if (pressed_ == ScrollPart::None) return {};
    // The released arrow shows normal until the pointer moves over it again.
    const PartSet redraw = ArrowBit(pressed_) | PartBit(hot_);
    pressed_ = ScrollPart::None;
    pointerOutsidePressed_ = false;
    hot_ = ScrollPart::None;
    return {.redraw = redraw, .timer = RepeatTimer::Stop};
}

BarUpdate ScrollBarModel::Leave()
{
    leaveRequested_ = false;
    const BarUpdate update{.redraw = PartBit(hot_)};
    hot_ = ScrollPart::None;
    return update;
}

}  // namespace norvale
