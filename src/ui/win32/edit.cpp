#include "ui/win32/edit.h"

namespace norvale::ui {

const MessageMap<CEdit>& CEdit::Map()
{
    using M = MessageMap<CEdit>;
    static const M map{
        M::On(Reflected(WM_COMMAND), &CEdit::OnCommand),
    };
    return map;
}

bool CEdit::Create(DWORD style, const RECT& rect, CWnd& parent, UINT id)
{
    return CreateControl(L"EDIT", L"", style, rect, parent, id);
}

std::wstring CEdit::Text() const
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(Handle())) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(Handle(), text.data(), static_cast<int>(text.size()))));
    return text;
}

std::optional<std::intptr_t> CEdit::OnCommand(const CommandArgs& command)
{
    if (command.code != EN_CHANGE || !changed_) return std::nullopt;
    changed_();
    return 0;
}

}  // namespace norvale::ui
