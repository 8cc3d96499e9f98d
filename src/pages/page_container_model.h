#pragma once
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/geometry.h"

namespace norvale {

// The right-hand column: seven settings pages stacked as an accordion under
// their headers, scrolled vertically. Sections are numbered 0 … 6 from the
// top (DPI, lighting, polling rate, pointer speed, double-click, wheel,
// angle snapping).
inline constexpr int kPageSectionCount = 7;
inline constexpr int kPageHeaderWidth = 242;
inline constexpr int kPageHeaderHeight = 20;
inline constexpr int kPageHeaderGap = 5;
inline constexpr int kFirstPageHeaderTitleSlot = 20;  // "DPI Setting"

inline constexpr std::wstring_view kColumnBackgroundAtStart = L"/skins/BK_MainRight.png";
inline constexpr std::wstring_view kColumnBackground = L"Skins\\BK_MainRight.png";
inline constexpr std::wstring_view kPageHeaderPicture = L"\\skins\\ItemBK.png";

ui::Rect InitialPageHeaderRect(int section);
// The picture whose size is a section's page size (the pointer speed and
// double-click pages share theirs).
std::wstring_view PageSizePicture(int section);

// The window's scroll information, as its standard vertical bar holds it.
struct ColumnScroll {
    int maximum = 0;
    int page = 0;
    int position = 0;
    friend bool operator==(const ColumnScroll&, const ColumnScroll&) = default;
};

// What opening or closing a section asks the window to do, top to bottom.
struct SectionToggle {
    int section = 0;
    bool opened = false;
    ui::Rect page;                                  // the toggled page, shown there when opened
    std::vector<std::pair<int, ui::Rect>> headers;  // headers below, moved there
    std::vector<std::pair<int, ui::Rect>> pages;    // open pages below, moved there
};

// Scroll requests, numbered as the system's scroll bars send them.
enum class ColumnScrollRequest { LineUp = 0, LineDown = 1, PageUp = 2, PageDown = 3, ThumbPosition = 4, ThumbTrack = 5 };

class PageContainerModel {
public:
    static constexpr int kLineStep = 60;
    static constexpr int kMinimumContentHeight = 563;

    // The measured sizes of the seven page pictures.
    explicit PageContainerModel(const std::array<ui::Size, kPageSectionCount>& pageSizes);

    const ui::Rect& HeaderRect(int section) const { return headers_[Index(section)]; }
    // Right under its header, at its measured size.
    ui::Rect PageRect(int section) const;
    bool Closed(int section) const { return closed_[Index(section)]; }
    int ContentHeight() const { return contentHeight_; }
    const ColumnScroll& Scroll() const { return scroll_; }

    // The main window's layout size; the scroll bar is recomputed afterwards.
    void SetLayoutSize(ui::Size size) { contentHeight_ = size.height; }
    SectionToggle Toggle(int section);
    // The sections to toggle, bottom first, to close every open one.
    std::vector<int> OpenSectionsBottomUp() const;

    // Recomputes the bar for the visible height; returns by how much the
    // children scroll (old position − new position).
    int RecomputeScroll(int visibleHeight);
    // The change of position a request makes (0: none); the position is kept.
    int Request(ColumnScrollRequest request, int trackPosition = 0);
    // The requests one wheel message makes, or none when nothing scrolls
    // (the message is then not handled). `wheelLines` is the system's
    // setting, 0xFFFFFFFF for one screen per notch.
    std::optional<std::vector<ColumnScrollRequest>> Wheel(int delta, unsigned wheelLines) const;

private:
    static std::size_t Index(int section) { return static_cast<std::size_t>(section); }

    std::array<ui::Size, kPageSectionCount> pageSizes_;
    std::array<ui::Rect, kPageSectionCount> headers_;
    std::array<bool, kPageSectionCount> closed_;
    int runningTotal_ = 120;
    int contentHeight_ = 0;
    ColumnScroll scroll_;
};

}  // namespace norvale
