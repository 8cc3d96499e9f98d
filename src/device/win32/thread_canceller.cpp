#include "device/win32/thread_canceller.h"

#include <memory>

#include "device/win32/noted_call.h"

namespace norvale {

CancelIo CancellerForCurrentThread(CallFailureLog& failures)
{
    // GetCurrentThread is a pseudo handle that means whichever thread uses it.
    HANDLE self = nullptr;
    if (!Noted(failures, L"DuplicateHandle",
               DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &self, THREAD_TERMINATE,
                               FALSE, 0) != FALSE))
        return {};
    const std::shared_ptr<void> thread(self, CloseHandle);
    // Nothing to cancel means the call has just returned.
    return [thread, &failures] {
        Noted(failures, L"CancelSynchronousIo", CancelSynchronousIo(thread.get()) != FALSE, ERROR_NOT_FOUND);
    };
}

}  // namespace norvale
