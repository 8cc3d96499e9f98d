#pragma once
#include <memory>

#include "device/device_link.h"
#include "device/hid_bus.h"
#include "platform/clock.h"
#include "skin/win32/page_canvas.h"
#include "ui/message_map.h"
#include "ui/win32/dialog.h"

namespace norvale {

// The utility's one top-level window: a borderless skinned dialog.
class CMouseConfigurationDlg : public ui::WithMessageMap<CMouseConfigurationDlg, ui::CDialog> {
public:
    CMouseConfigurationDlg();
    ~CMouseConfigurationDlg() override;

    static const ui::MessageMap<CMouseConfigurationDlg>& Map();
    bool PreTranslateMessage(MSG& message) override;

protected:
    bool OnInitDialog() override;

private:
    std::intptr_t OnPaint(const ui::Message&);
    std::intptr_t OnEraseBackground(const ui::Message&);
    std::intptr_t OnQueryDragIcon(const ui::Message&);
    std::intptr_t OnLeftButtonDown(const ui::Message&);
    std::intptr_t OnDestroy(const ui::Message&);
    DeviceContext Device() { return {*bus_, link_, clock_}; }

    HICON icon_;
    std::unique_ptr<HidBus> bus_;
    DeviceLink link_;
    SystemClock clock_;
    PageCanvas canvas_;
};

}  // namespace norvale
