#include "pages/page_container_model.h"

#include <algorithm>
#include <cstdlib>

namespace norvale {

std::wstring_view PageSizePicture(int section)
{
    static constexpr std::array<std::wstring_view, kPageSectionCount> kPictures{
        L"skins/DPISetting/BK_DPISetting.png",         L"skins/Lighting/BK_Lighting.png",
        L"skins/USBReportRate/BK_USBReportRate.png",   L"skins/MouseAttribute/BK_MouseAttribute.png",
        L"skins/MouseAttribute/BK_MouseAttribute.png", L"skins/MouseAttribute/BK_ScrollSpeed.png",
        L"skins/AngleSnap/BK_AngleSnap.png"};
    return kPictures[static_cast<std::size_t>(section)];
}

ui::Rect InitialPageHeaderRect(int section)
{
    const int top = 2 + (kPageHeaderHeight + kPageHeaderGap) * section;
    return {0, top, kPageHeaderWidth, top + kPageHeaderHeight};
}

PageContainerModel::PageContainerModel(const std::array<ui::Size, kPageSectionCount>& pageSizes)
    : pageSizes_(pageSizes)
{
    for (int section = 0; section < kPageSectionCount; ++section) headers_[Index(section)] = InitialPageHeaderRect(section);
    closed_.fill(true);
}

ui::Rect PageContainerModel::PageRect(int section) const
{
    const ui::Rect& header = HeaderRect(section);
    const ui::Size size = pageSizes_[Index(section)];
    return {header.left, header.bottom, header.left + size.width, header.bottom + size.height};
}

SectionToggle PageContainerModel::Toggle(int section)
{
    const bool opening = Closed(section);
    closed_[Index(section)] = !opening;
    const int step = pageSizes_[Index(section)].height + 10;
    runningTotal_ += opening ? step : -step;
    contentHeight_ = std::max(kMinimumContentHeight, runningTotal_);

    SectionToggle toggle{section, opening, PageRect(section), {}, {}};
    // Everything below keeps a gap of 5 pixels to what is above it.
    for (int below = section + 1; below < kPageSectionCount; ++below) {
        const int above = below - 1;
        const int bottom = Closed(above) ? HeaderRect(above).bottom : PageRect(above).bottom;
        ui::Rect& header = headers_[Index(below)];
        header = {header.left, bottom + kPageHeaderGap, header.right, bottom + kPageHeaderGap + header.Height()};
        toggle.headers.emplace_back(below, header);
        if (!Closed(below)) toggle.pages.emplace_back(below, PageRect(below));
    }
    return toggle;
}

std::vector<int> PageContainerModel::OpenSectionsBottomUp() const
{
    std::vector<int> open;
    for (int section = kPageSectionCount - 1; section >= 0; --section)
        if (!Closed(section)) open.push_back(section);
    return open;
}

int PageContainerModel::RecomputeScroll(int visibleHeight)
{
    const int before = scroll_.position;
    if (visibleHeight < contentHeight_) {
        scroll_.maximum = contentHeight_ - 1;
        if (scroll_.page > 0 && scroll_.position > 0) scroll_.position = scroll_.position * visibleHeight / scroll_.page;
        scroll_.page = visibleHeight;
        scroll_.position = std::min(scroll_.position, contentHeight_ - visibleHeight - 1);
    } else {
        scroll_ = {};
    }
    return before - scroll_.position;
}

int PageContainerModel::Request(ColumnScrollRequest request, int trackPosition)
{
    int change = 0;
    switch (request) {
    case ColumnScrollRequest::LineUp: change = -kLineStep; break;
    case ColumnScrollRequest::LineDown: change = kLineStep; break;
    case ColumnScrollRequest::PageUp: change = -scroll_.page; break;
    case ColumnScrollRequest::PageDown: change = scroll_.page; break;
    case ColumnScrollRequest::ThumbPosition:
    case ColumnScrollRequest::ThumbTrack: change = trackPosition - scroll_.position; break;
    }
    // A column that does not scroll (no page) stays at the top.
    const int last = scroll_.page > 0 ? contentHeight_ - scroll_.page : 0;
    const int position = std::clamp(scroll_.position + change, 0, std::max(0, last));
    change = position - scroll_.position;
    scroll_.position = position;
    return change;
}

std::optional<std::vector<ColumnScrollRequest>> PageContainerModel::Wheel(int delta, unsigned wheelLines) const
{
    if (scroll_.maximum == 0) return std::nullopt;
    const bool up = delta > 0;
    if (wheelLines == 0xFFFFFFFFu) return std::vector{up ? ColumnScrollRequest::PageUp : ColumnScrollRequest::PageDown};
    const int lines = static_cast<int>(wheelLines) * (std::abs(delta) / 120);
    const int steps = lines < 6 ? 1 : lines / 3;
    return std::vector<ColumnScrollRequest>(static_cast<std::size_t>(steps),
                                            up ? ColumnScrollRequest::LineUp : ColumnScrollRequest::LineDown);
}

}  // namespace norvale
