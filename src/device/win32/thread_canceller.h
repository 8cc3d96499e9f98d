#pragma once
#include "device/io_worker.h"

namespace norvale {

// Made on an I/O worker's thread as it starts: cancels that thread's
// synchronous I/O through a real handle to it, which the canceller owns.
CancelIo CancellerForCurrentThread();

}  // namespace norvale
