#include "platform/core/WinError.h"

namespace {

thread_local DWORD t_dwLastError = ERROR_SUCCESS;

}  // namespace

DWORD GetLastError() { return t_dwLastError; }

void SetLastError(DWORD dwErrCode) { t_dwLastError = dwErrCode; }
