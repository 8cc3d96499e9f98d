#pragma once
#include <array>
#include <memory>
#include <optional>

#include "pages/page_container_model.h"
#include "pages/win32/settings_page.h"
#include "skin/win32/bitmap_btn.h"
#include "skin/win32/page_canvas.h"
#include "ui/message_crackers.h"

namespace norvale {

// The settings column at the right of the main window: the seven pages under
// their headers, opened and closed as an accordion and scrolled as one.
// Clicks in it end the main window's button selection.
class CDlgadvance : public ui::WithMessageMap<CDlgadvance, ui::CDialog> {
public:
    CDlgadvance();
    ~CDlgadvance() override;
    static const ui::MessageMap<CDlgadvance>& Map();

    // The content size the main window lays the column out in.
    void SetLayoutSize(ui::Size size);
    void CloseAllSections();
    // After the settings record changed from outside the pages.
    void RefreshAllPages();

    bool PreTranslateMessage(MSG& message) override;

protected:
    bool OnInitDialog() override;
    // The column lives as long as the main window; nothing ends it from inside.
    void OnOK() override {}
    void OnCancel() override {}

private:
    void CreateHeaders();
    CSettingsPage& Page(int section);
    void ToggleSection(int section);
    void OnHeaderClicked(int section);
    void RecomputeScrollBar();
    void Scroll(ColumnScrollRequest request, int trackPosition = 0);
    void ClearButtonSelection() const;

    std::intptr_t OnSize() { RecomputeScrollBar(); return 0; }
    std::intptr_t OnVerticalScroll(const ui::ScrollArgs& scroll);
    std::optional<std::intptr_t> OnMouseWheel(const ui::WheelArgs& wheel);
    std::intptr_t OnMouseActivate();
    std::intptr_t OnPaint();
    std::intptr_t OnEraseBackground() { return TRUE; }
    std::intptr_t OnLeftButtonDown();

    PageCanvas canvas_;
    std::array<CBitmapBtn, kPageSectionCount> headers_;
    std::array<std::unique_ptr<CSettingsPage>, kPageSectionCount> pages_;
    std::optional<PageContainerModel> model_;
};

}  // namespace norvale
