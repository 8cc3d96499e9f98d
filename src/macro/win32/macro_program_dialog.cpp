#include "macro/win32/macro_program_dialog.h"

#include <cwchar>

#include "assign/win32/ex_menu.h"
#include "macro/macro_line_edits.h"
#include "macro/macro_resource_ids.h"
#include "platform/debug_output.h"
#include "skin/ui_font.h"
#include "skin/win32/module_directory.h"
#include "skin/win32/ui_font_win32.h"
#include "text/ui_texts.h"
#include "ui/dialog_keys.h"
#include "ui/program_messages.h"
#include "ui/win32/native_rect.h"

namespace norvale {
namespace {

constexpr DWORD kNameListStyle = WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY;
constexpr DWORD kLoopCountStyle = WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_CENTER;
constexpr DWORD kHoverMilliseconds = 10;
constexpr COLORREF kSelectedRow = RGB(72, 24, 24);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kEditBackground = RGB(34, 24, 21);
constexpr COLORREF kListBackground = RGB(109, 109, 109);
constexpr std::uintptr_t kLeftWindowsKey = 91;
constexpr std::uintptr_t kRightWindowsKey = 92;
constexpr wchar_t kRecordNormal[] = L"\\skins/MacroManagement/Record-normal.png";
constexpr wchar_t kRecordOver[] = L"\\skins/MacroManagement/Record-over.png";

bool IsChinese(std::wstring_view code) { return code == L"CHS" || code == L"CHT"; }

int Position(std::optional<std::size_t> position)
{
    return position ? static_cast<int>(*position) : -1;
}

}  // namespace

CMacroProgramDialog::CMacroProgramDialog(std::wstring storePath, ProfileFile& profiles, FileSystem& files, Clock& clock)
    : WithMessageMap(IDD_MACRO_MANAGER, kHoverMilliseconds), file_(std::move(storePath), profiles, files), store_(file_, clock), clock_(clock)
{
}

CMacroProgramDialog::~CMacroProgramDialog() = default;

const ui::MessageMap<CMacroProgramDialog>& CMacroProgramDialog::Map()
{
    using M = ui::MessageMap<CMacroProgramDialog>;
    using D = CMacroProgramDialog;
    static const M map{
        M::On(WM_LBUTTONDOWN, &D::OnLeftButtonDown),
        M::Command(kMacroNameListId, &D::OnNameList),
        M::Command(kMacroEventListId, &D::OnEventList),
        M::CommandRange(kDeleteLineCommand, kInsertDelayCommand, &D::OnLineCommand),
        M::On(WM_MACRO_KEY_EVENT, &D::OnMacroKeyEvent),
        M::On(WM_CTLCOLOREDIT, &D::OnEditColour),
        M::On(WM_CTLCOLORSTATIC, &D::OnEditColour),  // the loop-count edit while disabled
        M::On(WM_CTLCOLORLISTBOX, &D::OnListColour),
        M::On(WM_MEASUREITEM, &D::OnMenuOwnerDraw),
        M::On(WM_DRAWITEM, &D::OnMenuOwnerDraw),
        M::On(WM_DESTROY, &D::OnDestroy),
    };
    return map;
}

bool CMacroProgramDialog::OnInitDialog()
{
    const std::wstring& language = UiLanguageCode();
    model_ = std::make_unique<MacroWindowModel>(language);
    // Without its picture the window has no size to show anything in.
    if (!SizeByBackground(kMacroWindowBackgroundFile, kMacroWindowLoadFailedText, kMacroWindowLoadFailedCaption)) {
        EndDialog(IDCANCEL);
        return true;
    }
    SetFont(CreateUiFont({UiFontFace(language), 12, 400, DEFAULT_CHARSET, 0, 32}));
    editBrush_.Reset(CreateSolidBrush(kEditBackground));
    listBrush_.Reset(CreateSolidBrush(kListBackground));
    state_.recordingActive = false;
    CreateControls();
    capture_ = std::make_unique<SystemKeyCapture>(recordHook_, Handle());
    recorder_ = std::make_unique<MacroRecorder>(store_, recordHook_, *capture_, clock_);

    state_.names.clear();
    state_.selection.reset();
    state_.lines.clear();
    state_.lineSelection.reset();
    state_.recording = false;
    store_.ListMacros(state_);
    ShowNames();
    ShowLines();
    ShowLoopCount();
    EnableWindow(loopCount_.Handle(), !state_.names.empty());
    ShowRecordButton();
    return true;
}

void CMacroProgramDialog::CreateControls()
{
    names_.Create(kNameListStyle, ui::NativeRect(kMacroNameListRect), *this, kMacroNameListId);
    events_.SubclassWindow(GetDlgItem(Handle(), IDC_MACRO_EVENT_LIST));
    const ui::Rect& place = kMacroEventListRect;
    MoveWindow(events_.Handle(), place.left, place.top, place.Width(), place.Height(), TRUE);
    for (CListBoxEx* list : {&names_, &events_}) {
        list->SetItemColours(kSelectedRow, kWhite);
        SendMessageW(list->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
    }

    loopCount_.Create(kLoopCountStyle, ui::NativeRect(kLoopCountEditRect), *this, kLoopCountEditId);
    SendMessageW(loopCount_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
    loopCount_.SetChangeHandler([this] {
        if (showingLoopCount_) return;
        state_.loopCountText = loopCount_.Text();
        store_.WriteLoopTimes(state_);
        if (state_.loopCountText != loopCount_.Text()) ShowLoopCount();
    });

    SkinPictures& pictures = Canvas().Pictures();
    HBITMAP normal = pictures.Picture(SkinPath(kRecordNormal)).Handle();
    HBITMAP over = pictures.Picture(SkinPath(kRecordOver)).Handle();
    recordButton_.Create(ui::NativeRect(kRecordButtonRect), *this, 0);
    recordButton_.SetStateBitmaps(0, 0, 122, 24, normal, over, over, normal);
    recordButton_.SetFontFace(std::wstring(UiFontFace(UiLanguageCode())));
    recordButton_.SetCaptionFontHeight(IsChinese(UiLanguageCode()) ? 12 : 14);
    recordButton_.SetClickHandler([this] {
        Carry(state_.recording ? recorder_->StopRecording(state_) : recorder_->StartRecording(state_));
    });
}

void CMacroProgramDialog::ShowNames() { names_.ShowRows(state_.names, Position(state_.selection)); }

void CMacroProgramDialog::ShowLines() { events_.ShowRows(state_.lines, Position(state_.lineSelection)); }

void CMacroProgramDialog::ShowLoopCount()
{
    showingLoopCount_ = true;
    SetWindowTextW(loopCount_.Handle(), state_.loopCountText.c_str());
    showingLoopCount_ = false;
}

void CMacroProgramDialog::ShowRecordButton()
{
    const MacroWindowTexts& texts = model_->Texts();
    recordButton_.SetCaption(std::wstring(state_.recording ? texts.stopRecording : texts.startRecording));
    recordButton_.SetLit(state_.recording);
    RedrawWindow(recordButton_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CMacroProgramDialog::Carry(const RecorderOutcome& outcome)
{
    if (outcome.recordButtonChanged) {
        ShowRecordButton();
        EnableWindow(loopCount_.Handle(), state_.loopCountChecked);
        ShowLines();
    }
    if (outcome.lineAdded && !state_.lines.empty()) {
        state_.lineSelection = state_.lines.size() - 1;  // scrolls to the end
        ShowLines();
    }
    if (!outcome.message.empty()) MessageBoxW(Handle(), outcome.message.c_str(), nullptr, MB_OK);
}

std::intptr_t CMacroProgramDialog::OnLeftButtonDown(const ui::MouseArgs& mouse)
{
    for (const MacroWindowStep step : model_->Press(mouse.point)) {
        if (step == MacroWindowStep::Drag) {
            DragFrom(mouse.point);
        } else {
            CarryPress(step);
        }
    }
    return Default();
}

void CMacroProgramDialog::CarryPress(MacroWindowStep step)
{
    using S = MacroWindowStep;
    switch (step) {
    case S::StopRecording: Carry(recorder_->StopRecording(state_)); break;
    case S::StoreSelectedMacro: store_.OnWriteMacroToIni(state_); break;
    case S::BuildImages: store_.OnBnMacroSave(state_); break;
    case S::EndOk: EndDialog(IDOK); break;
    case S::EndCancel: EndDialog(IDCANCEL); break;
    case S::ToggleDelayOption:
        state_.recordDelays = !state_.recordDelays;
        RepaintNow();
        break;
    case S::ToggleLoopOption:
        state_.loopCountChecked = !state_.loopCountChecked;
        EnableWindow(loopCount_.Handle(), state_.loopCountChecked);
        RepaintNow();
        break;
    case S::NewMacro: NewMacro(); break;
    case S::DeleteMacro:
        store_.DeleteMacro(state_);
        ShowNames();
        ShowLines();
        ShowLoopCount();
        RepaintNow();
        break;
    case S::Drag: break;
    }
}

void CMacroProgramDialog::NewMacro()
{
    const MacroWindowTexts& texts = model_->Texts();
    const std::optional<std::wstring> name = NewMacroName(state_.names, texts.macroWord);
    if (!name) {
        MessageBoxW(Handle(), std::wstring(texts.limit).c_str(), std::wstring(texts.attention).c_str(), MB_OK);
        return;
    }
    state_.names.push_back(*name);
    state_.selection = state_.names.size() - 1;
    state_.lines.clear();
    state_.lineSelection.reset();
    state_.loopCountText = L"1";
    Carry(recorder_->OnMacroNameListSelchange(state_));
    ShowNames();
    ShowLines();
    ShowLoopCount();
    RepaintNow();
}

void CMacroProgramDialog::SelectMacro()
{
    const int selected = names_.SelectedRow();
    if (selected < 0) return;
    state_.selection = static_cast<std::size_t>(selected);
    state_.lineSelection.reset();
    Carry(recorder_->OnMacroNameListSelchange(state_));
    ShowLines();
    ShowLoopCount();
    RepaintNow();
}

void CMacroProgramDialog::OnNameList(const ui::CommandArgs& command)
{
    if (command.code == LBN_SELCHANGE) SelectMacro();
    if (command.code == LBN_DBLCLK && state_.selection) {
        names_.BeginEdit(static_cast<int>(*state_.selection), EditorMode::MacroName);
    }
}

void CMacroProgramDialog::OnEventList(const ui::CommandArgs& command)
{
    if (command.code != LBN_DBLCLK) return;
    const int line = events_.SelectedRow();
    if (line < 0 || !DoubleClickOpensDelayEditor(state_, static_cast<std::size_t>(line))) return;
    events_.BeginEdit(line, EditorMode::DelayLine);
    store_.OnWriteMacroToIni(state_);
}

void CMacroProgramDialog::OnLineCommand(const ui::CommandArgs& command)
{
    const int line = events_.SelectedRow();
    state_.lineSelection = line < 0 ? std::nullopt : std::optional(static_cast<std::size_t>(line));
    bool changed = false;
    switch (command.id) {
    case kDeleteLineCommand: changed = DeleteSelectedLine(state_); break;
    case kInsertLeftButtonCommand: changed = InsertMouseButtonLines(state_, L"L-Button"); break;
    case kInsertMiddleButtonCommand: changed = InsertMouseButtonLines(state_, L"M-Button"); break;
    case kInsertRightButtonCommand: changed = InsertMouseButtonLines(state_, L"R-Button"); break;
    case kInsertDelayCommand: changed = InsertDelayLine(state_); break;
    default: return;
    }
    if (!changed) return;
    ShowLines();
    store_.OnWriteMacroToIni(state_);
}

void CMacroProgramDialog::OnMacroKeyEvent(const ui::Message& message)
{
    Carry(recorder_->OnMacroKeyEvent(state_, static_cast<KeyTransition>(message.wParam)));
}

bool CMacroProgramDialog::OpenContextMenu(const MSG& message)
{
    if (message.hwnd != events_.Handle() || events_.SelectedRow() < 0) return false;
    Carry(recorder_->StopRecording(state_));
    const MacroWindowTexts& texts = model_->Texts();
    CExMenu menu(Font());
    if (!menu.CreatePopupMenu()) return true;
    menu.AppendItem(kDeleteLineCommand, texts.deleteText);
    menu.AppendItem(kInsertLeftButtonCommand, texts.insertLeftButton);
    menu.AppendItem(kInsertMiddleButtonCommand, texts.insertMiddleButton);
    menu.AppendItem(kInsertRightButtonCommand, texts.insertRightButton);
    menu.AppendItem(kInsertDelayCommand, texts.insertDelay);
    menu.SetItemWidth(kContextMenuItemWidth);
    POINT cursor{};
    GetCursorPos(&cursor);
    TrackPopupMenu(menu.Handle(), TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, Handle(), nullptr);
    return true;
}

// An in-place edit ended and its list shows the result: the store follows.
void CMacroProgramDialog::EndOfEdit(const MSG& message)
{
    wchar_t line[128];
    std::swprintf(line, std::size(line), L"finish listbox editing,WM_LEBEDIT_END:pMsg->wParam=%d,pMsg->lParam=%d\n",
                  static_cast<int>(message.wParam), static_cast<int>(message.lParam));
    DebugLine(line);
    const int row = static_cast<int>(message.lParam);
    if (message.hwnd == names_.Handle() && row >= 0 && static_cast<std::size_t>(row) < state_.names.size()) {
        std::wstring& name = state_.names[static_cast<std::size_t>(row)];
        const std::wstring typed = names_.RowText(row);
        if (typed != name) {
            if (IsAcceptableMacroName(state_.names, static_cast<std::size_t>(row), typed)) {
                file_.DeleteSection(name);
                name = typed;
            } else {
                names_.ReplaceRow(row, name);
                const MacroWindowTexts& texts = model_->Texts();
                MessageBoxW(Handle(), std::wstring(texts.renameRefused).c_str(), std::wstring(texts.attention).c_str(),
                            MB_OK);
            }
        }
    } else if (message.hwnd == events_.Handle() && row >= 0 && static_cast<std::size_t>(row) < state_.lines.size()) {
        state_.lines[static_cast<std::size_t>(row)] = events_.RowText(row);
    }
    store_.SaveEditedMacro(state_);
}

bool CMacroProgramDialog::PreTranslateMessage(MSG& message)
{
    if (message.message == WM_LEBEDIT_END &&
        (message.hwnd == names_.Handle() || message.hwnd == events_.Handle())) {
        EndOfEdit(message);
    }
    if (message.wParam == kLeftWindowsKey || message.wParam == kRightWindowsKey) return true;
    if (ui::IsSwallowedDialogKey(message.message, message.wParam)) return true;
    if (message.message == WM_RBUTTONDOWN && OpenContextMenu(message)) return true;
    return CDialog::PreTranslateMessage(message);
}

std::intptr_t CMacroProgramDialog::OnEditColour(const ui::Message& message)
{
    HDC surface = reinterpret_cast<HDC>(message.wParam);
    SetBkMode(surface, TRANSPARENT);
    SetTextColor(surface, kWhite);
    return reinterpret_cast<std::intptr_t>(editBrush_.Get());
}

std::intptr_t CMacroProgramDialog::OnListColour(const ui::Message& message)
{
    HDC surface = reinterpret_cast<HDC>(message.wParam);
    SetTextColor(surface, kWhite);
    SetBkColor(surface, kListBackground);
    return reinterpret_cast<std::intptr_t>(listBrush_.Get());
}

std::intptr_t CMacroProgramDialog::OnMenuOwnerDraw(const ui::Message& message)
{
    if (auto handled = RouteMenuOwnerDraw(message.id, message.wParam, message.lParam)) return *handled;
    return Default();
}

// However the window ends, the keyboard is released with it.
void CMacroProgramDialog::OnDestroy()
{
    if (capture_) capture_->Remove();
    state_.recording = false;
    state_.recordingActive = false;
}

}  // namespace norvale
