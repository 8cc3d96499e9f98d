#include "app/win32/config_dialog.h"

#include "app/resource_ids.h"
#include "settings/profile_files_shift.h"
#include "skin/win32/module_directory.h"
#include "skin/win32/ui_font_win32.h"
#include "assign/single_key_dialog_model.h"
#include "text/ui_texts.h"
#include "ui/dialog_keys.h"
#include "ui/program_messages.h"
#include "ui/win32/native_rect.h"

namespace norvale {
namespace {

constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
constexpr int kFontHeight = 13;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kListText = 0xFAFAFA;
constexpr COLORREF kListBackground = 0x282828;
constexpr COLORREF kSelectedRow = RGB(72, 24, 24);

enum : UINT {
    kDeleteCommand = 32781,
    kEditCommand = 32782,
    kCopyCommand = 32783,
    kLoadCommand = 32784,
    kSaveCommand = 32785,
};

}  // namespace

CConfigDialog::CConfigDialog(SettingsFiles& settingsFiles, FileSystem& files, ProfileFile& profiles)
    : WithMessageMap(IDD_PROFILE_LIST),
      settingsFiles_(settingsFiles),
      files_(files),
      profiles_(profiles),
      texts_(ProfileListTextsFor(CurrentUiLanguage()))
{
}

CConfigDialog::~CConfigDialog() = default;

const ui::MessageMap<CConfigDialog>& CConfigDialog::Map()
{
    using M = ui::MessageMap<CConfigDialog>;
    using D = CConfigDialog;
    static const M map{
        M::On(WM_PAINT, &D::OnPaint),
        M::On(WM_ERASEBKGND, &D::OnEraseBackground),
        M::On(WM_LBUTTONDOWN, &D::OnLeftButtonDown),
        M::On(WM_LBUTTONDBLCLK, &D::OnLeftButtonDown),  // two quick clicks on New make two profiles
        M::Command(kProfileListId, &D::OnList),
        M::CommandRange(kDeleteCommand, kSaveCommand, &D::OnMenuCommand),
        M::On(WM_CTLCOLORSTATIC, &D::OnStaticColour),
        M::On(WM_CTLCOLORLISTBOX, &D::OnListColour),
    };
    return map;
}

bool CConfigDialog::OnInitDialog()
{
    if (!canvas_.Load(SkinPath(kProfileWindowBackgroundFile))) {
        MessageBoxW(Handle(), std::wstring(kProfileWindowLoadFailedText).c_str(),
                    std::wstring(kProfileWindowLoadFailedCaption).c_str(), MB_OK);
        return true;
    }
    const ui::Size size = canvas_.Size();
    SetWindowPos(Handle(), HWND_TOP, 0, 0, size.width, size.height, 0);
    FontSpec font = SingleKeyDialogFont(UiLanguageCode(), RunsOnWindows8());
    font.height = kFontHeight;
    font_ = CreateUiFont(font);
    listBrush_.Reset(CreateSolidBrush(kListBackground));
    listBox_.Create(kListStyle, ui::NativeRect(kProfileListRect), *this, kProfileListId);
    listBox_.SetItemColours(kSelectedRow, kWhite);
    SendMessageW(listBox_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    if (const std::optional<int> current = list_.Fill(files_, profiles_, settingsFiles_.profileListPath())) {
        settingsFiles_.profileNumber = static_cast<std::uint8_t>(*current);
    }
    ShowList();
    return true;
}

void CConfigDialog::ShowList() { listBox_.ShowRows(list_.names(), list_.selection()); }

void CConfigDialog::Tell(const ProfileAction& action) const
{
    PostMessageW(GetParent(Handle()), WM_PROFILE_ACTION, static_cast<WPARAM>(action.kind),
                 static_cast<LPARAM>(action.position));
}

bool CConfigDialog::PreTranslateMessage(MSG& message)
{
    if (message.message == WM_LEBEDIT_END && message.hwnd == listBox_.Handle()) {
        const int row = static_cast<int>(message.lParam);
        list_.Rename(row, listBox_.RowText(row));
    }
    if (message.message == WM_RBUTTONDOWN && message.hwnd == listBox_.Handle()) {
        OpenContextMenu();
        return true;
    }
    return ui::IsSwallowedDialogKey(message.message, message.wParam) || CDialog::PreTranslateMessage(message);
}

std::intptr_t CConfigDialog::OnPaint()
{
    PaintSkinnedWindow(Handle(), canvas_, ProfileWindowPaint({texts_.title, texts_.newProfile, texts_.deleteProfile}),
                       font_.Get());
    return 0;
}

std::intptr_t CConfigDialog::OnLeftButtonDown(const ui::MouseArgs& mouse)
{
    const std::optional<ProfileWindowArea> area = ProfileWindowAreaAt(mouse.point);
    if (area == ProfileWindowArea::Close) {
        if (const std::optional<int> current = list_.Save(files_, profiles_, settingsFiles_.profileListPath())) {
            settingsFiles_.profileNumber = static_cast<std::uint8_t>(*current);
        }
        Tell(list_.Closing());
    } else if (area == ProfileWindowArea::New) {
        AddProfile();
    } else if (area == ProfileWindowArea::Delete) {
        DeleteProfile();
    }
    return Default();
}

void CConfigDialog::AddProfile()
{
    if (list_.AddNew(texts_.profileWord) == ProfileList::NewOutcome::LimitReached) {
        MessageBoxW(Handle(), std::wstring(texts_.limitMessage).c_str(), std::wstring(texts_.warningCaption).c_str(),
                    MB_OK);
        return;
    }
    ShowList();
}

// The files' contents move down with the names, so no other profile changes.
void CConfigDialog::DeleteProfile()
{
    const int before = static_cast<int>(list_.names().size());
    const std::optional<int> removed = list_.DeleteSelected();
    if (!removed) return;
    ShiftProfileFilesDown(files_, profiles_, settingsFiles_.executablePath(), *removed, before);
    Tell({ProfileActionKind::Deleted, *removed});
    ShowList();
}

void CConfigDialog::ChooseSelected()
{
    const int position = listBox_.SelectedRow();
    if (position < 0) return;
    list_.Select(position);
    if (list_.Choose(position)) listBox_.BeginEdit(position, EditorMode::ProfileName);
}

void CConfigDialog::OnList(const ui::CommandArgs& command)
{
    if (command.code == LBN_SELCHANGE || command.code == LBN_DBLCLK) ChooseSelected();
}

void CConfigDialog::OpenContextMenu()
{
    HMENU resource = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_PROFILE_LIST_MENU));
    if (!resource) return;
    HMENU menu = GetSubMenu(resource, 0);
    const std::pair<UINT, std::wstring_view> items[] = {
        {kDeleteCommand, texts_.deleteProfile}, {kEditCommand, texts_.edit}, {kCopyCommand, texts_.copy},
        {kLoadCommand, texts_.load},            {kSaveCommand, texts_.save},
    };
    for (const auto& [id, text] : items) {
        ModifyMenuW(menu, id, MF_BYCOMMAND | MF_STRING, id, std::wstring(text).c_str());
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, Handle(), nullptr);
    DestroyMenu(resource);
}

void CConfigDialog::OnMenuCommand(const ui::CommandArgs& command)
{
    std::optional<ProfileAction> action;
    switch (command.id) {
    case kDeleteCommand: DeleteProfile(); return;
    case kEditCommand: ChooseSelected(); return;
    case kCopyCommand:
        if (list_.CopySelected(texts_.copy)) ShowList();
        return;
    case kLoadCommand: action = list_.ImportSelected(); break;
    case kSaveCommand: action = list_.ExportSelected(); break;
    default: return;
    }
    if (!action) return;
    settingsFiles_.profileNumber = static_cast<std::uint8_t>(action->position);
    Tell(*action);
}

std::intptr_t CConfigDialog::OnStaticColour(const ui::Message& message)
{
    HDC surface = reinterpret_cast<HDC>(message.wParam);
    SetTextColor(surface, kWhite);
    SetBkMode(surface, TRANSPARENT);
    return reinterpret_cast<std::intptr_t>(GetStockObject(NULL_BRUSH));
}

std::intptr_t CConfigDialog::OnListColour(const ui::Message& message)
{
    HDC surface = reinterpret_cast<HDC>(message.wParam);
    SetTextColor(surface, kListText);
    SetBkColor(surface, kListBackground);
    return reinterpret_cast<std::intptr_t>(listBrush_.Get());
}

}  // namespace norvale
