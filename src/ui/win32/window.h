#pragma once
#include <windows.h>

#include <optional>

#include "ui/message.h"

namespace norvale::ui {

// CWnd: a C++ object over a window handle. Messages reach the object through
// its window procedure (subclassing), pass its message tables and fall back
// to the window's previous procedure. A notification that a control sends
// to this window (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_CTLCOLOR*, WM_HSCROLL,
// WM_VSCROLL) is first offered to the control's own object, as
// Reflected(message) in the control's tables; only if the control leaves it
// does this window's table see it.
class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND Handle() const { return hwnd_; }
    static CWnd* FromHandle(HWND hwnd);

    // Takes over an existing window: its messages now reach this object.
    bool SubclassWindow(HWND hwnd);
    // A child window of a system class (BUTTON, STATIC, ...), subclassed at once.
    bool CreateControl(const wchar_t* className, const wchar_t* text, DWORD style,
                       const RECT& rect, CWnd& parent, UINT id, DWORD exStyle = 0);
    // A window of the framework's own class; its object sees every message,
    // WM_NCCREATE and WM_CREATE included.
    bool CreateCustom(const wchar_t* text, DWORD style, const RECT& rect, HWND parent,
                      UINT id, DWORD exStyle = 0);

    // The message loop offers each queued message to the windows it is
    // headed for, innermost first; returning true swallows it.
    virtual bool PreTranslateMessage(MSG& message);

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

protected:
    // Handlers of the current message call this for the window's default
    // processing of that same message. Handlers of reflected notifications
    // answer for the parent and do not call it.
    LRESULT Default();

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Filled in by WithMessageMap: this class's table, then its base's.
    virtual std::optional<LRESULT> DispatchToMaps(const Message&) { return std::nullopt; }
    // The window is gone; the object may delete itself here.
    virtual void PostNcDestroy() {}

    // Every window the framework creates goes the same way: the object waits
    // in the thread's one "being created" slot while the system creates the
    // window, and the first message that reaches the framework for the new
    // window takes it from there.
    class CreationScope {
    public:
        explicit CreationScope(CWnd& window);
        ~CreationScope();
        CreationScope(const CreationScope&) = delete;
        CreationScope& operator=(const CreationScope&) = delete;
    };
    // The object waiting in the slot, which is empty afterwards; null if none.
    static CWnd* TakeWindowBeingCreated();
    friend LRESULT RouteMessage(CWnd&, HWND, UINT, WPARAM, LPARAM);

private:
    void Attach(HWND hwnd, WNDPROC previous);
    void Detach();
    std::optional<LRESULT> ReflectToControl(const Message& message);
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK CustomClassProc(HWND, UINT, WPARAM, LPARAM);

    HWND hwnd_ = nullptr;
    WNDPROC previousProc_ = nullptr;
    MSG current_{};
    // How many messages are being routed to the object right now (handlers
    // send messages to their own window), and whether the window went away
    // meanwhile.
    int routing_ = 0;
    bool destroyed_ = false;
};

// Hands one message to the object: its window procedure, with the message
// kept for Default(), and nothing allowed to unwind into the system.
LRESULT RouteMessage(CWnd& window, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Adds a class's message table in front of its base's:
//   class CMine : public WithMessageMap<CMine, CDialog> {
//       static const MessageMap<CMine>& Map();   // the table
//   };
template <class Derived, class Base>
class WithMessageMap : public Base {
public:
    using Base::Base;

protected:
    std::optional<LRESULT> DispatchToMaps(const Message& message) override
    {
        if (auto result = Derived::Map().Dispatch(static_cast<Derived&>(*this), message)) return result;
        return Base::DispatchToMaps(message);
    }
};

}  // namespace norvale::ui
