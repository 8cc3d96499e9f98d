#pragma once
#include <cstdint>
#include <optional>

#include "ui/geometry.h"

namespace norvale {

// Posted by a marker to its parent: wParam the value, lParam the control id.
inline constexpr std::uint32_t WM_MARKER_CHANGED = 0x2B15;
inline constexpr std::uint32_t WM_MARKER_TRACKING = 0x2B16;

enum class MarkerAxis { Horizontal, Vertical };

struct MarkerPost {
    std::uint32_t message = 0;
    int value = 0;
    friend bool operator==(const MarkerPost&, const MarkerPost&) = default;
};

// A skinned slider: a track filled in proportion to an integer value, set by
// pressing on it and dragging. Horizontal markers fill from the left,
// vertical ones from the bottom. Points are in the parent's client pixels,
// where the marker's rectangle lies.
class SliderMarkerModel {
public:
    SliderMarkerModel(MarkerAxis axis, const ui::Rect& rect) : axis_(axis), rect_(rect) {}

    MarkerAxis Axis() const { return axis_; }
    const ui::Rect& Rect() const { return rect_; }
    // The track moved in its parent: presses and drags are measured there.
    void SetRect(const ui::Rect& rect) { rect_ = rect; }
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    int Value() const { return value_; }
    bool Dragging() const { return dragging_; }

    // A value outside the range shows the minimum.
    void SetValue(int value);
    void SetRange(int minimum, int maximum);

    // The filled length as the track is scaled: full already at maximum - 1,
    // longer than the track at the maximum.
    int FillLength() const;
    // Where the full-track picture goes, in the marker's own pixels, taken
    // from the picture's top-left corner; cut to the track.
    ui::Rect FilledArea() const;

    void Press() { dragging_ = true; }
    // Only a move during a drag changes the value.
    std::optional<MarkerPost> Move(ui::Point pointer);
    // Reports the value under the pointer, drag or not.
    MarkerPost Release(ui::Point pointer);
    // A lost capture or focus ends the drag without a report.
    void CancelDrag() { dragging_ = false; }

private:
    int ValueAt(ui::Point pointer) const;
    int Clamped(int value) const;

    MarkerAxis axis_;
    ui::Rect rect_;
    int minimum_ = 0;
    int maximum_ = 10;
    int value_ = 0;
    bool dragging_ = false;
};

}  // namespace norvale
