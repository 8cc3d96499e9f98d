#pragma once
#include <windows.h>

#include "device/event_listener.h"

namespace norvale {

// The thread that reads the mouse's events and sends each one to the main
// window as WM_DEVICE_NOTIFY, waiting until the window has handled it. It is
// created suspended and runs from the first Resume; Stop ends it.
class ListenerThread {
public:
    // The link's readEvent must exist; the window is the one the settings
    // record names.
    ListenerThread(HidBus& bus, DeviceLink& link);
    ~ListenerThread();
    ListenerThread(const ListenerThread&) = delete;
    ListenerThread& operator=(const ListenerThread&) = delete;

    // Resuming a running thread changes nothing.
    void Resume();
    // Ends the thread and waits for it. Called on the window's thread, which
    // meanwhile still answers the listener's last WM_DEVICE_NOTIFY.
    void Stop();

private:
    static DWORD WINAPI Run(void* self);

    EventListener listener_;
    HANDLE thread_ = nullptr;
};

}  // namespace norvale
