#include "ui/win32/window.h"

#include "platform/debug_output.h"

namespace norvale::ui {
namespace {

const wchar_t kObjectProperty[] = L"Norvale.Window";
const wchar_t kCustomClass[] = L"NorvaleWindow";

// The object whose window is being created on this thread, until the first
// message for the new window claims it.
thread_local CWnd* windowBeingCreated = nullptr;

// The control that sent a notification to its parent, for the messages that
// name it. WM_MEASUREITEM names none (the item does not exist yet) and stays
// with the parent; menus send WM_COMMAND and WM_DRAWITEM too, without a control.
HWND NotifyingControl(const Message& message)
{
    const auto lParam = message.lParam;
    switch (message.id) {
    case WM_COMMAND:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr;
    }
    default:
        return nullptr;
    }
}

}  // namespace

LRESULT RouteMessage(CWnd& window, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const MSG saved = window.current_;
    window.current_ = MSG{hwnd, message, wParam, lParam, 0, {}};
    ++window.routing_;
    LRESULT result = 0;
    try {
        result = window.WindowProc(message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind into the system's window code.
        DebugLine(L"Unhandled exception in a window procedure.\n");
    }
    window.current_ = saved;
    --window.routing_;
    if (message == WM_NCDESTROY) {
        window.Detach();
        window.destroyed_ = true;
    }
    // A window destroyed from inside one of its own handlers is still
    // inside that handler's routing; the object may go only once the
    // outermost routing is done with it.
    if (window.destroyed_ && window.routing_ == 0) {
        window.destroyed_ = false;
        window.PostNcDestroy();
    }
    return result;
}

CWnd::CreationScope::CreationScope(CWnd& window) { windowBeingCreated = &window; }

CWnd::CreationScope::~CreationScope() { windowBeingCreated = nullptr; }

CWnd* CWnd::TakeWindowBeingCreated()
{
    CWnd* window = windowBeingCreated;
    windowBeingCreated = nullptr;
    return window;
}

CWnd::~CWnd()
{
    if (hwnd_ && IsWindow(hwnd_)) {
        HWND hwnd = hwnd_;
        Detach();
        DestroyWindow(hwnd);
    }
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    return hwnd ? static_cast<CWnd*>(GetPropW(hwnd, kObjectProperty)) : nullptr;
}

void CWnd::Attach(HWND hwnd, WNDPROC previous)
{
    hwnd_ = hwnd;
    previousProc_ = previous;
    SetPropW(hwnd, kObjectProperty, this);
}

void CWnd::Detach()
{
    if (!hwnd_) return;
    RemovePropW(hwnd_, kObjectProperty);
    if (previousProc_ && previousProc_ != DefWindowProcW) {
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
    }
    hwnd_ = nullptr;
    previousProc_ = nullptr;
}

bool CWnd::SubclassWindow(HWND hwnd)
{
    if (!hwnd || hwnd_ || FromHandle(hwnd)) return false;
    const auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    Attach(hwnd, previous);
    return true;
}

bool CWnd::CreateControl(const wchar_t* className, const wchar_t* text, DWORD style,
                         const RECT& rect, CWnd& parent, UINT id, DWORD exStyle)
{
    HWND hwnd = CreateWindowExW(exStyle, className, text, style | WS_CHILD, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent.Handle(),
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                GetModuleHandleW(nullptr), nullptr);
    return hwnd && SubclassWindow(hwnd);
}

bool CWnd::CreateCustom(const wchar_t* text, DWORD style, const RECT& rect, HWND parent, UINT id,
                        DWORD exStyle)
{
    static const ATOM registered = [] {
        WNDCLASSW wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = &CWnd::CustomClassProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kCustomClass;
        return RegisterClassW(&wc);
    }();
    if (!registered) return false;
    const HMENU menuOrId = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    const CreationScope creating(*this);
    HWND hwnd = CreateWindowExW(exStyle, kCustomClass, text, style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent, menuOrId,
                                GetModuleHandleW(nullptr), nullptr);
    return hwnd != nullptr;
}

bool CWnd::PreTranslateMessage(MSG&) { return false; }

LRESULT CWnd::Send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return SendMessageW(hwnd_, message, wParam, lParam);
}

bool CWnd::Post(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return PostMessageW(hwnd_, message, wParam, lParam) != FALSE;
}

LRESULT CWnd::Default()
{
    if (!previousProc_) return DefWindowProcW(current_.hwnd, current_.message, current_.wParam, current_.lParam);
    return CallWindowProcW(previousProc_, current_.hwnd, current_.message, current_.wParam, current_.lParam);
}

std::optional<LRESULT> CWnd::ReflectToControl(const Message& message)
{
    CWnd* control = FromHandle(NotifyingControl(message));
    if (!control || control == this) return std::nullopt;
    return control->DispatchToMaps({Reflected(message.id), message.wParam, message.lParam});
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const Message portable{message, wParam, lParam};
    if (auto reflected = ReflectToControl(portable)) return *reflected;
    if (auto handled = DispatchToMaps(portable)) return *handled;
    return Default();
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* window = FromHandle(hwnd);
    if (!window) return DefWindowProcW(hwnd, message, wParam, lParam);
    return RouteMessage(*window, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CWnd::CustomClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* window = FromHandle(hwnd);
    if (!window) {
        window = TakeWindowBeingCreated();
        if (!window) return DefWindowProcW(hwnd, message, wParam, lParam);
        window->Attach(hwnd, DefWindowProcW);
    }
    return RouteMessage(*window, hwnd, message, wParam, lParam);
}

}  // namespace norvale::ui
