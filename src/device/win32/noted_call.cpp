#include "device/win32/noted_call.h"

namespace norvale {

bool Noted(CallFailureLog& failures, const wchar_t* call, bool succeeded, DWORD expected)
{
    if (succeeded) {
        failures.Succeeded(call);
        return true;
    }
    const DWORD error = GetLastError();
    if (expected != ERROR_SUCCESS && error == expected)
        failures.Succeeded(call);
    else
        failures.Failed(call, {CallFailure::Kind::SystemError, error});
    SetLastError(error);
    return false;
}

}  // namespace norvale
