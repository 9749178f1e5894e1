// System error codes: the registry and process calls return them, and the last error
// names why a call that returns no code failed.
#pragma once

#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_BAD_FORMAT 11L
#define ERROR_GEN_FAILURE 31L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_MORE_DATA 234L

#include "platform/core/WinDef.h"

// The calling thread's last error, set by the calls that report failure through it
// (CreateProcess, CloseHandle, ShellExecute, and a framework record that memory refused).
DWORD GetLastError();
void SetLastError(DWORD dwErrCode);
