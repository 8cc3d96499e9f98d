#include "app/section_layout.h"

#include "app/main_window_geometry.h"

namespace norvale {
namespace {

constexpr int kHeaderLeft = 20;
constexpr int kHeaderWidth = 242;
constexpr int kSliderLeft = 37;
constexpr ui::Size kSliderSize{208, 9};

ui::Rect HeaderAt(int top, int height)
{
    return {kHeaderLeft, top, kHeaderLeft + kHeaderWidth, top + height};
}

ui::Rect SliderAt(int top)
{
    return {kSliderLeft, top, kSliderLeft + kSliderSize.width, top + kSliderSize.height};
}

}  // namespace

void Sections::SetPanelHeights(int assignmentHeight, int axisHeight)
{
    assignmentHeight_ = assignmentHeight;
    axisHeight_ = axisHeight;
}

int Sections::AxisTop() const
{
    return 195 + (assignmentCollapsed_ ? 0 : assignmentHeight_);
}

void Sections::PlaceSliders(SectionLayout& layout) const
{
    const int top = AxisTop();
    layout.xSlider = SliderAt(top + 40);
    layout.ySlider = SliderAt(top + 100);
}

ui::Rect Sections::LiftOffHeaderRect() const
{
    const int below = AxisTop() + (axisCollapsed_ ? 0 : axisHeight_);
    return HeaderAt(below + 5, 20);
}

SectionLayout Sections::LayoutAssignmentSection(bool closed)
{
    assignmentCollapsed_ = closed;
    SectionLayout layout;
    layout.functionButtons = closed ? Visibility::Hide : Visibility::Show;
    const int shift = closed ? 0 : assignmentHeight_;
    layout.macroHeader = HeaderAt(132 + shift, 38);
    layout.axisHeader = HeaderAt(175 + shift, 20);
    PlaceSliders(layout);
    layout.liftOffHeader = LiftOffHeaderRect();
    layout.repaint = kLeftColumnArea;
    return layout;
}

SectionLayout Sections::LayoutAxisSection(bool closed)
{
    axisCollapsed_ = closed;
    SectionLayout layout;
    layout.axisSliders = closed ? Visibility::Hide : Visibility::Show;
    if (!closed) PlaceSliders(layout);
    layout.liftOffHeader = LiftOffHeaderRect();
    layout.repaint = kLeftColumnArea;
    return layout;
}

CollapsedLayout Sections::CollapseSections()
{
    CollapsedLayout collapsed{kPageContainerLayoutSize, LayoutAssignmentSection(true), LayoutAxisSection(true)};
    liftOffCollapsed_ = true;
    return collapsed;
}

}  // namespace norvale
