#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "pages/dpi_page_action.h"
#include "settings/settings_record.h"
#include "skin/paint_list.h"
#include "ui/geometry.h"

namespace norvale {

// What the DPI page decides: how a press, a typed value, a slider and a
// refresh change the seven stages of the settings it edits, and what the
// page shows. Every change lands in the settings at once; the window carries
// out the returned actions.
class DpiPageModel {
public:
    explicit DpiPageModel(Settings& live) : live_(live) {}

    // The stage whose editor is shown for typing; -1 when none.
    int OpenEditor() const { return openEditor_; }

    // A left-button press on the page, given the open editor's text: the
    // open editor is committed first, then the press toggles an indicator,
    // recolours a stage in use or opens a value editor.
    DpiPageActions Press(ui::Point point, std::wstring_view openEditorText);
    // Enter in a stage's editor. A text committed into that stage just
    // before changes nothing, so the key's second message does no harm.
    DpiPageActions CommitEditor(int stage, std::wstring_view text);
    // A slider of the page moved (its control id and value); a moved stage
    // is in use. Other control ids change nothing.
    DpiPageActions MoveSlider(int controlId, int value);
    // The settings changed behind the page.
    DpiPageActions Refresh();

    void StoreColour(int stage, Rgb colour);
    // The colour a swatch of the page paints with; none for other controls.
    std::optional<Rgb> SwatchColour(int controlId) const;

    PaintList Paint() const;

private:
    static std::size_t Index(int stage) { return static_cast<std::size_t>(stage); }
    // False, and nothing changes, when the text was the stage's last one.
    bool Commit(int stage, std::wstring_view text, DpiPageActions& actions);
    void HideEditors(DpiPageActions& actions);

    Settings& live_;
    int openEditor_ = -1;
    // Per stage, so that the value just committed into one stage can still
    // be typed into the next.
    std::array<std::wstring, kDpiStageCount> committedText_;
};

}  // namespace norvale
