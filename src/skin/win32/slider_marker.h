#pragma once
#include <windows.h>

#include "skin/slider_marker_model.h"
#include "skin/win32/gdi_handles.h"
#include "ui/message_crackers.h"
#include "ui/message_map.h"
#include "ui/win32/window.h"

namespace norvale {

// The window of a slider marker: paints the model's track and turns presses,
// drags and releases into the values it posts to its parent.
class SliderMarkerWindow : public ui::WithMessageMap<SliderMarkerWindow, ui::CWnd> {
public:
    // The rectangle is in the parent's client pixels. Range 0 ... 10, value 0.
    bool Create(int left, int top, int right, int bottom, HWND parent, UINT id);
    // Each present source gives its track picture: the rectangle from
    // (x0, y0) to (x1, y1), cut 1:1.
    void SetTrackPictures(int x0, int y0, int x1, int y1, HBITMAP empty, HBITMAP full);

    void SetRange(int minimum, int maximum) { model_.SetRange(minimum, maximum); }
    // Moves the marker to another rectangle of its parent.
    void Place(const ui::Rect& rect);
    // Shows the value at once and reports nothing.
    void SetValue(int value);
    int Value() const { return model_.Value(); }

    static const ui::MessageMap<SliderMarkerWindow>& Map();

protected:
    explicit SliderMarkerWindow(MarkerAxis axis) : model_(axis, {}) {}

private:
    // A point of the marker's client area in its parent's.
    ui::Point InParent(ui::Point client) const;
    void Report(const MarkerPost& post) const;
    void Repaint() const;

    std::intptr_t OnPaint();
    std::intptr_t OnEraseBackground() { return 1; }
    std::intptr_t OnLButtonDown();
    std::intptr_t OnMouseMove(const ui::MouseArgs& mouse);
    std::intptr_t OnLButtonUp(const ui::MouseArgs& mouse);
    std::intptr_t OnCaptureChanged();
    std::intptr_t OnKillFocus();

    UINT id_ = 0;
    GdiObject<HBITMAP> empty_;
    GdiObject<HBITMAP> full_;
    SliderMarkerModel model_;
    HWND parent_ = nullptr;
};

// Fills from the left, dragged horizontally; reports while dragging with
// WM_MARKER_TRACKING and on release with WM_MARKER_CHANGED.
class CDMarker final : public SliderMarkerWindow {
public:
    CDMarker() : SliderMarkerWindow(MarkerAxis::Horizontal) {}
};

// Fills from the bottom, dragged vertically; reports with WM_MARKER_CHANGED
// both while dragging and on release.
class CDMarkerV final : public SliderMarkerWindow {
public:
    CDMarkerV() : SliderMarkerWindow(MarkerAxis::Vertical) {}
};

}  // namespace norvale
