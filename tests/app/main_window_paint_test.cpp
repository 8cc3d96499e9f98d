#include <gtest/gtest.h>

#include "app/main_window_model.h"
#include "text/ui_texts.h"

namespace norvale {
namespace {

constexpr unsigned kCentred = 0x0001 | 0x0004 | 0x0020;  // DT_CENTER | DT_VCENTER | DT_SINGLELINE
constexpr unsigned kLeftLine = 0x0000 | 0x0004 | 0x0020;  // DT_LEFT | DT_VCENTER | DT_SINGLELINE

PaintOp Image(std::wstring name, int x, int y)
{
    return ImageOp{std::move(name), x, y};
}

PaintOp Text(std::wstring text, ui::Rect rect, unsigned format)
{
    return TextOp{std::move(text), rect, format, 0xFFFFFF};
}

TEST(MainWindowPaint, BackViewWithBothSectionsOpenInEnglish)
{
    FillUiTexts(L"EN");
    MainWindowModel model;
    model.sections.SetPanelHeights(160, 150);
    model.selection.ShowMouseView(3);
    model.selection.ChooseFunctionButton(5);
    model.sections.LayoutAssignmentSection(false);
    model.sections.LayoutAxisSection(false);

    const std::vector<PaintOp> expected{
        Image(L"Skins\\Logo.png", 20, 32),
        Image(L"Skins\\BK_MainMid.png", 262, 2),
        Image(L"Skins\\Mouse\\Back\\MouseBack.png", 394, 46),
        Image(L"Skins/Mouse/Back/B-5-over.png", 582, 248),
        Image(L"Skins/Mouse/Back/B-4-normal.png", 577, 209),
        Image(L"/Skins/BK_MainLeft.png", 20, 107),
        Image(L"Skins\\MLogo.png", 40, 525),
        Image(L"/Skins/ButtonAssignment/BK_ButtonAssignment.png", 20, 127),
        Text(L"Button 1", {31, 156, 115, 170}, kCentred),
        Text(L"Button 2", {31, 176, 115, 190}, kCentred),
        Text(L"Button 3", {31, 196, 115, 210}, kCentred),
        Text(L"Button 4", {31, 216, 115, 230}, kCentred),
        Text(L"Button 5", {31, 236, 115, 250}, kCentred),
        Text(L"Button 6", {31, 256, 115, 270}, kCentred),
        Text(L"Button 7", {31, 276, 115, 290}, kCentred),
        Image(L"/Skins/XYSensitivity/BK_XYSensSetting.png", 20, 355),
        Text(L"x-Axis", {37, 375, 262, 395}, kLeftLine),
        Text(L"y-Axis", {37, 435, 262, 455}, kLeftLine),
        Text(L"1", {44, 412, 65, 432}, kLeftLine),
        Text(L"2", {65, 412, 86, 432}, kLeftLine),
        Text(L"3", {86, 412, 107, 432}, kLeftLine),
        Text(L"4", {107, 412, 128, 432}, kLeftLine),
        Text(L"5", {128, 412, 149, 432}, kLeftLine),
        Text(L"6", {149, 412, 170, 432}, kLeftLine),
        Text(L"7", {170, 412, 191, 432}, kLeftLine),
        Text(L"8", {191, 412, 212, 432}, kLeftLine),
        Text(L"9", {212, 412, 233, 432}, kLeftLine),
        Text(L"10", {233, 412, 254, 432}, kLeftLine),
        Text(L"1", {44, 472, 65, 492}, kLeftLine),
        Text(L"2", {65, 472, 86, 492}, kLeftLine),
        Text(L"3", {86, 472, 107, 492}, kLeftLine),
        Text(L"4", {107, 472, 128, 492}, kLeftLine),
        Text(L"5", {128, 472, 149, 492}, kLeftLine),
        Text(L"6", {149, 472, 170, 492}, kLeftLine),
        Text(L"7", {170, 472, 191, 492}, kLeftLine),
        Text(L"8", {191, 472, 212, 492}, kLeftLine),
        Text(L"9", {212, 472, 233, 492}, kLeftLine),
        Text(L"10", {233, 472, 254, 492}, kLeftLine),
    };
    const PaintList list = model.Paint();
    EXPECT_EQ(list.background, L"/skins/main.png");
    EXPECT_EQ(list.ops, expected);
}

TEST(MainWindowPaint, ClosedSectionsAndNoViewLeaveOnlyTheFrame)
{
    FillUiTexts(L"EN");
    const std::vector<PaintOp> expected{
        Image(L"Skins\\Logo.png", 20, 32),
        Image(L"Skins\\BK_MainMid.png", 262, 2),
        Image(L"/Skins/BK_MainLeft.png", 20, 107),
        Image(L"Skins\\MLogo.png", 40, 525),
    };
    EXPECT_EQ(MainWindowModel{}.Paint().ops, expected);
}

TEST(MainWindowPaint, TopViewWithoutSelectionDrawsEveryHotSpotPlain)
{
    MainWindowModel model;
    model.selection.ShowMouseView(1);
    const std::vector<PaintOp> ops = model.Paint().ops;
    const std::vector<PaintOp> mouse(ops.begin() + 2, ops.begin() + 10);
    const std::vector<PaintOp> expected{
        Image(L"Skins\\Mouse\\Front\\MouseFront.png", 403, 0),
        Image(L"Skins/Mouse/Front/F-1-normal.png", 370, 102),
        Image(L"Skins/Mouse/Front/F-2-normal.png", 560, 102),
        Image(L"Skins/Mouse/Front/F-3-normal.png", 505, 175),
        Image(L"Skins/Mouse/Front/F-4-normal.png", 350, 222),
        Image(L"Skins/Mouse/Front/F-5-normal.png", 355, 275),
        Image(L"Skins/Mouse/Front/F-6-normal.png", 505, 230),
        Image(L"Skins/Mouse/Front/F-7-normal.png", 505, 265),
    };
    EXPECT_EQ(mouse, expected);
}

}  // namespace
}  // namespace norvale
