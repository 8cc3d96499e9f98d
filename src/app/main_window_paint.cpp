#include "app/main_window_paint.h"

#include "app/main_window_geometry.h"
#include "text/ui_texts.h"

namespace norvale {
namespace {

constexpr int kFirstButtonNameSlot = 29;  // "Button 1"
constexpr int kXAxisSlot = 27;
constexpr int kYAxisSlot = 28;

constexpr unsigned kButtonNameFormat = text_format::kCenter | text_format::kVerticalCenter | text_format::kSingleLine;
constexpr unsigned kAxisTextFormat = text_format::kLeft | text_format::kVerticalCenter | text_format::kSingleLine;

void PaintAssignmentPanel(PaintList& list)
{
    list.Image(L"/Skins/ButtonAssignment/BK_ButtonAssignment.png", 20, 127);
    for (int k = 1; k <= kFunctionButtonCount; ++k) {
        const int top = 156 + 20 * (k - 1);
        list.Text(UiText(kFirstButtonNameSlot + k - 1), {31, top, 115, top + 14}, kButtonNameFormat);
    }
}

// The digits 1 … 10 under a slider whose scale row starts at `top`, each in
// a cell that reaches to the next digit.
void PaintScale(PaintList& list, int top)
{
    for (int k = 1; k <= 10; ++k) {
        const int left = 44 + 21 * (k - 1);
        list.Text(std::to_wstring(k), {left, top, left + 21, top + 20}, kAxisTextFormat);
    }
}

void PaintAxisPanel(PaintList& list, int top)
{
    list.Image(L"/Skins/XYSensitivity/BK_XYSensSetting.png", 20, top);
    list.Text(UiText(kXAxisSlot), {37, top + 20, 262, top + 40}, kAxisTextFormat);
    list.Text(UiText(kYAxisSlot), {37, top + 80, 262, top + 100}, kAxisTextFormat);
    PaintScale(list, top + 57);
    PaintScale(list, top + 117);
}

}  // namespace

PaintList MainWindowPaintList(const ButtonSelection& selection, const Sections& sections)
{
    PaintList list;
    list.background = kMainBackground;
    list.Image(L"Skins\\Logo.png", 20, 32);
    list.Image(L"Skins\\BK_MainMid.png", 262, 2);
    if (const std::optional<ImageOp> mouse = ViewPicture(selection.CurrentView())) list.ops.emplace_back(*mouse);
    for (ImageOp& spot : HotSpotImages(selection.CurrentView(), selection.SelectedButton())) {
        list.ops.emplace_back(std::move(spot));
    }
    list.Image(L"/Skins/BK_MainLeft.png", 20, 107);
    list.Image(L"Skins\\MLogo.png", 40, 525);
    if (!sections.AssignmentCollapsed()) PaintAssignmentPanel(list);
    if (!sections.AxisCollapsed()) PaintAxisPanel(list, sections.AxisTop());
    return list;
}

}  // namespace norvale
