#include <gtest/gtest.h>

#include <algorithm>

#include "macro/macro_window_model.h"

namespace norvale {
namespace {

using S = MacroWindowStep;
using Steps = std::vector<MacroWindowStep>;

bool ShowsImageAt(const PaintList& list, std::wstring_view name, int x, int y)
{
    return std::ranges::any_of(list.ops, [&](const PaintOp& op) {
        const auto* image = std::get_if<ImageOp>(&op);
        return image && image->skinName == name && image->x == x && image->y == y;
    });
}

TEST(MacroWindow, EachAreaStopsARecordingFirstWhereItShould)
{
    const MacroWindowModel window(L"EN");
    struct Case {
        ui::Point point;
        Steps steps;
    };
    const Case cases[] = {
        {{320, 400}, {S::StopRecording, S::StoreSelectedMacro, S::BuildImages, S::EndOk}},
        {{380, 400}, {S::StopRecording, S::EndCancel}},
        {{450, 30}, {S::StopRecording, S::EndCancel}},  // close
        {{375, 150}, {S::ToggleDelayOption}},           // does not stop a recording
        {{300, 320}, {S::StopRecording, S::ToggleLoopOption}},
        {{40, 380}, {S::StopRecording, S::StoreSelectedMacro, S::NewMacro}},
        {{100, 380}, {S::StopRecording, S::DeleteMacro}},
        {{250, 20}, {S::Drag}},
    };
    for (const Case& each : cases) EXPECT_EQ(window.Press(each.point), each.steps) << each.point.x << "," << each.point.y;
}

TEST(MacroWindow, TicksShowTheOptionsAndTheRestingPointerLightsOneButton)
{
    MacroWindowModel window(L"EN");
    MacroWindowState state;
    state.recordDelays = true;
    const PaintList plain = window.Paint(state);
    EXPECT_TRUE(ShowsImageAt(plain, L"Skins\\/MacroManagement/PaneMakingTick.png", 370, 144));
    EXPECT_TRUE(ShowsImageAt(plain, L"Skins\\/MacroManagement/Pane.png", 296, 314));
    EXPECT_EQ(plain.background, L"Skins\\/MacroManagement/MacroManagement.png");

    window.Hover().PointerRested({40, 380});  // New
    const PaintList lit = window.Paint(state);
    EXPECT_TRUE(ShowsImageAt(lit, L"Skins\\/MacroManagement/button-new-over.png", 17, 367));
    EXPECT_TRUE(ShowsImageAt(lit, L"Skins\\/MacroManagement/button-new-normal.png", 77, 367));
}

TEST(MacroWindow, TextsFollowTheLanguage)
{
    EXPECT_EQ(MacroWindowModel(L"DE").Texts().insertMiddleButton, L"Mittlere Maustaste einfügen");
    EXPECT_EQ(MacroWindowModel(L"EN").Texts().insertRightButton, L"Inset Right Button");
    EXPECT_EQ(MacroWindowModel(L"CHS").Texts().macroWord, L"宏");
    EXPECT_TRUE(MacroWindowModel(L"FR").Texts().ok.empty());
}

}  // namespace
}  // namespace norvale
