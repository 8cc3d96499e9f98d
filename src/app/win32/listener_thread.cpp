#include "app/win32/listener_thread.h"

#include "settings/settings_record.h"
#include "ui/program_messages.h"
#include "ui/win32/native_window.h"

namespace norvale {
namespace {

void SendToMainWindow(const DeviceEvent& event)
{
    const HWND window = ui::NativeWindow(TheSettingsRecord().mainWindow.load());
    SendMessageW(window, WM_DEVICE_NOTIFY, event.code, event.value);
}

}  // namespace

ListenerThread::ListenerThread(HidBus& bus, DeviceLink& link)
    : listener_(bus, link, SendToMainWindow),
      thread_(CreateThread(nullptr, 0, &ListenerThread::Run, this, CREATE_SUSPENDED, nullptr))
{
}

ListenerThread::~ListenerThread()
{
    Stop();
}

DWORD WINAPI ListenerThread::Run(void* self)
{
    static_cast<ListenerThread*>(self)->listener_.Run();
    return 0;
}

void ListenerThread::Resume()
{
    if (thread_) ResumeThread(thread_);
}

void ListenerThread::Stop()
{
    if (!thread_) return;
    listener_.Stop();
    // A thread that never ran still has to run to its end.
    DWORD suspendCount = 0;
    do {
        suspendCount = ResumeThread(thread_);
    } while (suspendCount != static_cast<DWORD>(-1) && suspendCount > 1);
    while (MsgWaitForMultipleObjects(1, &thread_, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    CloseHandle(thread_);
    thread_ = nullptr;
}

}  // namespace norvale
