#include "skin/win32/slider_marker.h"

#include "skin/win32/bitmap_cut.h"

namespace norvale {

const ui::MessageMap<SliderMarkerWindow>& SliderMarkerWindow::Map()
{
    using M = ui::MessageMap<SliderMarkerWindow>;
    static const M map{
        M::On(WM_PAINT, &SliderMarkerWindow::OnPaint),
        M::On(WM_ERASEBKGND, &SliderMarkerWindow::OnEraseBackground),
        M::On(WM_LBUTTONDOWN, &SliderMarkerWindow::OnLButtonDown),
        M::On(WM_MOUSEMOVE, &SliderMarkerWindow::OnMouseMove),
        M::On(WM_LBUTTONUP, &SliderMarkerWindow::OnLButtonUp),
        M::On(WM_CAPTURECHANGED, &SliderMarkerWindow::OnCaptureChanged),
        M::On(WM_KILLFOCUS, &SliderMarkerWindow::OnKillFocus),
    };
    return map;
}

bool SliderMarkerWindow::Create(int left, int top, int right, int bottom, HWND parent, UINT id)
{
    model_ = SliderMarkerModel(model_.Axis(), {left, top, right, bottom});
    parent_ = parent;
    id_ = id;
    return CreateCustom(L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, RECT{left, top, right, bottom}, parent, id);
}

void SliderMarkerWindow::Place(const ui::Rect& rect)
{
    model_.SetRect(rect);
    MoveWindow(Handle(), rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
}

void SliderMarkerWindow::SetTrackPictures(int x0, int y0, int x1, int y1, HBITMAP empty, HBITMAP full)
{
    const ui::Rect area{x0, y0, x1, y1};
    ReplaceWithCut(Handle(), empty, area, empty_);
    ReplaceWithCut(Handle(), full, area, full_);
}

void SliderMarkerWindow::SetValue(int value)
{
    model_.SetValue(value);
    Repaint();
    UpdateWindow(Handle());
}

ui::Point SliderMarkerWindow::InParent(ui::Point client) const
{
    POINT point{client.x, client.y};
    ClientToScreen(Handle(), &point);
    ScreenToClient(parent_, &point);
    return {point.x, point.y};
}

void SliderMarkerWindow::Report(const MarkerPost& post) const
{
    PostMessageW(parent_, post.message, static_cast<WPARAM>(post.value), static_cast<LPARAM>(id_));
}

void SliderMarkerWindow::Repaint() const
{
    InvalidateRect(Handle(), nullptr, FALSE);
}

std::intptr_t SliderMarkerWindow::OnPaint()
{
    PAINTSTRUCT paint{};
    HDC screen = BeginPaint(Handle(), &paint);
    const int width = model_.Rect().Width();
    const int height = model_.Rect().Height();
    MemorySurface canvas(screen);
    GdiObject<HBITMAP> composed(CreateCompatibleBitmap(screen, width, height));
    if (canvas && composed) {
        canvas.Select(composed.Get());
        MemorySurface track(screen);
        if (empty_) {
            track.Select(empty_.Get());
            BitBlt(canvas.Get(), 0, 0, width, height, track.Get(), 0, 0, SRCCOPY);
        }
        const ui::Rect filled = model_.FilledArea();
        if (full_) {
            track.Select(full_.Get());
            BitBlt(canvas.Get(), filled.left, filled.top, filled.Width(), filled.Height(), track.Get(), 0, 0,
                   SRCCOPY);
        }
        BitBlt(screen, 0, 0, width, height, canvas.Get(), 0, 0, SRCCOPY);
    }
    EndPaint(Handle(), &paint);
    return 0;
}

std::intptr_t SliderMarkerWindow::OnLButtonDown()
{
    SetCapture(Handle());
    model_.Press();
    return Default();
}

std::intptr_t SliderMarkerWindow::OnMouseMove(const ui::MouseArgs& mouse)
{
    if (const auto post = model_.Move(InParent(mouse.point))) {
        Repaint();
        Report(*post);
    }
    return Default();
}

std::intptr_t SliderMarkerWindow::OnLButtonUp(const ui::MouseArgs& mouse)
{
    Report(model_.Release(InParent(mouse.point)));
    const LRESULT result = Default();
    ReleaseCapture();
    Repaint();
    return result;
}

std::intptr_t SliderMarkerWindow::OnCaptureChanged()
{
    if (model_.Dragging()) {
        // Without the capture the release may never come; a drag that went
        // on would follow a pointer whose button is up. The capture is
        // already another window's and stays with it.
        model_.CancelDrag();
        Repaint();
    }
    return Default();
}

std::intptr_t SliderMarkerWindow::OnKillFocus()
{
    model_.CancelDrag();
    Repaint();
    return Default();
}

}  // namespace norvale
