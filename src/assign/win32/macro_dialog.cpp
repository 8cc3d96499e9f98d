#include "assign/win32/macro_dialog.h"

#include "assign/assign_resource_ids.h"
#include "skin/win32/ui_font_win32.h"
#include "text/ui_texts.h"
#include "ui/dialog_keys.h"

namespace norvale {
namespace {

constexpr DWORD kDisplayStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOTIFY;
constexpr DWORD kHoverMilliseconds = 10;
constexpr COLORREF kControlText = RGB(255, 255, 255);
constexpr COLORREF kControlBackground = 0x282828;
// The list closes after it has told its choice, not while it is telling it.
constexpr UINT kCloseListMessage = WM_APP + 1;

}  // namespace

CMacroDialog::CMacroDialog(MacroNames macroNames)
    : WithMessageMap(IDD_MACRO_KEY, kHoverMilliseconds), macroNames_(std::move(macroNames)), model_(UiLanguageCode())
{
}

CMacroDialog::~CMacroDialog() = default;

const ui::MessageMap<CMacroDialog>& CMacroDialog::Map()
{
    using M = ui::MessageMap<CMacroDialog>;
    using D = CMacroDialog;
    static const M map{
        M::On(WM_LBUTTONDOWN, &D::OnLeftButtonDown),
        M::Command(kMacroListId, &D::OnListNotice),
        M::On(kCloseListMessage, &D::CloseList),
        M::On(WM_CTLCOLORSTATIC, &D::OnControlColour),
        M::On(WM_CTLCOLORLISTBOX, &D::OnControlColour),
    };
    return map;
}

bool CMacroDialog::OnInitDialog()
{
    if (!SizeByBackground(kMacroKeyBackgroundFile, kMacroKeyLoadFailedText, kMacroKeyLoadFailedCaption)) {
        return true;
    }
    SetFont(CreateUiFont(MacroDialogFont(UiLanguageCode())));
    controlBrush_.Reset(CreateSolidBrush(kControlBackground));
    display_ = CreateNameDisplay(kMacroNameDisplayId, kMacroNameDisplayRect, kDisplayStyle, model_.MacroName());
    return true;
}

bool CMacroDialog::PreTranslateMessage(MSG& message)
{
    return ui::IsSwallowedDialogKey(message.message, message.wParam) || CDialog::PreTranslateMessage(message);
}

void CMacroDialog::OpenList()
{
    if (list_) return;
    const ui::Rect& rect = kMacroListRect;
    list_ = CreateWindowExW(0, L"LISTBOX", L"", kListStyle, rect.left, rect.top, rect.Width(), rect.Height(), Handle(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMacroListId)), GetModuleHandleW(nullptr),
                            nullptr);
    if (!list_) return;
    SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    for (const std::wstring& name : macroNames_()) {
        SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
}

void CMacroDialog::CloseList()
{
    if (list_) DestroyWindow(list_);
    list_ = nullptr;
}

void CMacroDialog::OnListNotice(const ui::CommandArgs& command)
{
    if (command.code != LBN_SELCHANGE && command.code != LBN_DBLCLK) return;
    const LRESULT selected = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    std::optional<int> position;
    std::wstring name;
    if (selected != LB_ERR) {
        position = static_cast<int>(selected);
        name.resize(static_cast<std::size_t>(SendMessageW(list_, LB_GETTEXTLEN, selected, 0)));
        SendMessageW(list_, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(name.data()));
    }
    if (!model_.ListItemChosen(position, name)) return;
    SetWindowTextW(display_, model_.MacroName().c_str());
    RedrawWindow(display_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    Post(kCloseListMessage);
}

std::intptr_t CMacroDialog::OnLeftButtonDown(const ui::MouseArgs& mouse)
{
    using S = MacroDialogStep;
    const std::vector<S> steps = model_.Press(mouse.point);
    for (const S step : steps) {
        switch (step) {
        case S::CloseList: CloseList(); break;
        case S::EndOk: EndDialog(IDOK); break;
        case S::EndCancel: EndDialog(IDCANCEL); break;
        case S::OpenList: OpenList(); break;
        case S::Repaint: RepaintNow(); break;
        }
    }
    if (steps.empty()) DragFrom(mouse.point);
    return Default();
}

// One brush, owned by the dialog, serves every request.
std::intptr_t CMacroDialog::OnControlColour(const ui::Message& message)
{
    HDC surface = reinterpret_cast<HDC>(message.wParam);
    SetTextColor(surface, kControlText);
    SetBkMode(surface, TRANSPARENT);
    SetBkColor(surface, kControlBackground);
    SelectObject(surface, Font());
    return reinterpret_cast<std::intptr_t>(controlBrush_.Get());
}

}  // namespace norvale
