#pragma once
#include <windows.h>

#include "device/call_failure_log.h"

namespace norvale {

// Notes how the system call just made went and passes its result on. The
// last error is read before anything can overwrite it and is left in place
// for the caller. A failure with `expected` is the normal flow the device
// code handles, and counts as an ordinary outcome.
bool Noted(CallFailureLog& failures, const wchar_t* call, bool succeeded, DWORD expected = ERROR_SUCCESS);

}  // namespace norvale
