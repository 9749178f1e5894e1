// Moving, sizing, showing and stacking windows.
#include <algorithm>

#include "platform/backend/AfxBackend.h"
#include "platform/wnd/AfxWindow.h"

namespace {

void Restack(HWND hWnd, HWND hWndInsertAfter)
{
    if (hWnd->hParent == nullptr)
        return;
    std::vector<HWND>& list = hWnd->hParent->children;
    list.erase(std::remove(list.begin(), list.end(), hWnd), list.end());
    if (hWndInsertAfter == HWND_TOP) {
        list.insert(list.begin(), hWnd);
    } else if (hWndInsertAfter == HWND_BOTTOM) {
        list.push_back(hWnd);
    } else {
        auto it = std::find(list.begin(), list.end(), hWndInsertAfter);
        list.insert(it == list.end() ? list.end() : it + 1, hWnd);
    }
}

// A popup that goes leaves its pixels on the screen until the windows beneath show
// theirs again, which they do at once from their back buffers.
void RevealBeneath(HWND hPopup)
{
    for (HWND hTop : AfxGetTopLevelWindows()) {
        RECT rc;
        if (hTop == hPopup || !hTop->bShown || !IntersectRect(&rc, &hPopup->rcWindow, &hTop->rcWindow))
            continue;
        OffsetRect(&rc, -hTop->rcWindow.left, -hTop->rcWindow.top);
        AfxBackendPresent(hTop->pOs, AfxBackBufferSurface(hTop), AfxScaleToDevice(AfxGetScreenScale(), rc));
    }
}

void ShowTopLevel(HWND hWnd, BOOL bShow)
{
    BOOL bPopup = AfxIsPopupWindow(hWnd);
    hWnd->bShown = bShow;
    AfxBackendShowWindow(hWnd->pOs, bShow);
    if (bShow) {
        if (!bPopup)
            AfxBackendRaise(hWnd->pOs);
        RECT rc;
        GetClientRect(hWnd, &rc);
        AfxInvalidateTree(hWnd, rc, TRUE);
    } else if (bPopup) {
        RevealBeneath(hWnd);
    } else if (hWnd->hOwner != nullptr && hWnd->hOwner->bShown) {
        // The owner takes over, as it would from a window manager.
        AfxBackendRaise(hWnd->hOwner->pOs);
    }
}

}  // namespace

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT uFlags)
{
    if (!IsWindow(hWnd))
        return FALSE;
    RECT rcOld = hWnd->rcWindow;
    RECT rcNew = rcOld;
    if ((uFlags & SWP_NOMOVE) == 0)
        OffsetRect(&rcNew, x - rcOld.left, y - rcOld.top);
    if ((uFlags & SWP_NOSIZE) == 0) {
        rcNew.right = rcNew.left + cx;
        rcNew.bottom = rcNew.top + cy;
    }
    const BOOL bResized = (rcNew.right - rcNew.left != rcOld.right - rcOld.left) ||
                          (rcNew.bottom - rcNew.top != rcOld.bottom - rcOld.top);
    if (hWnd->hParent == nullptr && bResized &&
        !AfxResizeBackBuffer(hWnd, rcNew.right - rcNew.left, rcNew.bottom - rcNew.top))
        return FALSE;
    BOOL bRedraw = (uFlags & SWP_NOREDRAW) == 0 && hWnd->hParent != nullptr && AfxIsDrawable(hWnd);
    if (bRedraw)
        AfxInvalidateParentArea(hWnd);
    hWnd->rcWindow = rcNew;
    if ((uFlags & SWP_NOZORDER) == 0)
        Restack(hWnd, hWndInsertAfter);
    if (hWnd->hParent == nullptr && !EqualRect(&rcOld, &rcNew))
        AfxBackendMoveWindow(hWnd->pOs, rcNew.left, rcNew.top, rcNew.right - rcNew.left, rcNew.bottom - rcNew.top);
    if (uFlags & SWP_SHOWWINDOW)
        ShowWindow(hWnd, SW_SHOWNA);
    else if (uFlags & SWP_HIDEWINDOW)
        ShowWindow(hWnd, SW_HIDE);
    if (bRedraw || (hWnd->hParent == nullptr && !EqualRect(&rcOld, &rcNew)))
        AfxInvalidateParentArea(hWnd);
    if (bResized) {
        RECT rcClient;
        GetClientRect(hWnd, &rcClient);
        SendMessage(hWnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(rcClient.right, rcClient.bottom));
    }
    return TRUE;
}

BOOL MoveWindow(HWND hWnd, int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    return SetWindowPos(hWnd, nullptr, x, y, nWidth, nHeight, SWP_NOZORDER | (bRepaint ? 0u : SWP_NOREDRAW));
}

BOOL ShowWindow(HWND hWnd, int nCmdShow)
{
    if (!IsWindow(hWnd))
        return FALSE;
    BOOL bWasVisible = (hWnd->dwStyle & WS_VISIBLE) != 0;
    if (nCmdShow == SW_MINIMIZE || nCmdShow == SW_SHOWMINIMIZED) {
        if (hWnd->hParent == nullptr)
            AfxBackendMinimize(hWnd->pOs);
        AfxSetIconic(hWnd, TRUE);
        return bWasVisible;
    }
    if (nCmdShow == SW_RESTORE)
        AfxSetIconic(hWnd, FALSE);
    BOOL bShow = nCmdShow != SW_HIDE;
    if (bShow == bWasVisible && (hWnd->hParent != nullptr || hWnd->bShown == bShow))
        return bWasVisible;
    if (bShow)
        hWnd->dwStyle |= WS_VISIBLE;
    else
        hWnd->dwStyle &= ~static_cast<DWORD>(WS_VISIBLE);
    SendMessage(hWnd, WM_SHOWWINDOW, static_cast<WPARAM>(bShow), 0);
    if (hWnd->hParent == nullptr) {
        ShowTopLevel(hWnd, bShow);
    } else {
        if (!bShow)
            AfxForgetWindowInput(hWnd);
        AfxInvalidateParentArea(hWnd);
    }
    return bWasVisible;
}
