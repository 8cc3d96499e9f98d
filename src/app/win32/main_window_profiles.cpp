// The profile list over the left column, and what the main window does for
// the actions it posts: switching, importing and exporting profiles.
#include "app/win32/mouse_configuration_dlg.h"
#include "app/win32/profile_file_dialog.h"
#include "settings/profile_transfer.h"
#include "settings/profile_list_texts.h"
#include "text/ui_texts.h"
#include "ui/win32/native_window.h"

namespace norvale {
namespace {

constexpr MainButton kCoveredHeaders[] = {MainButton::AssignmentHeader, MainButton::MacroHeader,
                                          MainButton::AxisHeader};

}  // namespace

void CMouseConfigurationDlg::OpenProfileList()
{
    if (profileWindow_) return;
    profileWindow_ = std::make_unique<CConfigDialog>(settingsFiles_, fileSystem_, profileFile_);
    if (!profileWindow_->Create(Handle())) {
        profileWindow_.reset();
        return;
    }
    TheSettingsRecord().profileListWindow = ui::OpaqueWindow(profileWindow_->Handle());
    ::ShowWindow(profileWindow_->Handle(), SW_SHOW);
    SetForegroundWindow(profileWindow_->Handle());
    for (const MainButton header : kCoveredHeaders) ::ShowWindow(controls_.Button(header).Handle(), SW_HIDE);
    if (!model_.sections.AssignmentCollapsed()) ShowFunctionButtons(Visibility::Hide);
    if (!model_.sections.AxisCollapsed()) {
        ::ShowWindow(controls_.Slider(0).Handle(), SW_HIDE);
        ::ShowWindow(controls_.Slider(1).Handle(), SW_HIDE);
    }
    profileSwitch_.lastLoadedProfile = profileWindow_->SelectedProfile();
}

void CMouseConfigurationDlg::CloseProfileList()
{
    if (!profileWindow_) return;
    DestroyWindow(profileWindow_->Handle());
    profileWindow_.reset();
    TheSettingsRecord().profileListWindow = ui::WindowHandle::None;
    ShowSectionHeaders();
    if (!model_.sections.AssignmentCollapsed()) {
        ShowFunctionButtons(Visibility::Show);
        RefreshButtonLabels();
    }
    if (!model_.sections.AxisCollapsed()) {
        ::ShowWindow(controls_.Slider(0).Handle(), SW_SHOW);
        ::ShowWindow(controls_.Slider(1).Handle(), SW_SHOW);
    }
}

void CMouseConfigurationDlg::OnProfileAction(const ui::ProfileActionArgs& action)
{
    for (const ProfileStepAction& step : DecideProfileAction(profileSwitch_, action.action, action.position)) {
        CarryProfileStep(step);
    }
}

void CMouseConfigurationDlg::CarryProfileStep(const ProfileStepAction& action)
{
    using P = ProfileStep;
    switch (action.step) {
    case P::ImportProfile: ImportProfile(); break;
    case P::ExportProfile: ExportProfile(); break;
    case P::LoadSettings: Carry({{MainStep::LoadSettings}}); break;
    case P::SetProfileIndex: TheSettingsRecord().live.profileIndex = static_cast<std::uint8_t>(action.argument); break;
    case P::LoadProfile: settingsFiles_.LoadProfile(action.argument); break;
    case P::LoadLabelTexts: Carry({{MainStep::LoadLabelTexts}}); break;
    case P::ClearDefaultsRequested: settingsFiles_.defaultsRequested = false; break;
    case P::RefreshAxisSliders:
    case P::SetAxisSlidersFromSettings: RefreshAxisSliders(); break;
    case P::CollapseSections: CollapseSections(); break;
    case P::RefreshPages: column_.RefreshAllPages(); break;
    case P::RefreshButtonLabels: RefreshButtonLabels(); break;
    case P::CloseProfileList: CloseProfileList(); break;
    case P::SaveSettings: Carry({{MainStep::SaveSettings}}); break;
    case P::SaveLabelTexts: Carry({{MainStep::SaveLabelTexts}}); break;
    }
}

void CMouseConfigurationDlg::ImportProfile()
{
    const std::optional<std::wstring> chosen =
        ChooseProfileFile(Handle(), ProfileFileDialog::Open, settingsFiles_.settingsFilePath());
    if (!chosen) return;
    ProfileTransfer transfer(settingsFiles_, TheSettingsRecord().live, fileSystem_, profileFile_);
    const ProfileImport result = transfer.Import(*chosen, Captions().languageSection);
    if (result.refusal) {
        const ProfileListTexts texts = ProfileListTextsFor(CurrentUiLanguage());
        MessageBoxW(Handle(), std::wstring(ImportFaultMessage(*result.refusal, CurrentUiLanguage())).c_str(),
                    std::wstring(texts.warningCaption).c_str(), MB_OK);
        return;
    }
    if (result.labels) model_.buttonLabel = *result.labels;
}

void CMouseConfigurationDlg::ExportProfile()
{
    const std::optional<std::wstring> chosen =
        ChooseProfileFile(Handle(), ProfileFileDialog::Save, settingsFiles_.settingsFilePath());
    if (!chosen) return;
    ProfileTransfer transfer(settingsFiles_, TheSettingsRecord().live, fileSystem_, profileFile_);
    const ButtonCaptions captions = Captions();
    transfer.Export(*chosen, captions.languageSection, captions.captions);
}

}  // namespace norvale
