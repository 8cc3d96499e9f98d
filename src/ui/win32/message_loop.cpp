#include "ui/win32/message_loop.h"

#include "ui/win32/window.h"

namespace norvale::ui {
namespace {

bool PreTranslate(MSG& message)
{
    for (HWND hwnd = message.hwnd; hwnd; hwnd = GetParent(hwnd)) {
        CWnd* window = CWnd::FromHandle(hwnd);
        if (window && window->PreTranslateMessage(message)) return true;
    }
    return false;
}

}  // namespace

void DispatchQueuedMessage(MSG& message)
{
    if (PreTranslate(message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

}  // namespace norvale::ui
