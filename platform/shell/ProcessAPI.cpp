#include "platform/shell/ProcessAPI.h"

#include <map>
#include <mutex>

#include "platform/shell/IAfxProcess.h"

namespace {

// Handles are numbers from a private range, each standing for one process id; they are
// never reused, so a stale handle is always recognised.
std::mutex s_handlesMutex;
std::map<UINT_PTR, DWORD> s_handles;
UINT_PTR s_nextHandle = 0x1000;

HANDLE NewHandle(DWORD dwProcessId)
{
    std::lock_guard<std::mutex> lock(s_handlesMutex);
    UINT_PTR nHandle = s_nextHandle;
    s_nextHandle += 4;
    s_handles[nHandle] = dwProcessId;
    return reinterpret_cast<HANDLE>(nHandle);
}

BOOL Fail(DWORD dwError)
{
    SetLastError(dwError);
    return FALSE;
}

}  // namespace

BOOL CreateProcess(LPCTSTR lpApplicationName, LPTSTR lpCommandLine, LPSECURITY_ATTRIBUTES /*lpProcessAttributes*/,
                   LPSECURITY_ATTRIBUTES /*lpThreadAttributes*/, BOOL /*bInheritHandles*/, DWORD /*dwCreationFlags*/,
                   LPVOID lpEnvironment, LPCTSTR lpCurrentDirectory, LPSTARTUPINFO /*lpStartupInfo*/,
                   LPPROCESS_INFORMATION lpProcessInformation)
{
    if (lpApplicationName != nullptr || lpCommandLine == nullptr || lpEnvironment != nullptr ||
        lpProcessInformation == nullptr) {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    DWORD dwProcessId = 0;
    LONG lResult = AfxGetProcess()->Start(lpCommandLine, lpCurrentDirectory, dwProcessId);
    if (lResult != ERROR_SUCCESS) {
        return Fail(static_cast<DWORD>(lResult));
    }
    lpProcessInformation->hProcess = NewHandle(dwProcessId);
    lpProcessInformation->hThread = NewHandle(dwProcessId);
    lpProcessInformation->dwProcessId = dwProcessId;
    lpProcessInformation->dwThreadId = dwProcessId;
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL CloseHandle(HANDLE hObject)
{
    std::lock_guard<std::mutex> lock(s_handlesMutex);
    if (s_handles.erase(reinterpret_cast<UINT_PTR>(hObject)) == 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}
