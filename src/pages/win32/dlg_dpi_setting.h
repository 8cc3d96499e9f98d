#pragma once
#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "pages/dpi_page_model.h"
#include "pages/win32/skinned_page.h"
#include "skin/win32/gdi_handles.h"
#include "skin/win32/slider_marker.h"
#include "ui/message_crackers.h"
#include "ui/message_map.h"

namespace norvale {

// The DPI page of the settings column: for each of the seven stages a
// slider, a value that a click opens for typing, an in-use indicator and a
// colour swatch. It edits the live settings at once, as its model decides;
// the column creates it (Create), moves, shows and hides it.
class CDlgDPISetting : public ui::WithMessageMap<CDlgDPISetting, CSkinnedPage> {
public:
    CDlgDPISetting();

    static const ui::MessageMap<CDlgDPISetting>& Map();
    bool PreTranslateMessage(MSG& message) override;

    void Refresh() override;

protected:
    bool OnInitDialog() override;

private:
    void CreateControls();
    ui::CWnd& Editor(int stage) { return editors_[static_cast<std::size_t>(stage)]; }
    std::wstring EditorText(int stage);
    // The stage whose editor has the keyboard focus; -1 when none has.
    int FocusedEditor() const;

    void Carry(const DpiPageActions& actions);
    void Do(const HideDpiEditors&);
    void Do(const SetDpiEditorText& action);
    void Do(const ShowDpiEditor& action);
    void Do(const SetDpiSlider& action);
    void Do(const RepaintDpiArea& action);
    void Do(const RepaintDpiPage&);
    void Do(const ChooseDpiColour& action);

    PaintList Paint() override { return model_.Paint(); }
    FontSpec PageFont() const override;
    std::intptr_t OnLeftButtonDown(const ui::MouseArgs& mouse);
    void OnMarker(const ui::MarkerArgs& marker);
    std::optional<std::intptr_t> OnStaticColour(const ui::Message& message);
    std::intptr_t OnEditColour(const ui::Message& message);
    // Hands out a new solid brush; the one handed out before is released.
    std::intptr_t HandOutBrush(COLORREF colour);

    DpiPageModel model_;
    GdiObject<HBRUSH> brush_;
    std::array<CDMarkerV, kDpiStageCount> sliders_;
    std::array<ui::CWnd, kDpiStageCount> swatches_;
    std::array<ui::CWnd, kDpiStageCount> editors_;
};

}  // namespace norvale
