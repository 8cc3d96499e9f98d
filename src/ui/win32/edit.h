#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "ui/message_crackers.h"
#include "ui/message_map.h"
#include "ui/win32/window.h"

namespace norvale::ui {

// The system's edit control, reporting its own text changes to the handler
// its owner gave it: typing and every text set into it alike.
class CEdit : public WithMessageMap<CEdit, CWnd> {
public:
    bool Create(DWORD style, const RECT& rect, CWnd& parent, UINT id);
    void SetChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }
    std::wstring Text() const;

    static const MessageMap<CEdit>& Map();

private:
    std::optional<std::intptr_t> OnCommand(const CommandArgs& command);

    std::function<void()> changed_;
};

}  // namespace norvale::ui
