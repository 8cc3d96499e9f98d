// How the main window carries out what its model decides: each step of a
// click, a tray gesture or a hot-plug notice becomes calls on the controls,
// the settings, the files and the mouse.
#include "app/device_notification.h"
#include "app/hot_plug.h"
#include "app/win32/mouse_configuration_dlg.h"
#include "assign/win32/ex_menu.h"
#include "device/device_commands.h"
#include "encoding/device_state_area.h"
#include "encoding/factory_reset.h"
#include "platform/debug_output.h"
#include "text/factory_labels.h"
#include "text/ui_texts.h"
#include "ui/program_messages.h"
#include "ui/win32/native_rect.h"

namespace norvale {
namespace {

constexpr LONG_PTR kAppWindowStyle = WS_EX_APPWINDOW;
constexpr LONG_PTR kToolWindowStyle = WS_EX_TOOLWINDOW;

void Place(HWND window, const ui::Rect& rect)
{
    MoveWindow(window, rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
}

void Show(HWND window, Visibility visibility)
{
    if (visibility != Visibility::Unchanged) ShowWindow(window, visibility == Visibility::Show ? SW_SHOW : SW_HIDE);
}

}  // namespace

void CMouseConfigurationDlg::Carry(const MainActions& actions)
{
    for (const MainAction& action : actions) {
        if (!CarryStep(action)) return;
    }
}

// Returns false when the rest of the steps must not run (a question was
// answered with Cancel).
bool CMouseConfigurationDlg::CarryStep(const MainAction& action)
{
    SettingsRecord& record = TheSettingsRecord();
    const int argument = action.argument;
    switch (action.step) {
    case MainStep::ClearButtonSelection: ClearButtonSelection(); break;
    case MainStep::ChooseFunctionButton:
        NoteButtonHover();
        CarrySelection(model_.selection.ChooseFunctionButton(argument));
        break;
    case MainStep::ShowMouseView: ShowMouseView(argument); break;
    case MainStep::LayoutAssignmentSection: LayoutAssignmentSection(argument != 0); break;
    case MainStep::LayoutAxisSection: LayoutAxisSection(argument != 0); break;

    case MainStep::RefreshButtonLabels: RefreshButtonLabels(); break;
    case MainStep::StoreButtonLabel: StoreButtonLabel(argument); break;
    case MainStep::RefreshAxisSliders: RefreshAxisSliders(); break;
    case MainStep::RefreshPages: column_.RefreshAllPages(); break;
    case MainStep::DisableApplyButton: EnableWindow(controls_.Button(MainButton::Apply).Handle(), FALSE); break;
    case MainStep::EnableApplyButton: EnableWindow(controls_.Button(MainButton::Apply).Handle(), TRUE); break;
    case MainStep::HideFunctionButton:
        ShowWindow(controls_.FunctionButton(argument).Handle(), SW_HIDE);
        break;
    case MainStep::ShowSectionHeaders: ShowSectionHeaders(); break;
    case MainStep::LockWindowUpdate: ::LockWindowUpdate(Handle()); break;
    case MainStep::UnlockWindowUpdate: ::LockWindowUpdate(nullptr); break;
    case MainStep::ShowWaitCursor: cursorBeforeWait_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT)); break;
    case MainStep::RestoreCursor: SetCursor(cursorBeforeWait_); break;

    case MainStep::HideToTray: HideToTray(); break;
    case MainStep::RecentreWindow: RecentreWindow(); break;
    case MainStep::ShowInTaskbar: SetExtendedStyle(kToolWindowStyle, kAppWindowStyle); break;
    case MainStep::ShowWindow: ::ShowWindow(Handle(), SW_SHOW); break;
    case MainStep::HideWindow: ::ShowWindow(Handle(), SW_HIDE); break;
    case MainStep::SetForeground: SetForegroundWindow(Handle()); break;
    case MainStep::Minimise: Send(WM_SYSCOMMAND, SC_MINIMIZE); break;

    case MainStep::ConfirmReset:
        return MessageBoxW(Handle(), UiText(kResetQuestionSlot).c_str(), UiText(kResetCaptionSlot).c_str(),
                           MB_OKCANCEL) == IDOK;
    case MainStep::OpenHelpMenu: OpenMenu(HelpMenuItems(), kHelpMenuItemWidth, kHelpMenuTrackFlags); break;
    case MainStep::OpenTrayMenu: OpenMenu(TrayMenuItems(), 0, kTrayMenuTrackFlags); break;
    case MainStep::OpenFunctionMenu: ShowFunctionMenu(argument); break;
    case MainStep::RunMacroManager: RunMacroManager(); break;
    case MainStep::OpenProfileList: OpenProfileList(); break;
    case MainStep::CloseProfileList: CloseProfileList(); break;

    case MainStep::ApplyToMouse: EncodeAndApply(Apply(), Captions()); break;
    case MainStep::SaveSettings: settingsFiles_.SaveSettings(); break;
    case MainStep::SaveLabelTexts: {
        const ButtonCaptions captions = Captions();
        settingsFiles_.SaveLabelTexts(captions.languageSection, captions.captions);
        break;
    }
    case MainStep::CommitSnapshot: CommitSettings(record); break;
    case MainStep::RevertToSnapshot: RevertSettings(record); break;
    case MainStep::RestoreFactorySettings:
        model_.buttonLabel = RestoreFactorySettings(Apply(), Captions(), pointerSystem_);
        break;
    case MainStep::ApplyPointerSettings: ApplyPointerSettings(pointerSystem_, PointerChoicesOf(record.live)); break;
    case MainStep::LoadSettings: settingsFiles_.LoadSettings(); break;
    case MainStep::LoadLabelTexts:
        model_.buttonLabel = settingsFiles_.LoadLabelTexts(Captions().languageSection);
        break;

    case MainStep::NotifyMouseDetected: Send(WM_DEVICE_NOTIFY, kMouseDetectedCode, 0); break;
    case MainStep::NotifyMouseMissing: Send(WM_DEVICE_NOTIFY, kMouseMissingCode, 0); break;
    case MainStep::LogMouseMissing: DebugLine(kMouseMissingDebugLine); break;
    case MainStep::MarkDevicePresent: link_.devicePresent = 1; break;
    case MainStep::MarkDeviceAbsent: link_.devicePresent = 0; break;
    case MainStep::ClearDeviceState: TheDeviceStateArea() = {}; break;
    case MainStep::ReadProfileIndexIntoSettings: {
        const std::uint8_t profile = ReadProfileIndex(Device());
        TheDeviceStateArea().deviceProfileIndex = profile;
        record.live.profileIndex = profile;
        break;
    }
    case MainStep::SendFunctionOption: {
        const Settings& live = record.live;
        SetFunctionOption(Device(), FunctionOptionBits(static_cast<std::uint8_t>(live.functionOption0),
                                                       static_cast<std::uint8_t>(live.functionOption1),
                                                       static_cast<std::uint8_t>(live.functionOption2)));
        break;
    }
    case MainStep::ResumeListener: listener_->Resume(); break;
    case MainStep::AddTrayIcon: tray_.Add(); break;
    case MainStep::RemoveTrayIcon: tray_.Delete(); break;
    }
    return true;
}

void CMouseConfigurationDlg::ClearButtonSelection()
{
    NoteButtonHover();
    CarrySelection(model_.selection.ClearButtonSelection());
}

void CMouseConfigurationDlg::SelectButton(int button)
{
    NoteButtonHover();
    CarrySelection(model_.selection.SelectButton(button));
}

void CMouseConfigurationDlg::ShowMouseView(int view)
{
    NoteButtonHover();
    CarrySelection(model_.selection.ShowMouseView(view));
}

// The buttons light and dim themselves under the pointer; the model starts
// every change from what they show now.
void CMouseConfigurationDlg::NoteButtonHover()
{
    for (int button = 0; button < kFunctionButtonCount; ++button) {
        model_.selection.NoteFunctionButtonHover(button, controls_.FunctionButton(button).IsLit());
    }
    for (int view = kTopView; view <= kBackView; ++view) {
        model_.selection.NoteViewButtonHover(view, controls_.ViewButton(view).IsLit());
    }
}

void CMouseConfigurationDlg::CarrySelection(const SelectionRepaint& repaint)
{
    for (const int button : repaint.functionButtons) {
        controls_.FunctionButton(button).SetLit(model_.selection.FunctionButtonLit(button));
    }
    for (const int view : repaint.viewButtons) controls_.ViewButton(view).SetLit(model_.selection.ViewButtonLit(view));
    if (repaint.mouseViewArea) {
        const RECT area = ui::NativeRect(kMouseViewArea);
        InvalidateRect(Handle(), &area, FALSE);
    }
}

void CMouseConfigurationDlg::RefreshButtonLabels()
{
    for (int button = 0; button < kFunctionButtonCount; ++button) {
        CBitmapBtn& control = controls_.FunctionButton(button);
        control.SetCaption(model_.buttonLabel[static_cast<std::size_t>(button)]);
        RedrawWindow(control.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

void CMouseConfigurationDlg::StoreButtonLabel(int button)
{
    if (button < 0 || button >= kFunctionButtonCount) return;
    model_.StoreButtonLabel(button, controls_.FunctionButton(button).Caption());
}

void CMouseConfigurationDlg::RefreshAxisSliders()
{
    const Settings& live = TheSettingsRecord().live;
    controls_.Slider(0).SetValue(live.sensitivityX);
    controls_.Slider(1).SetValue(live.sensitivityY);
}

void CMouseConfigurationDlg::HideToTray()
{
    ::ShowWindow(Handle(), SW_HIDE);
    SetExtendedStyle(kAppWindowStyle, kToolWindowStyle);
}

void CMouseConfigurationDlg::LayoutAssignmentSection(bool closed)
{
    CarryLayout(model_.sections.LayoutAssignmentSection(closed));
}

void CMouseConfigurationDlg::LayoutAxisSection(bool closed)
{
    CarryLayout(model_.sections.LayoutAxisSection(closed));
}

void CMouseConfigurationDlg::CollapseSections()
{
    const CollapsedLayout layout = model_.sections.CollapseSections();
    column_.SetLayoutSize(layout.pageContainerLayout);
    CarryLayout(layout.assignment);
    CarryLayout(layout.axis);
}

void CMouseConfigurationDlg::CarryLayout(const SectionLayout& layout)
{
    ShowFunctionButtons(layout.functionButtons);
    if (layout.macroHeader) Place(controls_.Button(MainButton::MacroHeader).Handle(), *layout.macroHeader);
    if (layout.axisHeader) Place(controls_.Button(MainButton::AxisHeader).Handle(), *layout.axisHeader);
    if (layout.xSlider) controls_.Slider(0).Place(*layout.xSlider);
    if (layout.ySlider) controls_.Slider(1).Place(*layout.ySlider);
    Show(controls_.Slider(0).Handle(), layout.axisSliders);
    Show(controls_.Slider(1).Handle(), layout.axisSliders);
    Place(controls_.Button(MainButton::LiftOffHeader).Handle(), layout.liftOffHeader);
    const RECT repaint = ui::NativeRect(layout.repaint);
    InvalidateRect(Handle(), &repaint, FALSE);
}

void CMouseConfigurationDlg::ShowSectionHeaders()
{
    for (const MainButton header : {MainButton::AssignmentHeader, MainButton::MacroHeader, MainButton::AxisHeader}) {
        ::ShowWindow(controls_.Button(header).Handle(), SW_SHOW);
    }
}

void CMouseConfigurationDlg::ShowFunctionButtons(Visibility visibility)
{
    for (int button = 0; button < kFunctionButtonCount; ++button) {
        Show(controls_.FunctionButton(button).Handle(), visibility);
    }
}

void CMouseConfigurationDlg::OpenMenu(const std::vector<MenuItem>& items, int itemWidth, UINT trackFlags)
{
    CExMenu menu(font_.Get());
    if (!menu.CreatePopupMenu()) return;
    if (itemWidth > 0) menu.SetItemWidth(itemWidth);
    for (const MenuItem& item : items) menu.AppendItem(item.id, item.text);
    POINT cursor{};
    GetCursorPos(&cursor);
    TrackPopupMenu(menu.Handle(), trackFlags, cursor.x, cursor.y, 0, Handle(), nullptr);
}

void CMouseConfigurationDlg::RecentreWindow()
{
    const ui::Size size = canvas_.Size();
    MoveWindow(Handle(), 0, 0, size.width, size.height, TRUE);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const ui::Rect place = ui::CentredIn({work.left, work.top, work.right, work.bottom}, size);
    SetWindowPos(Handle(), nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMouseConfigurationDlg::SetExtendedStyle(LONG_PTR remove, LONG_PTR add)
{
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, (style & ~remove) | add);
}

void CMouseConfigurationDlg::ReadMouseProfile(DeviceQuery query)
{
    DeviceStateArea& state = TheDeviceStateArea();
    if (query == DeviceQuery::ReadProfileIndex) {
        state.deviceProfileIndex = ReadProfileIndex(Device());
    } else {
        ReadProfileImage(Device(), state.deviceProfileIndex, state.profileImageSlots[0]);
    }
}

ButtonCaptions CMouseConfigurationDlg::Captions() const
{
    return {std::wstring(LabelSectionName(CurrentUiLanguage())), model_.buttonLabel};
}

ApplyContext CMouseConfigurationDlg::Apply()
{
    return {Device(), TheDeviceStateArea(), TheSettingsRecord(), settingsFiles_};
}

}  // namespace norvale
