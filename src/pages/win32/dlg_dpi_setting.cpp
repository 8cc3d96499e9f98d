#include "pages/win32/dlg_dpi_setting.h"

#include <variant>

#include "pages/dpi_page_layout.h"
#include "pages/page_resource_ids.h"
#include "pages/win32/stage_colour_dialog.h"
#include "skin/slider_marker_model.h"
#include "skin/ui_font.h"
#include "skin/win32/module_directory.h"
#include "text/ui_texts.h"
#include "ui/dialog_keys.h"
#include "ui/win32/native_rect.h"

namespace norvale {
namespace {

constexpr int kPageFontHeight = 10;
constexpr COLORREF kEditorText = RGB(255, 255, 255);
constexpr COLORREF kEditorTextBackground = RGB(0, 0, 0);
constexpr COLORREF kEditorBackground = 0x282828;

}  // namespace

CDlgDPISetting::CDlgDPISetting()
    : WithMessageMap(IDD_DPI_SETTING, kDpiBackground), model_(TheSettingsRecord().live)
{
}

const ui::MessageMap<CDlgDPISetting>& CDlgDPISetting::Map()
{
    using M = ui::MessageMap<CDlgDPISetting>;
    using D = CDlgDPISetting;
    static const M map{
        M::On(WM_LBUTTONDOWN, &D::OnLeftButtonDown),
        // The vertical sliders report drags with the same message as
        // releases; both go to one handler so the stage follows a drag live.
        M::On(WM_MARKER_CHANGED, &D::OnMarker),
        M::On(WM_MARKER_TRACKING, &D::OnMarker),
        M::On(WM_CTLCOLORSTATIC, &D::OnStaticColour),
        M::On(WM_CTLCOLOREDIT, &D::OnEditColour),
    };
    return map;
}

bool CDlgDPISetting::OnInitDialog()
{
    CSkinnedPage::OnInitDialog();
    CreateControls();
    Refresh();
    // The page takes no focus of its own: the column's window keeps it.
    return false;
}

void CDlgDPISetting::CreateControls()
{
    const HBITMAP empty = SharedSkinPictures().Picture(SkinPath(kDpiTrackEmpty)).Handle();
    const HBITMAP full = SharedSkinPictures().Picture(SkinPath(kDpiTrackFull)).Handle();
    for (int stage = 0; stage < kDpiPageStageCount; ++stage) {
        const ui::Rect& at = DpiStage(stage).slider;
        CDMarkerV& slider = sliders_[static_cast<std::size_t>(stage)];
        slider.Create(at.left, at.top, at.right, at.bottom, Handle(), static_cast<UINT>(kDpiSliderFirstId + stage));
        slider.SetTrackPictures(0, 0, kDpiTrackCut.width, kDpiTrackCut.height, empty, full);
        slider.SetRange(0, kDpiSliderMaximum);
    }
    for (int stage = 0; stage < kDpiPageStageCount; ++stage) {
        swatches_[static_cast<std::size_t>(stage)].CreateControl(
            L"STATIC", L"", WS_VISIBLE | SS_CENTER, ui::NativeRect(DpiStage(stage).swatch), *this,
            static_cast<UINT>(kDpiSwatchFirstId + stage));
    }
    for (int stage = 0; stage < kDpiPageStageCount; ++stage) {
        ui::CWnd& editor = Editor(stage);
        editor.CreateControl(L"EDIT", L"", ES_NUMBER | ES_CENTER | ES_AUTOHSCROLL,
                             ui::NativeRect(DpiStage(stage).editor), *this,
                             static_cast<UINT>(kDpiEditorFirstId + stage));
        editor.Send(EM_LIMITTEXT, kDpiEditorCharacters);
    }
}

void CDlgDPISetting::Refresh()
{
    Carry(model_.Refresh());
}

bool CDlgDPISetting::PreTranslateMessage(MSG& message)
{
    // Enter takes the typed value, then goes the way of the page's other
    // swallowed keys.
    if (ui::IsSwallowedDialogKey(message.message, message.wParam) && message.wParam == VK_RETURN) {
        if (const int stage = FocusedEditor(); stage >= 0) Carry(model_.CommitEditor(stage, EditorText(stage)));
    }
    return CSettingsPage::PreTranslateMessage(message);
}

std::wstring CDlgDPISetting::EditorText(int stage)
{
    const HWND editor = Editor(stage).Handle();
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(editor)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(editor, text.data(), static_cast<int>(text.size()))));
    return text;
}

int CDlgDPISetting::FocusedEditor() const
{
    const HWND focus = GetFocus();
    if (!focus) return -1;
    for (int stage = 0; stage < kDpiPageStageCount; ++stage) {
        if (editors_[static_cast<std::size_t>(stage)].Handle() == focus) return stage;
    }
    return -1;
}

void CDlgDPISetting::Carry(const DpiPageActions& actions)
{
    for (const DpiPageAction& action : actions) {
        std::visit([this](const auto& step) { Do(step); }, action);
    }
}

void CDlgDPISetting::Do(const HideDpiEditors&)
{
    for (const ui::CWnd& editor : editors_) ShowWindow(editor.Handle(), SW_HIDE);
}

void CDlgDPISetting::Do(const SetDpiEditorText& action)
{
    SetWindowTextW(Editor(action.stage).Handle(), action.text.c_str());
}

void CDlgDPISetting::Do(const ShowDpiEditor& action)
{
    ShowWindow(Editor(action.stage).Handle(), SW_SHOWNA);
}

void CDlgDPISetting::Do(const SetDpiSlider& action)
{
    sliders_[static_cast<std::size_t>(action.stage)].SetValue(action.value);
}

void CDlgDPISetting::Do(const RepaintDpiArea& action)
{
    const RECT area = ui::NativeRect(action.area);
    InvalidateRect(Handle(), &area, FALSE);
}

void CDlgDPISetting::Do(const RepaintDpiPage&)
{
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CDlgDPISetting::Do(const ChooseDpiColour& action)
{
    const std::optional<Rgb> colour = ChooseStageColour(Handle());
    if (!colour) return;
    model_.StoreColour(action.stage, *colour);
    InvalidateRect(swatches_[static_cast<std::size_t>(action.stage)].Handle(), nullptr, TRUE);
}

FontSpec CDlgDPISetting::PageFont() const
{
    return {UiFontFace(UiLanguageCode()), kPageFontHeight, 0, ANSI_CHARSET};
}

std::intptr_t CDlgDPISetting::OnLeftButtonDown(const ui::MouseArgs& mouse)
{
    const int open = model_.OpenEditor();
    Carry(model_.Press(mouse.point, open >= 0 ? EditorText(open) : std::wstring()));
    return Default();
}

void CDlgDPISetting::OnMarker(const ui::MarkerArgs& marker)
{
    Carry(model_.MoveSlider(marker.controlId, marker.value));
}

std::optional<std::intptr_t> CDlgDPISetting::OnStaticColour(const ui::Message& message)
{
    const std::optional<Rgb> colour = model_.SwatchColour(GetDlgCtrlID(reinterpret_cast<HWND>(message.lParam)));
    if (!colour) return std::nullopt;
    SetBkMode(reinterpret_cast<HDC>(message.wParam), TRANSPARENT);
    return HandOutBrush(RGB(colour->red, colour->green, colour->blue));
}

std::intptr_t CDlgDPISetting::OnEditColour(const ui::Message& message)
{
    const auto surface = reinterpret_cast<HDC>(message.wParam);
    SetTextColor(surface, kEditorText);
    SetBkColor(surface, kEditorTextBackground);
    SelectObject(surface, Font());
    return HandOutBrush(kEditorBackground);
}

std::intptr_t CDlgDPISetting::HandOutBrush(COLORREF colour)
{
    brush_.Reset(CreateSolidBrush(colour));
    return reinterpret_cast<std::intptr_t>(brush_.Get());
}

}  // namespace norvale
