#pragma once
#include <optional>

#include "ui/geometry.h"

namespace norvale {

enum class Visibility { Unchanged, Show, Hide };

// Where a section change puts the left column's headers and sliders, what it
// shows or hides, and what it repaints. Rectangles are in client pixels; a
// header or slider without one stays where it is.
struct SectionLayout {
    Visibility functionButtons = Visibility::Unchanged;
    Visibility axisSliders = Visibility::Unchanged;
    std::optional<ui::Rect> macroHeader;
    std::optional<ui::Rect> axisHeader;
    std::optional<ui::Rect> xSlider;
    std::optional<ui::Rect> ySlider;
    ui::Rect liftOffHeader;
    ui::Rect repaint;
    friend bool operator==(const SectionLayout&, const SectionLayout&) = default;
};

struct CollapsedLayout {
    ui::Size pageContainerLayout;
    SectionLayout assignment;
    SectionLayout axis;
};

// The collapsible sections of the left column. Opening Button Assignment
// pushes everything below it down by the height of its panel (H_a); opening
// Axis Sensitivity pushes the lift-off header down by its own (H_x).
class Sections {
public:
    // The panel heights as measured from the skin; 0 for a missing picture,
    // so the sections then open without moving anything.
    void SetPanelHeights(int assignmentHeight, int axisHeight);
    int AssignmentHeight() const { return assignmentHeight_; }
    int AxisHeight() const { return axisHeight_; }

    bool AssignmentCollapsed() const { return assignmentCollapsed_; }
    bool AxisCollapsed() const { return axisCollapsed_; }
    bool LiftOffCollapsed() const { return liftOffCollapsed_; }
    // The top edge of the axis panel, just below the Axis Sensitivity header.
    int AxisTop() const;

    SectionLayout LayoutAssignmentSection(bool closed);
    SectionLayout LayoutAxisSection(bool closed);
    // All three closed, as at start and after a profile change.
    CollapsedLayout CollapseSections();

private:
    void PlaceSliders(SectionLayout& layout) const;
    ui::Rect LiftOffHeaderRect() const;

    int assignmentHeight_ = 0;
    int axisHeight_ = 0;
    bool assignmentCollapsed_ = true;
    bool axisCollapsed_ = true;
    bool liftOffCollapsed_ = true;
};

}  // namespace norvale
