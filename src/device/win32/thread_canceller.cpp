#include "device/win32/thread_canceller.h"

#include <windows.h>

#include <memory>

namespace norvale {

CancelIo CancellerForCurrentThread()
{
    // GetCurrentThread is a pseudo handle that means whichever thread uses it.
    HANDLE self = nullptr;
    if (!DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &self, THREAD_TERMINATE,
                         FALSE, 0))
        return {};
    const std::shared_ptr<void> thread(self, CloseHandle);
    return [thread] { CancelSynchronousIo(thread.get()); };
}

}  // namespace norvale
