#include "skin/scroll_bar_paint.h"

#include <algorithm>
#include <utility>

namespace norvale {
namespace {

constexpr int kThumbCap = 6;

// Lays copies along one bar: spans are measured along it, and across it a
// copy takes the whole cell and fills the bar's thickness.
class BarPainter {
public:
    BarPainter(const ScrollBarModel& bar, ui::Size cell)
        : bar_(bar), cell_(cell), cellAlong_(bar.Vertical() ? cell.height : cell.width)
    {
    }

    void Arrow(ScrollPart part) { Copy(part, {0, cellAlong_}, bar_.Span(part)); }

    void Track(ScrollPart part) { Tile(part, {0, cellAlong_}, bar_.Span(part)); }

    void Thumb()
    {
        const PartSpan span = bar_.Span(ScrollPart::Thumb);
        if (span.end <= span.begin) return;
        Copy(ScrollPart::Thumb, {0, kThumbCap}, {span.begin, span.begin + kThumbCap});
        Tile(ScrollPart::Thumb, {kThumbCap, cellAlong_ - kThumbCap}, {span.begin + kThumbCap, span.end - kThumbCap});
        Copy(ScrollPart::Thumb, {cellAlong_ - kThumbCap, cellAlong_}, {span.end - kThumbCap, span.end});
    }

    std::vector<SkinBlit> Take() { return std::move(blits_); }

private:
    int Column(ScrollPart part) const
    {
        int column = 3;  // both track parts
        switch (part) {
        case ScrollPart::LineUp: column = 0; break;
        case ScrollPart::LineDown: column = 1; break;
        case ScrollPart::Thumb: column = 2; break;
        default: break;
        }
        return bar_.Vertical() ? column : column + 4;
    }

    // Repeats a stretch of the cell along a span, the last copy cut short.
    void Tile(ScrollPart part, PartSpan from, PartSpan to)
    {
        const int step = from.end - from.begin;
        if (step <= 0) return;
        for (int at = to.begin; at < to.end; at += step) {
            const int length = std::min(step, to.end - at);
            Copy(part, {from.begin, from.begin + length}, {at, at + length});
        }
    }

    void Copy(ScrollPart part, PartSpan from, PartSpan to)
    {
        if (to.end <= to.begin) return;
        const int left = Column(part) * cell_.width;
        const int top = bar_.Row(part) * cell_.height;
        const int thickness = bar_.Thickness();
        if (bar_.Vertical()) {
            blits_.push_back({{left, top + from.begin, left + cell_.width, top + from.end},
                              {0, to.begin, thickness, to.end}});
        } else {
            blits_.push_back({{left + from.begin, top, left + from.end, top + cell_.height},
                              {to.begin, 0, to.end, thickness}});
        }
    }

    const ScrollBarModel& bar_;
    ui::Size cell_;
    int cellAlong_;
    std::vector<SkinBlit> blits_;
};

}  // namespace

std::vector<SkinBlit> PaintScrollBar(const ScrollBarModel& bar, ui::Size cell)
{
    BarPainter painter(bar, cell);
    painter.Arrow(ScrollPart::LineUp);
    painter.Track(ScrollPart::PageUp);
    painter.Thumb();
    painter.Track(ScrollPart::PageDown);
    painter.Arrow(ScrollPart::LineDown);
    return painter.Take();
}

}  // namespace norvale
