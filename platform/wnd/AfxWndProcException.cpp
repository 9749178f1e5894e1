// A failure inside a message handler ends that message, not the program: the classic
// framework's answer to an exception that leaves a window procedure.
#include <new>

#include "platform/core/CException.h"
#include "platform/core/CMemoryException.h"
#include "platform/core/WinError.h"
#include "platform/wnd/AfxMessageBox.h"
#include "platform/wnd/AfxWindow.h"

namespace {

const char c_szOutOfMemory[] = "Out of memory.";
const char c_szInternalFailure[] = "Internal application error.";

// The box that reports one failure may fail in turn; that must not report again.
BOOL g_bReporting = FALSE;

LRESULT Report(BOOL bMemory, HWND hWnd, UINT message)
{
    if (message == WM_PAINT && IsWindow(hWnd))
        ValidateRect(hWnd, nullptr);
    // A dialog whose set-up failed is not shown half made: its creation fails.
    if (message == WM_INITDIALOG && IsWindow(hWnd))
        DestroyWindow(hWnd);
    if (!g_bReporting) {
        g_bReporting = TRUE;
        try {
            AfxMessageBox(bMemory ? c_szOutOfMemory : c_szInternalFailure, MB_OK | MB_ICONEXCLAMATION);
        } catch (CException* pException) {
            pException->Delete();
        } catch (const std::bad_alloc&) {
        }
        g_bReporting = FALSE;
    }
    // Said once: whoever sees the operation fail must not report it again.
    SetLastError(ERROR_SUCCESS);
    // A window whose creation failed is not made.
    if (message == WM_CREATE)
        return -1;
    return 0;
}

}  // namespace

LRESULT AfxCallWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    try {
        return hWnd->pfnWndProc(hWnd, message, wParam, lParam);
    } catch (CException* pException) {
        BOOL bMemory = pException->IsKindOf(RUNTIME_CLASS(CMemoryException));
        pException->Delete();
        return Report(bMemory, hWnd, message);
    } catch (const std::bad_alloc&) {
        return Report(TRUE, hWnd, message);
    }
}
