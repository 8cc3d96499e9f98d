#pragma once
#include <windows.h>

namespace norvale {

// The process: single instance, user-interface services, and the main
// window run modally for the life of the process.
class CMouseConfigurationApp {
public:
    // False when this copy must end at once (another copy runs, or the
    // private window class cannot be registered).
    bool InitInstance();
    int ExitInstance();

private:
    HANDLE mutex_ = nullptr;
};

}  // namespace norvale
