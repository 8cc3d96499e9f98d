#pragma once
#include "device/call_failure_log.h"
#include "device/io_worker.h"

namespace norvale {

// Made on an I/O worker's thread as it starts: cancels that thread's
// synchronous I/O through a real handle to it, which the canceller owns.
// Failures go to `failures`, which must outlive every use of the canceller.
CancelIo CancellerForCurrentThread(CallFailureLog& failures);

}  // namespace norvale
