// Invalidation, paint surfaces on the top-level window's back buffer, and presenting.
#include <algorithm>
#include <map>

#include "platform/backend/AfxBackend.h"
#include "platform/core/AfxAlloc.h"
#include "platform/wnd/AfxWindow.h"

namespace {

struct AFX_DCINFO {
    HWND hTop;
    RECT rcBuffer;  // what the surface may touch, in buffer pixels
    BOOL bSurface;  // FALSE: a memory surface standing in for a missing window
};

std::map<HDC, AFX_DCINFO>& HandedOutDCs()
{
    static std::map<HDC, AFX_DCINFO> s_dcs;
    return s_dcs;
}

HDC MakeSurfaceDC(HWND hWnd, POINT ptOrigin, const RECT& rcClip)
{
    HWND hTop = GetTopLevelWindow(hWnd);
    AFX_SURFACE surface = AfxBackBufferSurface(hTop);
    HDC hDC = AfxCreateSurfaceDC(surface, ptOrigin, rcClip, AfxGetScreenScale());
    if (hDC != nullptr)
        HandedOutDCs()[hDC] = AFX_DCINFO{hTop, rcClip, TRUE};
    return hDC;
}

// The one-pixel black frame of a WS_BORDER child.
void DrawFrame(HWND hWnd)
{
    hWnd->bFrameDirty = FALSE;
    if (AfxBorderWidth(hWnd) == 0 || !AfxIsDrawable(hWnd))
        return;
    POINT ptOrigin = AfxClientOrigin(hWnd);
    ptOrigin.x -= 1;
    ptOrigin.y -= 1;
    RECT rcFrame = {ptOrigin.x, ptOrigin.y, ptOrigin.x + hWnd->rcWindow.right - hWnd->rcWindow.left,
                    ptOrigin.y + hWnd->rcWindow.bottom - hWnd->rcWindow.top};
    RECT rcParent = AfxVisibleClientRect(hWnd->hParent);
    RECT rcClip;
    if (!IntersectRect(&rcClip, &rcFrame, &rcParent))
        return;
    HDC hDC = MakeSurfaceDC(hWnd, ptOrigin, rcClip);
    if (hDC == nullptr)
        return;
    int cx = rcFrame.right - rcFrame.left;
    int cy = rcFrame.bottom - rcFrame.top;
    HBRUSH hbr = GetSysColorBrush(COLOR_WINDOWFRAME);
    RECT rcEdges[4] = {{0, 0, cx, 1}, {0, cy - 1, cx, cy}, {0, 0, 1, cy}, {cx - 1, 0, cx, cy}};
    for (const RECT& rc : rcEdges)
        FillRect(hDC, &rc, hbr);
    ReleaseDC(hWnd, hDC);
}

HWND FindInTree(HWND hWnd)
{
    if ((hWnd->dwStyle & WS_VISIBLE) == 0)
        return nullptr;
    if (hWnd->bFrameDirty)
        DrawFrame(hWnd);
    if (!IsRectEmpty(&hWnd->rcUpdate))
        return hWnd;
    for (auto it = hWnd->children.rbegin(); it != hWnd->children.rend(); ++it) {
        HWND hFound = FindInTree(*it);
        if (hFound != nullptr)
            return hFound;
    }
    return nullptr;
}

RECT PaintClip(HWND hWnd, const RECT& rcPaint)
{
    RECT rc = rcPaint;
    POINT pt = AfxClientOrigin(hWnd);
    OffsetRect(&rc, pt.x, pt.y);
    RECT rcVisible = AfxVisibleClientRect(hWnd);
    RECT rcClip;
    IntersectRect(&rcClip, &rc, &rcVisible);
    return rcClip;
}

}  // namespace

// As large as the window is on the screen, in device pixels. The old buffer stays when
// memory refuses the new one.
BOOL AfxResizeBackBuffer(HWND hTop, int cx, int cy)
{
    const int nScale = AfxGetScreenScale();
    const int cxBuffer = std::max(1, AfxScaleToDevice(nScale, cx));
    const int cyBuffer = std::max(1, AfxScaleToDevice(nScale, cy));
    const size_t nPixels = static_cast<size_t>(cxBuffer) * static_cast<size_t>(cyBuffer);
    std::vector<uint32_t> buffer;
    try {
        if (AfxAllocAllowed(nPixels * sizeof(uint32_t), FALSE))
            buffer.assign(nPixels, 0);
    } catch (const std::bad_alloc&) {
    }
    if (buffer.size() != nPixels) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return FALSE;
    }
    hTop->backBuffer.swap(buffer);
    hTop->cxBuffer = cxBuffer;
    hTop->cyBuffer = cyBuffer;
    return TRUE;
}

AFX_SURFACE AfxBackBufferSurface(HWND hTop)
{
    AFX_SURFACE surface = {hTop->backBuffer.data(), hTop->cxBuffer, hTop->cyBuffer, hTop->cxBuffer};
    return surface;
}

void AfxAddPresentRect(HWND hTop, const RECT& rcBuffer)
{
    const RECT rcDevice = AfxScaleToDevice(AfxGetScreenScale(), rcBuffer);
    UnionRect(&hTop->rcPresent, &hTop->rcPresent, &rcDevice);
}

void AfxPresentAll()
{
    for (HWND hTop : AfxGetTopLevelWindows()) {
        if (!hTop->bShown || IsRectEmpty(&hTop->rcPresent))
            continue;
        AfxBackendPresent(hTop->pOs, AfxBackBufferSurface(hTop), hTop->rcPresent);
        SetRectEmpty(&hTop->rcPresent);
    }
}

HWND AfxFindWindowToPaint()
{
    for (HWND hTop : AfxGetTopLevelWindows()) {
        if (!hTop->bShown)
            continue;
        HWND hFound = FindInTree(hTop);
        if (hFound != nullptr)
            return hFound;
    }
    return nullptr;
}

void AfxInvalidateTree(HWND hWnd, const RECT& rcClient, BOOL bErase)
{
    if (!AfxIsDrawable(hWnd))
        return;
    RECT rcAll;
    GetClientRect(hWnd, &rcAll);
    RECT rc;
    if (!IntersectRect(&rc, &rcClient, &rcAll))
        return;
    UnionRect(&hWnd->rcUpdate, &hWnd->rcUpdate, &rc);
    hWnd->bUpdateErase |= bErase;
    // Children are not clipped out of their parent's paint, so they paint again on top.
    for (HWND hChild : hWnd->children) {
        RECT rcChild;
        if ((hChild->dwStyle & WS_VISIBLE) == 0 || !IntersectRect(&rcChild, &rc, &hChild->rcWindow))
            continue;
        if (AfxBorderWidth(hChild) != 0)
            hChild->bFrameDirty = TRUE;
        int nBorder = AfxBorderWidth(hChild);
        OffsetRect(&rcChild, -hChild->rcWindow.left - nBorder, -hChild->rcWindow.top - nBorder);
        AfxInvalidateTree(hChild, rcChild, bErase);
    }
}

void AfxInvalidateParentArea(HWND hWnd)
{
    if (hWnd->hParent == nullptr) {
        RECT rc;
        GetClientRect(hWnd, &rc);
        AfxInvalidateTree(hWnd, rc, TRUE);
        return;
    }
    if (AfxBorderWidth(hWnd) != 0)
        hWnd->bFrameDirty = TRUE;
    AfxInvalidateTree(hWnd->hParent, hWnd->rcWindow, TRUE);
}

BOOL InvalidateRect(HWND hWnd, const RECT* lpRect, BOOL bErase)
{
    if (!IsWindow(hWnd))
        return FALSE;
    RECT rc;
    GetClientRect(hWnd, &rc);
    AfxInvalidateTree(hWnd, lpRect != nullptr ? *lpRect : rc, bErase);
    return TRUE;
}

BOOL ValidateRect(HWND hWnd, const RECT* lpRect)
{
    if (!IsWindow(hWnd))
        return FALSE;
    RECT rcLeft;
    if (lpRect == nullptr || (UnionRect(&rcLeft, &hWnd->rcUpdate, lpRect) && EqualRect(&rcLeft, lpRect))) {
        SetRectEmpty(&hWnd->rcUpdate);
        hWnd->bUpdateErase = FALSE;
    }
    return TRUE;
}

BOOL UpdateWindow(HWND hWnd)
{
    if (!IsWindow(hWnd))
        return FALSE;
    if (!AfxIsDrawable(hWnd))
        return TRUE;
    if (hWnd->bFrameDirty)
        DrawFrame(hWnd);
    if (!IsRectEmpty(&hWnd->rcUpdate))
        SendMessage(hWnd, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL RedrawWindow(HWND hWnd, const RECT* lprcUpdate, void*, UINT flags)
{
    if (!IsWindow(hWnd))
        return FALSE;
    if (flags & RDW_INVALIDATE)
        InvalidateRect(hWnd, lprcUpdate, (flags & RDW_ERASE) != 0);
    if (flags & RDW_VALIDATE)
        ValidateRect(hWnd, lprcUpdate);
    if (flags & RDW_FRAME)
        hWnd->bFrameDirty = AfxBorderWidth(hWnd) != 0;
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) {
        UpdateWindow(hWnd);
        if (flags & RDW_ALLCHILDREN) {
            std::vector<HWND> children = hWnd->children;
            for (HWND hChild : children)
                RedrawWindow(hChild, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
    }
    return TRUE;
}

HDC BeginPaint(HWND hWnd, LPPAINTSTRUCT lpPaint)
{
    if (!IsWindow(hWnd) || lpPaint == nullptr)
        return nullptr;
    if (hWnd->bFrameDirty)
        DrawFrame(hWnd);
    lpPaint->rcPaint = hWnd->rcUpdate;
    BOOL bErase = hWnd->bUpdateErase;
    SetRectEmpty(&hWnd->rcUpdate);
    hWnd->bUpdateErase = FALSE;
    lpPaint->hdc = MakeSurfaceDC(hWnd, AfxClientOrigin(hWnd), PaintClip(hWnd, lpPaint->rcPaint));
    lpPaint->fErase = TRUE;
    if (bErase && lpPaint->hdc != nullptr)
        lpPaint->fErase = !SendMessage(hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(lpPaint->hdc), 0);
    return lpPaint->hdc;
}

BOOL EndPaint(HWND hWnd, const PAINTSTRUCT* lpPaint)
{
    if (lpPaint == nullptr || lpPaint->hdc == nullptr)
        return FALSE;
    return ReleaseDC(hWnd, lpPaint->hdc) != 0;
}

HDC GetDC(HWND hWnd)
{
    if (!IsWindow(hWnd)) {
        HDC hDC = CreateCompatibleDC(nullptr);
        if (hDC != nullptr)
            HandedOutDCs()[hDC] = AFX_DCINFO{nullptr, RECT(), FALSE};
        return hDC;
    }
    return MakeSurfaceDC(hWnd, AfxClientOrigin(hWnd), AfxVisibleClientRect(hWnd));
}

int ReleaseDC(HWND, HDC hDC)
{
    auto it = HandedOutDCs().find(hDC);
    if (it == HandedOutDCs().end())
        return 0;
    AFX_DCINFO info = it->second;
    HandedOutDCs().erase(it);
    if (!info.bSurface) {
        DeleteDC(hDC);
        return 1;
    }
    AfxDeleteSurfaceDC(hDC);
    if (AfxIsLiveWindow(info.hTop))
        AfxAddPresentRect(info.hTop, info.rcBuffer);
    return 1;
}
