#include "pages/win32/dlg_mouse_wheel_speed.h"

#include "pages/page_resource_ids.h"
#include "ui/win32/native_rect.h"

namespace norvale {

CDlgMouseWheelSpeed::CDlgMouseWheelSpeed()
    : WithMessageMap(IDD_WHEEL_SPEED, kWheelPageBackground), model_(TheSettingsRecord().live)
{
}

const ui::MessageMap<CDlgMouseWheelSpeed>& CDlgMouseWheelSpeed::Map()
{
    using M = ui::MessageMap<CDlgMouseWheelSpeed>;
    static const M map{
        M::On(WM_LBUTTONDOWN, &CDlgMouseWheelSpeed::OnLeftButtonDown),
    };
    return map;
}

bool CDlgMouseWheelSpeed::OnInitDialog()
{
    CSkinnedPage::OnInitDialog();
    linesBox_.Create(WS_VISIBLE | WS_BORDER | ES_NUMBER | ES_CENTER, ui::NativeRect(kWheelLinesBox), *this,
                     kWheelLinesBoxId);
    linesBox_.Send(WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    linesBox_.SetChangeHandler([this] { OnLinesBoxChanged(); });
    Refresh();
    // The page takes no focus of its own: the column's window keeps it.
    return false;
}

void CDlgMouseWheelSpeed::Refresh()
{
    Carry(model_.Refresh());
    RepaintNow();
}

void CDlgMouseWheelSpeed::Carry(const LinesBoxUpdate& update)
{
    if (update.enabled) EnableWindow(linesBox_.Handle(), *update.enabled ? TRUE : FALSE);
    // The box reports this text as a change of its own, as it does typing.
    if (update.text) SetWindowTextW(linesBox_.Handle(), update.text->c_str());
}

void CDlgMouseWheelSpeed::OnLinesBoxChanged()
{
    if (const auto putBack = model_.TextChanged(linesBox_.Text())) SetWindowTextW(linesBox_.Handle(), putBack->c_str());
    InvalidateRect(linesBox_.Handle(), nullptr, TRUE);
}

std::intptr_t CDlgMouseWheelSpeed::OnLeftButtonDown(const ui::MouseArgs& mouse)
{
    Carry(model_.Press(mouse.point));
    RepaintNow();
    return Default();
}

}  // namespace norvale
