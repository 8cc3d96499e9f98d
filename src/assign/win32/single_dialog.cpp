#include "assign/win32/single_dialog.h"

#include <cwchar>

#include "assign/assign_resource_ids.h"
#include "platform/debug_output.h"
#include "skin/win32/ui_font_win32.h"
#include "text/ui_texts.h"
#include "ui/program_messages.h"

namespace norvale {
namespace {

constexpr DWORD kDisplayStyle = WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE;
constexpr DWORD kHoverMilliseconds = 1;
constexpr COLORREF kDisplayText = RGB(0, 0, 0);
constexpr COLORREF kDisplayBackground = RGB(255, 255, 255);

}  // namespace

CSingleDialog::CSingleDialog(std::wstring presetName)
    : WithMessageMap(IDD_SINGLE_KEY, kHoverMilliseconds), model_(UiLanguageCode(), std::move(presetName))
{
}

CSingleDialog::~CSingleDialog() = default;

const ui::MessageMap<CSingleDialog>& CSingleDialog::Map()
{
    using M = ui::MessageMap<CSingleDialog>;
    using D = CSingleDialog;
    static const M map{
        M::On(WM_SINGLE_KEY_CAPTURED, &D::OnKeyCaptured),
        M::On(WM_LBUTTONDOWN, &D::OnLeftButtonDown),
        M::On(WM_CTLCOLORSTATIC, &D::OnStaticColour),
        M::On(WM_DESTROY, &D::OnDestroy),
    };
    return map;
}

bool CSingleDialog::OnInitDialog()
{
    // Without its picture the dialog still ends by its drawn buttons, but
    // shows no texts and captures nothing.
    if (!SizeByBackground(kSingleKeyBackgroundFile, kSingleKeyLoadFailedText, kSingleKeyLoadFailedCaption)) {
        return true;
    }
    SetFont(CreateUiFont(SingleKeyDialogFont(UiLanguageCode(), RunsOnWindows8())));
    displayBrush_.Reset(CreateSolidBrush(kDisplayBackground));
    display_ = CreateNameDisplay(kKeyNameDisplayId, kKeyNameDisplayRect, kDisplayStyle, model_.KeyName());
    hook_ = std::make_unique<LowLevelKeyHook>([this](unsigned, const KeyEvent& event) { return NoteKeyEvent(event); });
    if (!hook_->Installed()) {
        wchar_t text[80];
        std::swprintf(text, std::size(text), std::wstring(kKeyHookFailedFormat).c_str(),
                      static_cast<int>(hook_->InstallError()));
        MessageBoxW(Handle(), text, nullptr, MB_OK);
        hook_.reset();
    }
    return true;
}

bool CSingleDialog::PreTranslateMessage(MSG& message)
{
    return SingleKeyDialogDropsMessage(message.message, message.wParam) || CDialog::PreTranslateMessage(message);
}

// Runs inside the hook: note the name and let the dialog show it in turn.
bool CSingleDialog::NoteKeyEvent(const KeyEvent& event)
{
    DebugLine(KeyEventDebugLine(event));
    captured_ = CapturedKeyName(event);
    Post(WM_SINGLE_KEY_CAPTURED);
    return true;
}

void CSingleDialog::OnKeyCaptured()
{
    model_.TakeCapturedKey(captured_);
    SetWindowTextW(display_, model_.KeyName().c_str());
    RedrawWindow(display_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

std::intptr_t CSingleDialog::OnLeftButtonDown(const ui::MouseArgs& mouse)
{
    if (const std::optional<DialogEnd> end = model_.Press(mouse.point)) {
        EndDialog(*end == DialogEnd::Ok ? IDOK : IDCANCEL);
    } else {
        DragFrom(mouse.point);
    }
    return Default();
}

// One brush, owned by the dialog, serves every request.
std::intptr_t CSingleDialog::OnStaticColour(const ui::Message& message)
{
    HDC surface = reinterpret_cast<HDC>(message.wParam);
    SetTextColor(surface, kDisplayText);
    SetBkMode(surface, TRANSPARENT);
    SelectObject(surface, Font());
    return reinterpret_cast<std::intptr_t>(displayBrush_.Get());
}

// However the dialog ends, the keyboard is released with it.
void CSingleDialog::OnDestroy() { hook_.reset(); }

}  // namespace norvale
