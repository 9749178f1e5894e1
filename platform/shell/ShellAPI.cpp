#include "platform/shell/ShellAPI.h"

#include "platform/shell/IAfxShell.h"
#include "platform/core/WinError.h"

HINSTANCE ShellExecute(HWND /*hwnd*/, LPCTSTR lpOperation, LPCTSTR lpFile, LPCTSTR lpParameters,
                       LPCTSTR lpDirectory, int nShowCmd)
{
    INT_PTR nResult = AfxGetShell()->Execute(lpOperation, lpFile, lpParameters, lpDirectory, nShowCmd);
    SetLastError(nResult > 32 ? ERROR_SUCCESS : static_cast<DWORD>(nResult));
    return reinterpret_cast<HINSTANCE>(nResult);
}
