#include "skin/slider_marker_model.h"

#include <algorithm>
#include <cstdint>

namespace norvale {

void SliderMarkerModel::SetValue(int value)
{
    value_ = (value >= minimum_ && value <= maximum_) ? value : minimum_;
}

void SliderMarkerModel::SetRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    SetValue(value_);
}

int SliderMarkerModel::FillLength() const
{
    const int length = axis_ == MarkerAxis::Horizontal ? rect_.Width() : rect_.Height();
    // The track is scaled to one step less than the range; a range of one
    // step or none would divide by zero, so it fills by the whole range.
    const int divisor = std::max(maximum_ - minimum_ - 1, 1);
    return length * (value_ - minimum_) / divisor;
}

ui::Rect SliderMarkerModel::FilledArea() const
{
    const int width = rect_.Width();
    const int height = rect_.Height();
    if (axis_ == MarkerAxis::Horizontal) return {0, 0, std::min(FillLength(), width), height};
    return {0, height - std::min(FillLength(), height), width, height};
}

std::optional<MarkerPost> SliderMarkerModel::Move(ui::Point pointer)
{
    if (!dragging_) return std::nullopt;
    value_ = ValueAt(pointer);
    const std::uint32_t message = axis_ == MarkerAxis::Horizontal ? WM_MARKER_TRACKING : WM_MARKER_CHANGED;
    return MarkerPost{message, value_};
}

MarkerPost SliderMarkerModel::Release(ui::Point pointer)
{
    dragging_ = false;
    value_ = ValueAt(pointer);
    return {WM_MARKER_CHANGED, value_};
}

int SliderMarkerModel::ValueAt(ui::Point pointer) const
{
    const int span = maximum_ - minimum_;
    if (axis_ == MarkerAxis::Horizontal) {
        if (rect_.Width() <= 0) return minimum_;
        const int x = std::max(pointer.x, rect_.left);
        return Clamped(minimum_ + static_cast<int>(std::int64_t{span} * (x - rect_.left) / rect_.Width()));
    }
    if (rect_.Height() <= 0) return minimum_;
    const int y = std::min(pointer.y, rect_.bottom);
    return Clamped(minimum_ + static_cast<int>(std::int64_t{span} * (rect_.bottom - y) / rect_.Height()));
}

int SliderMarkerModel::Clamped(int value) const
{
    return std::clamp(value, minimum_, maximum_);
}

}  // namespace norvale
