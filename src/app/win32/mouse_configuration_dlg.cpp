#include "app/win32/mouse_configuration_dlg.h"

#include <dbt.h>
#include <shellapi.h>

#include "app/axis_sliders.h"
#include "app/hot_plug.h"
#include "app/main_window_pictures.h"
#include "app/main_window_title.h"
#include "app/resource_ids.h"
#include "app/tray_icon.h"
#include "app/win32/device_change_relay.h"
#include "app/win32/dlg_splash.h"
#include "assign/win32/ex_menu.h"
#include "device/device_commands.h"
#include "device/device_discovery.h"
#include "device/hid_bus_factory.h"
#include "encoding/device_state_area.h"
#include "macro/macro_image_rebuild.h"
#include "platform/debug_output.h"
#include "platform/win32/executable_path.h"
#include "skin/slider_marker_model.h"
#include "skin/ui_font.h"
#include "skin/win32/module_directory.h"
#include "skin/win32/skin_prefetch.h"
#include "skin/win32/skin_scroll_wnd.h"
#include "skin/win32/ui_font_win32.h"
#include "text/ui_texts.h"
#include "ui/dialog_keys.h"
#include "ui/program_messages.h"
#include "ui/win32/native_window.h"

namespace norvale {
namespace {

constexpr int kWindowFontHeight = 13;
constexpr int kWindowFontWeight = 400;
constexpr COLORREF kEditTextColour = RGB(0, 255, 0);
constexpr COLORREF kEditBackground = 0x949494;

}  // namespace

CMouseConfigurationDlg::CMouseConfigurationDlg()
    : WithMessageMap(IDD_MAIN),
      icon_(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_NORVALE))),
      bus_(CreateHidBus()),
      settingsFiles_(ExecutablePath(), TheSettingsRecord().live, fileSystem_, profileFile_)
{
    ConnectMacroImageRebuild(settingsFiles_, TheSettingsRecord().live, profileFile_, fileSystem_);
}

CMouseConfigurationDlg::~CMouseConfigurationDlg() = default;

const ui::MessageMap<CMouseConfigurationDlg>& CMouseConfigurationDlg::Map()
{
    using M = ui::MessageMap<CMouseConfigurationDlg>;
    using D = CMouseConfigurationDlg;
    static const M map{
        M::On(WM_PAINT, &D::OnPaint),
        M::On(WM_ERASEBKGND, &D::OnEraseBackground),
        M::On(WM_QUERYDRAGICON, &D::OnQueryDragIcon),
        M::On(WM_LBUTTONDOWN, &D::OnLeftButtonDown),
        M::On(WM_NCPAINT, &D::OnNcPaint),
        M::On(WM_CTLCOLORBTN, &D::OnButtonColour),
        M::On(WM_CTLCOLOREDIT, &D::OnEditColour),
        M::On(WM_MEASUREITEM, &D::OnMenuOwnerDraw),
        M::On(WM_DRAWITEM, &D::OnMenuOwnerDraw),
        M::On(WM_MARKER_CHANGED, &D::OnMarkerChanged),
        M::Command(kWebSiteCommand, &D::OnOpenWebSite),
        M::Command(kFirmwareUpdaterCommand, &D::OnStartFirmwareUpdater),
        M::CommandRange(kFirstMainCommand, kLastMainCommand, &D::OnAssignFunction),
        M::On(WM_TRAY_ICON_NOTIFY, &D::OnTrayIcon),
        M::On(WM_DEVICE_NOTIFY, &D::OnDeviceNotify),
        M::On(WM_PROFILE_ACTION, &D::OnProfileAction),
        M::On(WM_DEVICECHANGE, &D::OnDeviceChange),
        M::On(kRelayedDeviceChange, &D::OnRelayedDeviceChange),
        M::On(WM_DESTROY, &D::OnDestroy),
    };
    return map;
}

bool CMouseConfigurationDlg::OnInitDialog()
{
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

    // The splash's seconds decode the window's pictures.
    SkinPrefetch prefetch(MainWindowStartPictures());
    CDlgSplash splash;
    splash.DoModal(Handle());
    SharedSkinPictures().Adopt(prefetch.Take());

    SetWindowTextW(Handle(), kMainWindowTitle);
    TheSettingsRecord().mainWindow = ui::OpaqueWindow(Handle());
    // Without the read event or the device notices the window stays an empty
    // dialog: no settings, skin or controls.
    if (!StartDeviceLink()) return true;

    LoadSettingsAndTexts();
    BuildSkin();
    controls_.Create(*this, UiFontFace(UiLanguageCode()),
                     {[this](MainButton button) { OnImageButtonClicked(button); },
                      [this](int button) { Carry(RouteFunctionButtonClick(button)); }},
                     canvas_.Pictures());
    CreateSettingsColumn();
    CollapseSections();
    ShowMouseView(kTopView);

    tray_.Fill(Handle(), icon_, TrayTip());
    tray_.Add();
    ReadFirmwareVersion(Device());
    if (DevicePresent()) {
        Carry({{MainStep::RefreshButtonLabels}, {MainStep::RefreshAxisSliders}, {MainStep::SendFunctionOption}});
    } else {
        tray_.Delete();
    }
    ReadFirmwareVersion(Device());
    Carry({{MainStep::ApplyPointerSettings}});
    return true;
}

bool CMouseConfigurationDlg::StartDeviceLink()
{
    if (DiscoverMouse(*bus_, link_)) {
        TheDeviceStateArea() = {};
        TheSettingsRecord().live.profileIndex = 0;
    } else {
        link_.devicePresent = 0;
    }

    readEvent_ = bus_->CreateSignal();
    if (!readEvent_) {
        DebugLine(L"CreateEvent failed.");
        return false;
    }
    link_.readEvent = readEvent_.get();
    listener_ = std::make_unique<ListenerThread>(*bus_, link_);
    if (DevicePresent()) listener_->Resume();

    deviceNotification_ = RegisterForHidNotifications(Handle());
    if (!deviceNotification_) {
        DebugLine(L"RegisterDeviceNotification failed!!!");
        return false;
    }
    RelayBusDeviceChanges(*bus_, Handle());
    return true;
}

void CMouseConfigurationDlg::LoadSettingsAndTexts()
{
    settingsFiles_.LoadSettings();
    CommitSettings(TheSettingsRecord());
    FillUiTexts(settingsFiles_.ReadUiLanguageCode());
    dpiItemTexts_ = DpiItemTextsIn(CurrentUiLanguage());
    Carry({{MainStep::LoadLabelTexts}});
}

void CMouseConfigurationDlg::BuildSkin()
{
    // The template only approximates the picture's size, so the window is
    // centred again at its real size.
    if (canvas_.Load(SkinPath(kMainBackground))) RecentreWindow();
    const bool traditionalChinese = UiLanguageCode() == L"CHT";
    font_ = CreateUiFont({UiFontFace(UiLanguageCode()), kWindowFontHeight, kWindowFontWeight,
                          static_cast<std::uint8_t>(traditionalChinese ? ANSI_CHARSET : DEFAULT_CHARSET)});
    SkinPictures& pictures = canvas_.Pictures();
    model_.sections.SetPanelHeights(pictures.Picture(SkinPath(kAssignmentHeightPicture)).Size().height,
                                    pictures.Picture(SkinPath(kAxisHeightPicture)).Size().height);
}

void CMouseConfigurationDlg::CreateSettingsColumn()
{
    if (!column_.Create(Handle())) return;
    const ui::Rect at{kPageContainerOrigin.x, kPageContainerOrigin.y, kPageContainerOrigin.x + kPageContainerSize.width,
                      kPageContainerOrigin.y + kPageContainerSize.height};
    MoveWindow(column_.Handle(), at.left, at.top, at.Width(), at.Height(), FALSE);
    ShowWindow(column_.Handle(), SW_SHOW);
    // The frame takes the column's place and shows the skinned bar instead of
    // the system's.
    scrollSkin_.Reset(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_SCROLLBAR)));
    AttachSkinScrollFrame(column_.Handle(), scrollSkin_.Get());
}

bool CMouseConfigurationDlg::PreTranslateMessage(MSG& message)
{
    if (ui::IsSwallowedDialogKey(message.message, message.wParam)) return true;
    // Posted by the settings column to its parent, whichever window holds it.
    if (message.message == WM_CLEAR_BUTTON_SELECTION) ClearButtonSelection();
    return CDialog::PreTranslateMessage(message);
}

void CMouseConfigurationDlg::OnImageButtonClicked(MainButton button)
{
    const bool profileListOpen = TheSettingsRecord().profileListWindow != ui::WindowHandle::None;
    Carry(RouteButtonClick(button, model_.Facts(DevicePresent(), profileListOpen)));
}

std::intptr_t CMouseConfigurationDlg::OnPaint()
{
    PaintSkinnedWindow(Handle(), canvas_, model_.Paint(), font_.Get());
    return 0;
}

std::intptr_t CMouseConfigurationDlg::OnQueryDragIcon()
{
    return reinterpret_cast<std::intptr_t>(icon_);
}

std::intptr_t CMouseConfigurationDlg::OnLeftButtonDown(const ui::MouseArgs& mouse)
{
    ClearButtonSelection();
    // Any free point of the surface drags the window, as its caption would.
    Post(WM_NCLBUTTONDOWN, HTCAPTION, ui::PackPoint(mouse.point));
    return Default();
}

std::intptr_t CMouseConfigurationDlg::OnNcPaint()
{
    switch (model_.absentMouse.OnNcPaint(DevicePresent())) {
    case NcPaintResponse::Default: return Default();
    case NcPaintResponse::Hide: ShowWindow(Handle(), SW_HIDE); return 0;
    case NcPaintResponse::Nothing: return 0;
    }
    return 0;
}

std::intptr_t CMouseConfigurationDlg::OnButtonColour(const ui::Message& message)
{
    const LRESULT brush = Default();
    SetBkMode(reinterpret_cast<HDC>(message.wParam), TRANSPARENT);
    return brush;
}

std::intptr_t CMouseConfigurationDlg::OnEditColour(const ui::Message& message)
{
    Default();
    const auto surface = reinterpret_cast<HDC>(message.wParam);
    SetBkMode(surface, TRANSPARENT);
    SelectObject(surface, font_.Get());
    SetTextColor(surface, kEditTextColour);
    editBrush_.Reset(CreateSolidBrush(kEditBackground));
    return reinterpret_cast<std::intptr_t>(editBrush_.Get());
}

std::intptr_t CMouseConfigurationDlg::OnMenuOwnerDraw(const ui::Message& message)
{
    if (auto handled = RouteMenuOwnerDraw(message.id, message.wParam, message.lParam)) return *handled;
    return Default();
}

void CMouseConfigurationDlg::OnMarkerChanged(const ui::MarkerArgs& marker)
{
    StoreSliderValue(TheSettingsRecord().live, marker.controlId, marker.value);
}

void CMouseConfigurationDlg::OnOpenWebSite()
{
    ShellExecuteW(nullptr, L"open", UiText(kWebAddressSlot).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CMouseConfigurationDlg::OnStartFirmwareUpdater()
{
    SYSTEM_INFO system{};
    GetNativeSystemInfo(&system);
    const std::wstring updater = FirmwareUpdaterPath(ModuleDirectory(), system.wProcessorArchitecture);
    ShellExecuteW(nullptr, nullptr, updater.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::intptr_t CMouseConfigurationDlg::OnTrayIcon(const ui::TrayIconArgs& tray)
{
    const TrayResponse response = RespondToTrayIcon(tray.iconId, tray.mouseMessage, DevicePresent());
    Carry(response.actions);
    return response.result;
}

void CMouseConfigurationDlg::OnDeviceNotify(const ui::DeviceNotifyArgs& notice)
{
    const DeviceNotificationResponse response =
        RespondToDeviceNotification(notice.code, notice.value, TheSettingsRecord().savedSettings);
    for (const DeviceQuery query : response.queries) ReadMouseProfile(query);
    if (response.balloon) tray_.ShowBalloon(*response.balloon);
}

std::intptr_t CMouseConfigurationDlg::OnDeviceChange(const ui::DeviceChangeArgs& change)
{
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(change.broadcast);
    if (!header || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE) return TRUE;
    const auto* broadcast = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
    const HotPlugEvent event = ClassifyDeviceChange(change.event, header->dbch_devicetype, broadcast->dbcc_name);
    if (event == HotPlugEvent::Ignored) return TRUE;
    const bool found = DiscoverMouse(*bus_, link_);
    Carry(HotPlugActions(event, found));
    return TRUE;
}

std::intptr_t CMouseConfigurationDlg::OnRelayedDeviceChange(const ui::Message& message)
{
    return DeliverRelayedDeviceChange(Handle(), message.lParam);
}

std::intptr_t CMouseConfigurationDlg::OnDestroy()
{
    EndBusDeviceChangeRelay(*bus_);
    if (deviceNotification_) UnregisterDeviceNotification(deviceNotification_);
    // The listener ends before the handles it reads from close.
    if (listener_) listener_->Stop();
    CloseDeviceHandles(*bus_, link_);
    tray_.Delete();
    return Default();
}

}  // namespace norvale
