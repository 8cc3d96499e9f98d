#include "pages/win32/dlg_advance.h"

#include "pages/page_resource_ids.h"
#include "pages/win32/dlg_angle_snap.h"
#include "pages/win32/dlg_double_click.h"
#include "pages/win32/dlg_dpi_setting.h"
#include "pages/win32/dlg_lighting.h"
#include "pages/win32/dlg_mouse_speed.h"
#include "pages/win32/dlg_mouse_wheel_speed.h"
#include "pages/win32/dlg_usb_report_rate.h"
#include "skin/ui_font.h"
#include "skin/win32/module_directory.h"
#include "text/ui_texts.h"
#include "ui/dialog_keys.h"
#include "ui/program_messages.h"
#include "ui/win32/native_rect.h"

namespace norvale {
namespace {

constexpr int kHeaderCaptionHeight = 13;

// The pages in the column's order, top to bottom.
std::unique_ptr<CSettingsPage> MakePage(int section)
{
    switch (section) {
    case 0: return std::make_unique<CDlgDPISetting>();
    case 1: return std::make_unique<CDlgLighting>();
    case 2: return std::make_unique<CDlgUSBReportRate>();
    case 3: return std::make_unique<CDlgMouseSpeed>();
    case 4: return std::make_unique<CDlgDoubleClick>();
    case 5: return std::make_unique<CDlgMouseWheelSpeed>();
    default: return std::make_unique<CDlgAngleSnap>();
    }
}

void Place(HWND window, const ui::Rect& rect)
{
    MoveWindow(window, rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
}

}  // namespace

CDlgadvance::CDlgadvance() : WithMessageMap(IDD_PAGE_CONTAINER) {}
CDlgadvance::~CDlgadvance() = default;

const ui::MessageMap<CDlgadvance>& CDlgadvance::Map()
{
    using M = ui::MessageMap<CDlgadvance>;
    static const M map{
        M::On(WM_SIZE, &CDlgadvance::OnSize),
        M::On(WM_VSCROLL, &CDlgadvance::OnVerticalScroll),
        M::On(WM_MOUSEWHEEL, &CDlgadvance::OnMouseWheel),
        M::On(WM_MOUSEACTIVATE, &CDlgadvance::OnMouseActivate),
        M::On(WM_PAINT, &CDlgadvance::OnPaint),
        M::On(WM_ERASEBKGND, &CDlgadvance::OnEraseBackground),
        M::On(WM_LBUTTONDOWN, &CDlgadvance::OnLeftButtonDown),
    };
    return map;
}

bool CDlgadvance::OnInitDialog()
{
    canvas_.Load(SkinPath(kColumnBackgroundAtStart));
    CreateHeaders();
    std::array<ui::Size, kPageSectionCount> sizes;
    for (int section = 0; section < kPageSectionCount; ++section)
        sizes[section] = canvas_.Pictures().Picture(SkinPath(PageSizePicture(section))).Size();
    model_.emplace(sizes);
    return true;
}

void CDlgadvance::CreateHeaders()
{
    const HBITMAP picture = canvas_.Pictures().Picture(SkinPath(kPageHeaderPicture)).Handle();
    const std::wstring face(UiFontFace(UiLanguageCode()));
    for (int section = 0; section < kPageSectionCount; ++section) {
        CBitmapBtn& header = headers_[section];
        header.Create(ui::NativeRect(InitialPageHeaderRect(section)), *this, 0);
        header.SetStateBitmaps(0, 0, kPageHeaderWidth, kPageHeaderHeight, picture, picture, picture, picture);
        header.SetCaptionFontHeight(kHeaderCaptionHeight);
        header.SetFontFace(face);
        header.SetCaption(UiText(kFirstPageHeaderTitleSlot + section));
        header.SetClickHandler([this, section] { OnHeaderClicked(section); });
    }
}

// A page is made when its section first opens: until then nobody sees it,
// and the start of the program does not wait for seven pages of controls.
CSettingsPage& CDlgadvance::Page(int section)
{
    auto& page = pages_[section];
    if (!page) {
        page = MakePage(section);
        page->Create(Handle());
    }
    return *page;
}

void CDlgadvance::SetLayoutSize(ui::Size size)
{
    if (!model_) return;
    model_->SetLayoutSize(size);
    RecomputeScrollBar();
}

void CDlgadvance::CloseAllSections()
{
    if (!model_) return;
    for (const int section : model_->OpenSectionsBottomUp()) ToggleSection(section);
}

void CDlgadvance::RefreshAllPages()
{
    for (const auto& page : pages_) {
        if (!page) continue;
        page->Refresh();
        RedrawWindow(page->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CDlgadvance::OnHeaderClicked(int section)
{
    ClearButtonSelection();
    ToggleSection(section);
}

void CDlgadvance::ToggleSection(int section)
{
    const SectionToggle toggle = model_->Toggle(section);
    RecomputeScrollBar();
    HWND page = Page(section).Handle();
    if (toggle.opened) {
        Place(page, toggle.page);
        ShowWindow(page, SW_SHOW);
    } else {
        ShowWindow(page, SW_HIDE);
    }
    for (const auto& [below, rect] : toggle.headers) Place(headers_[below].Handle(), rect);
    for (const auto& [below, rect] : toggle.pages) Place(pages_[below]->Handle(), rect);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CDlgadvance::RecomputeScrollBar()
{
    if (!model_) return;
    RECT client{};
    RECT window{};
    GetClientRect(Handle(), &client);
    GetWindowRect(Handle(), &window);
    // A horizontal bar that takes room still belongs to what can be seen.
    const int horizontalBar = GetSystemMetrics(SM_CYHSCROLL);
    int visible = client.bottom;
    if ((window.bottom - window.top) - client.bottom >= horizontalBar) visible += horizontalBar;

    const int moved = model_->RecomputeScroll(visible);
    const ColumnScroll& scroll = model_->Scroll();
    SCROLLINFO info{sizeof(info), SIF_ALL | SIF_DISABLENOSCROLL, 0, scroll.maximum,
                    static_cast<UINT>(scroll.page), scroll.position, 0};
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
    if (moved != 0) ScrollWindow(Handle(), 0, moved, nullptr, nullptr);
}

void CDlgadvance::Scroll(ColumnScrollRequest request, int trackPosition)
{
    const int change = model_->Request(request, trackPosition);
    if (change == 0) return;
    SetScrollPos(Handle(), SB_VERT, model_->Scroll().position, TRUE);
    ScrollWindow(Handle(), 0, -change, nullptr, nullptr);
    UpdateWindow(Handle());
}

std::intptr_t CDlgadvance::OnVerticalScroll(const ui::ScrollArgs& scroll)
{
    if (model_ && scroll.request <= SB_THUMBTRACK)
        Scroll(static_cast<ColumnScrollRequest>(scroll.request), scroll.position);
    return 0;
}

std::optional<std::intptr_t> CDlgadvance::OnMouseWheel(const ui::WheelArgs& wheel)
{
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const auto requests = model_ ? model_->Wheel(wheel.delta, lines) : std::nullopt;
    if (!requests) return std::nullopt;
    for (const ColumnScrollRequest request : *requests) Scroll(request);
    return 0;
}

std::intptr_t CDlgadvance::OnMouseActivate()
{
    SetFocus(Handle());
    return Default();
}

std::intptr_t CDlgadvance::OnPaint()
{
    PaintList list;
    list.background = std::wstring(kColumnBackground);
    PaintSkinnedWindow(Handle(), canvas_, list, nullptr, model_ ? model_->ContentHeight() : 0);
    return 0;
}

std::intptr_t CDlgadvance::OnLeftButtonDown()
{
    ClearButtonSelection();
    return Default();
}

void CDlgadvance::ClearButtonSelection() const
{
    PostMessageW(GetParent(Handle()), WM_CLEAR_BUTTON_SELECTION, 0, 0);
}

bool CDlgadvance::PreTranslateMessage(MSG& message)
{
    return ui::IsSwallowedDialogKey(message.message, message.wParam);
}

}  // namespace norvale
