#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "skin/scroll_bar_model.h"

namespace norvale {
namespace {

// The settings column's bar: 13 pixels thick, as long as the column is high.
ScrollBarModel ColumnBar(const ScrollInfo& info, int length = 561)
{
    ScrollBarModel bar(true);
    bar.SetThickness(13);
    bar.SetLength(length);
    bar.SetInfo(info);
    return bar;
}

// 1000 pixels of content in a 561-pixel column: positions 0 ... 439.
constexpr ScrollInfo kTallContent{0, 999, 561, 0};

ScrollInfo At(ScrollInfo info, int position)
{
    info.position = position;
    return info;
}

TEST(ScrollBarGeometry, ThumbIsThePagesShareOfTheTrackAndTravelsWithThePosition)
{
    struct Case {
        int length;
        ScrollInfo info;
        ScrollBarGeometry expected;
    };
    const Case cases[] = {
        {561, kTallContent, {13, 535, 300, 0}},              // 535 * 561 / 1000
        {561, At(kTallContent, 200), {13, 535, 300, 107}},   // 200 * 235 / 439
        {561, At(kTallContent, 439), {13, 535, 300, 235}},   // at the end of the range
        {561, {0, 9999, 100, 0}, {13, 535, 12, 0}},          // never shorter than its caps
        {37, At(kTallContent, 200), {13, 11, 0, 5}},         // no room for a thumb
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColumnBar(c.info, c.length).Geometry(), c.expected) << c.length << " " << c.info.position;
    }
}

TEST(ScrollBarGeometry, PartsFollowEachOtherAlongTheBarAndTheHitTestFindsThem)
{
    const ScrollBarModel bar = ColumnBar(At(kTallContent, 200));
    EXPECT_EQ(bar.Span(ScrollPart::LineUp), (PartSpan{0, 13}));
    EXPECT_EQ(bar.Span(ScrollPart::PageUp), (PartSpan{13, 120}));
    EXPECT_EQ(bar.Span(ScrollPart::Thumb), (PartSpan{120, 420}));
    EXPECT_EQ(bar.Span(ScrollPart::PageDown), (PartSpan{420, 548}));
    EXPECT_EQ(bar.Span(ScrollPart::LineDown), (PartSpan{548, 561}));
    EXPECT_EQ(bar.PartRect(ScrollPart::Thumb), (ui::Rect{0, 120, 13, 420}));

    const std::pair<int, ScrollPart> hits[] = {
        {-1, ScrollPart::None},     {0, ScrollPart::LineUp},     {12, ScrollPart::LineUp},
        {13, ScrollPart::PageUp},   {119, ScrollPart::PageUp},   {120, ScrollPart::Thumb},
        {419, ScrollPart::Thumb},   {420, ScrollPart::PageDown}, {547, ScrollPart::PageDown},
        {548, ScrollPart::LineDown}, {560, ScrollPart::LineDown}, {561, ScrollPart::None},
    };
    for (const auto& [y, part] : hits) EXPECT_EQ(bar.HitTest({400, y}), part) << y;  // x does not count
}

TEST(ScrollBarGeometry, WithNothingToScrollBothTrackPartsShareTheSpaceAndNoThumbShows)
{
    const ScrollBarModel bar = ColumnBar({0, 560, 561, 0});  // exactly one page
    EXPECT_EQ(bar.Geometry(), (ScrollBarGeometry{13, 535, 0, 267}));
    EXPECT_EQ(bar.Span(ScrollPart::PageUp), (PartSpan{13, 280}));
    EXPECT_EQ(bar.Span(ScrollPart::PageDown), (PartSpan{280, 548}));
    for (int y = 0; y < 561; ++y) ASSERT_NE(bar.HitTest({0, y}), ScrollPart::Thumb) << y;
}

TEST(ScrollBarGeometry, ABarShorterThanTwoArrowsIsSplitBetweenThem)
{
    const ScrollBarModel bar = ColumnBar(kTallContent, 20);
    EXPECT_EQ(bar.Geometry(), (ScrollBarGeometry{10, 0, 0, 0}));
    EXPECT_EQ(bar.Span(ScrollPart::LineUp), (PartSpan{0, 10}));
    EXPECT_EQ(bar.Span(ScrollPart::LineDown), (PartSpan{10, 20}));
    EXPECT_EQ(bar.HitTest({0, 9}), ScrollPart::LineUp);
    EXPECT_EQ(bar.HitTest({0, 10}), ScrollPart::LineDown);
}

TEST(ScrollBarDrag, TheThumbFollowsThePointerAndStopsAtEitherEndOfTheRange)
{
    ScrollBarModel bar = ColumnBar(kTallContent);  // thumb 13 ... 313, 235 pixels of travel
    EXPECT_EQ(bar.Press({6, 150}), (BarUpdate{.redraw = PartBit(ScrollPart::Thumb)}));
    EXPECT_TRUE(bar.Dragging());
    EXPECT_EQ(bar.Row(ScrollPart::Thumb), 2);

    const auto tracked = [&](int y) { return bar.Move({6, y}).request; };
    EXPECT_EQ(tracked(250), (ScrollRequest{scroll_request::kThumbTrack, 186}));  // 100 * 439 / 235
    EXPECT_EQ(bar.TrackPosition(), 186);
    EXPECT_EQ(bar.Span(ScrollPart::Thumb), (PartSpan{112, 412}));  // drawn where it is dragged
    EXPECT_EQ(tracked(250), std::nullopt);                          // no change, nothing sent
    EXPECT_EQ(tracked(-400), (ScrollRequest{scroll_request::kThumbTrack, 0}));
    EXPECT_EQ(tracked(2000), (ScrollRequest{scroll_request::kThumbTrack, 439}));

    EXPECT_EQ(bar.Release({6, 2000}).request, (ScrollRequest{scroll_request::kThumbPosition, 439}));
    EXPECT_FALSE(bar.Dragging());
    EXPECT_EQ(bar.TrackPosition(), 0);  // until the window's answer arrives
    EXPECT_EQ(bar.Row(ScrollPart::Thumb), 0);
}

TEST(ScrollBarDrag, AThumbThatFillsTheTrackHasNoTravelAndStaysPut)
{
    ScrollBarModel bar = ColumnBar(kTallContent, 38);  // a 12-pixel track, the shortest thumb
    ASSERT_EQ(bar.Geometry(), (ScrollBarGeometry{13, 12, 12, 0}));
    bar.Press({6, 20});
    ASSERT_TRUE(bar.Dragging());
    EXPECT_EQ(bar.Move({6, 300}).request, std::nullopt);
    EXPECT_EQ(bar.Release({6, 300}).request, (ScrollRequest{scroll_request::kThumbPosition, 0}));
}

// Runs a held bar the way its window does: the repeat timers on a clock, the
// bar's requests scrolled as the settings column scrolls them (60 pixels a
// line, a page at a time, kept within the range), and the window's new
// position given back to the bar.
class HeldBar {
public:
    explicit HeldBar(ScrollBarModel bar) : bar_(std::move(bar)) {}

    void Press(ui::Point point) { Carry(bar_.Press(point)); }

    // Fires every timer due until `end`, the pointer resting at `pointer`.
    void RunUntil(int end, ui::Point pointer)
    {
        while (true) {
            const std::optional<int> due = delayDue_ ? delayDue_ : repeatDue_;
            if (!due || *due > end) break;
            now_ = *due;
            if (delayDue_) {
                delayDue_.reset();
                Carry(bar_.DelayElapsed());
            } else {
                repeatDue_ = now_ + static_cast<int>(kRepeatMilliseconds);
                Carry(bar_.RepeatTick(pointer));
            }
        }
        now_ = end;
    }

    bool TimerRunning() const { return delayDue_ || repeatDue_; }
    int Position() const { return bar_.Info().position; }
    // When each request was sent, and which.
    const std::vector<std::pair<int, int>>& Sent() const { return sent_; }

private:
    void Carry(const BarUpdate& update)
    {
        switch (update.timer) {
        case RepeatTimer::Keep: break;
        case RepeatTimer::StartDelay: delayDue_ = now_ + static_cast<int>(kRepeatDelayMilliseconds); break;
        case RepeatTimer::StartRepeat: repeatDue_ = now_ + static_cast<int>(kRepeatMilliseconds); break;
        case RepeatTimer::Stop: delayDue_.reset(); repeatDue_.reset(); break;
        }
        if (update.request) Scroll(update.request->code);
    }

    void Scroll(int code)
    {
        sent_.emplace_back(now_, code);
        ScrollInfo info = bar_.Info();
        const int moves[] = {-60, 60, -info.page, info.page};
        const int last = info.maximum - info.page + 1;
        info.position = std::clamp(info.position + moves[code], 0, last);
        bar_.SetInfo(info);
    }

    ScrollBarModel bar_;
    int now_ = 0;
    std::optional<int> delayDue_;
    std::optional<int> repeatDue_;
    std::vector<std::pair<int, int>> sent_;
};

TEST(ScrollBarRepeat, HoldingAPartSendsOnceThenAfterAPauseEveryTenthOfASecondUntilItsEnd)
{
    struct Case {
        const char* name;
        ScrollInfo info;
        ui::Point pointer;
        ScrollPart pressed;
        int finalPosition;
    };
    const Case cases[] = {
        // Positions 0 ... 139: 60, 120, then the end of the range stops it.
        {"down arrow", {0, 699, 561, 0}, {6, 555}, ScrollPart::LineDown, 139},
        {"up arrow", {0, 699, 561, 139}, {6, 5}, ScrollPart::LineUp, 0},
        // Thumb of 100 pixels, 435 of travel: each page moves it 100, and
        // after the third it lies under the pointer.
        {"page down track", {0, 2999, 561, 0}, {6, 400}, ScrollPart::PageDown, 1683},
    };
    for (const Case& c : cases) {
        HeldBar held(ColumnBar(c.info));
        held.Press(c.pointer);
        held.RunUntil(2000, c.pointer);
        const int request = static_cast<int>(c.pressed);
        const std::vector<std::pair<int, int>> expected = {{0, request}, {600, request}, {700, request}};
        EXPECT_EQ(held.Sent(), expected) << c.name;
        EXPECT_EQ(held.Position(), c.finalPosition) << c.name;
        EXPECT_FALSE(held.TimerRunning()) << c.name;  // stopped at 800 ms
    }
}

TEST(ScrollBarRepeat, PausesWhileThePointerIsOffThePressedPartAndEndsWithTheRelease)
{
    HeldBar held(ColumnBar(kTallContent));
    held.Press({6, 555});
    held.RunUntil(1000, {6, 300});  // dragged off the arrow onto the track
    EXPECT_EQ(held.Sent().size(), 1u);
    EXPECT_TRUE(held.TimerRunning());
    held.RunUntil(1100, {6, 555});  // back on the arrow
    EXPECT_EQ(held.Sent().size(), 2u);

    ScrollBarModel bar = ColumnBar(kTallContent);
    bar.Press({6, 555});
    EXPECT_EQ(bar.Release({6, 555}),
              (BarUpdate{.redraw = PartBit(ScrollPart::LineDown), .timer = RepeatTimer::Stop}));
    // A tick already queued when the button came up sends nothing.
    EXPECT_EQ(bar.DelayElapsed().timer, RepeatTimer::Stop);
    EXPECT_EQ(bar.RepeatTick({6, 555}), (BarUpdate{.timer = RepeatTimer::Stop}));
}

TEST(ScrollBarStates, HoverLightsArrowsAndThumbAndAPressShowsWhileThePointerStaysOnIt)
{
    ScrollBarModel bar = ColumnBar(kTallContent);  // thumb 13 ... 313
    EXPECT_EQ(bar.Move({6, 5}), (BarUpdate{.redraw = PartBit(ScrollPart::LineUp), .trackLeave = true}));
    EXPECT_EQ(bar.Row(ScrollPart::LineUp), 1);
    // The track has no hot picture: moving onto it only dims the arrow.
    EXPECT_EQ(bar.Move({6, 400}), (BarUpdate{.redraw = PartBit(ScrollPart::LineUp)}));
    EXPECT_EQ(bar.Row(ScrollPart::PageDown), 0);
    EXPECT_EQ(bar.Move({6, 100}).redraw, PartBit(ScrollPart::Thumb));
    EXPECT_EQ(bar.Row(ScrollPart::Thumb), 1);
    EXPECT_EQ(bar.Leave(), (BarUpdate{.redraw = PartBit(ScrollPart::Thumb)}));
    EXPECT_EQ(bar.Row(ScrollPart::Thumb), 0);
    EXPECT_TRUE(bar.Move({6, 100}).trackLeave);  // a new notice for the next leave

    bar.Move({6, 555});
    EXPECT_EQ(bar.Press({6, 555}).redraw, PartBit(ScrollPart::LineDown));
    EXPECT_EQ(bar.Row(ScrollPart::LineDown), 2);
    EXPECT_EQ(bar.Move({6, 500}).redraw, PartBit(ScrollPart::LineDown));
    EXPECT_EQ(bar.Row(ScrollPart::LineDown), 0);
    EXPECT_EQ(bar.Move({6, 300}).redraw, 0u);  // no hover while pressed
    EXPECT_EQ(bar.Row(ScrollPart::Thumb), 0);
    EXPECT_EQ(bar.Move({6, 550}).redraw, PartBit(ScrollPart::LineDown));
    EXPECT_EQ(bar.Row(ScrollPart::LineDown), 2);
    bar.Release({6, 550});
    EXPECT_EQ(bar.Row(ScrollPart::LineDown), 0);  // normal until the pointer moves again
    EXPECT_EQ(bar.Move({6, 550}).redraw, PartBit(ScrollPart::LineDown));
    EXPECT_EQ(bar.Row(ScrollPart::LineDown), 1);
}

TEST(ScrollBarStates, AReleasedThumbStaysLitOnlyUnderThePointer)
{
    ScrollBarModel bar = ColumnBar(kTallContent);
    bar.Move({6, 100});
    bar.Press({6, 100});
    bar.Move({6, 200});
    bar.Release({6, 200});
    EXPECT_EQ(bar.Row(ScrollPart::Thumb), 1);
    bar.Move({6, 100});
    bar.Press({6, 100});
    bar.Release({6, 700});
    EXPECT_EQ(bar.Row(ScrollPart::Thumb), 0);
}

}  // namespace
}  // namespace norvale
