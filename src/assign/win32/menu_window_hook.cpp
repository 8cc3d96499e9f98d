#include "assign/win32/menu_window_hook.h"

#include <memory>
#include <unordered_map>

#include "assign/ex_menu_model.h"

namespace norvale {

HHOOK menuWindowHook = nullptr;

namespace {

const wchar_t kOldProcProperty[] = L"CoolMenu_oldProc";
constexpr UINT kMenuSizeWindow = 0x1E2;  // MN_SIZEWINDOW: a menu window is about to be shown

// One subclassed popup-menu window.
struct CMenuWndHook {
    HWND window = nullptr;
};

std::unordered_map<HWND, std::unique_ptr<CMenuWndHook>>& HookedWindows()
{
    static std::unordered_map<HWND, std::unique_ptr<CMenuWndHook>> windows;
    return windows;
}

bool IsPopupMenuWindow(HWND window)
{
    wchar_t name[10] = {};
    const int length = GetClassNameW(window, name, 10);
    return length == 6 && std::wstring_view(name, 6) == L"#32768";
}

WNDPROC OldProc(HWND window)
{
    return reinterpret_cast<WNDPROC>(GetPropW(window, kOldProcProperty));
}

void DrawFrame(HWND window, HDC dc)
{
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    for (const MenuFrameLine& line : MenuFrame({bounds.right - bounds.left, bounds.bottom - bounds.top})) {
        HPEN pen = CreatePen(PS_SOLID, 1, line.colour);
        const HGDIOBJ previousPen = SelectObject(dc, pen);
        Rectangle(dc, line.rect.left, line.rect.top, line.rect.right, line.rect.bottom);
        SelectObject(dc, previousPen);
        DeleteObject(pen);
    }
    SelectObject(dc, previousBrush);
}

void DrawFrameOnWindow(HWND window)
{
    HDC dc = GetWindowDC(window);
    DrawFrame(window, dc);
    ReleaseDC(window, dc);
}

// Gives the window back its own procedure and forgets it.
void Release(HWND window, WNDPROC oldProc)
{
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc));
    RemovePropW(window, kOldProcProperty);
    HookedWindows().erase(window);
}

LRESULT CALLBACK MenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC oldProc = OldProc(window);
    if (!oldProc) return DefWindowProcW(window, message, wParam, lParam);
    const bool hooked = HookedWindows().contains(window);
    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam == 0) Release(window, oldProc);
        break;
    case WM_NCDESTROY:
        Release(window, oldProc);
        break;
    case WM_NCPAINT:
        if (hooked) {
            DrawFrameOnWindow(window);
            return 0;
        }
        break;
    case WM_PAINT: {
        // Some systems paint the menu's edge inside the client area; the
        // frame goes over it, and elsewhere merely draws itself again.
        const LRESULT result = CallWindowProcW(oldProc, window, message, wParam, lParam);
        if (hooked) DrawFrameOnWindow(window);
        return result;
    }
    case WM_PRINT: {
        const LRESULT result = CallWindowProcW(oldProc, window, message, wParam, lParam);
        if (hooked) DrawFrame(window, reinterpret_cast<HDC>(wParam));
        return result;
    }
    default:
        break;
    }
    return CallWindowProcW(oldProc, window, message, wParam, lParam);
}

void Subclass(HWND window)
{
    auto& windows = HookedWindows();
    auto& record = windows[window];
    if (!record) record = std::make_unique<CMenuWndHook>(CMenuWndHook{window});
    const auto current = GetWindowLongPtrW(window, GWLP_WNDPROC);
    SetPropW(window, kOldProcProperty, reinterpret_cast<HANDLE>(current));
    if (!SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MenuWindowProc))) {
        RemovePropW(window, kOldProcProperty);
        windows.erase(window);
    }
}

}  // namespace

void PrepareMenuWindowMap(std::size_t buckets)
{
    HookedWindows().reserve(buckets);
}

LRESULT CALLBACK MenuWindowHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
        if ((call.message == WM_CREATE || call.message == kMenuSizeWindow) && IsPopupMenuWindow(call.hwnd) &&
            !GetPropW(call.hwnd, kOldProcProperty)) {
            Subclass(call.hwnd);
        }
    }
    return CallNextHookEx(menuWindowHook, code, wParam, lParam);
}

}  // namespace norvale
