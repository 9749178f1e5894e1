#include "platform/wnd/AfxDriver.h"

#include "platform/wnd/AfxWindow.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CWinApp.h"

namespace {

std::function<BOOL()>& IdleHook()
{
    static std::function<BOOL()> s_fnHook;
    return s_fnHook;
}

BOOL Push(HWND hWnd, int nType, POINT ptClient, int nButton, int nClicks, UINT nVirtKey, UINT nKeyFlags)
{
    HWND hTop = GetTopLevelWindow(hWnd);
    if (hTop == nullptr || hTop->pOs == nullptr)
        return FALSE;
    POINT ptOrigin = AfxClientOrigin(hWnd);
    AFX_INPUT_EVENT e = {nType, hTop->pOs, ptClient.x + ptOrigin.x, ptClient.y + ptOrigin.y,
                         nButton, nClicks, nVirtKey, nKeyFlags};
    return AfxBackendPushEvent(e);
}

// The device pixel of a point of hWnd's client area in its top-level window.
POINT DevicePoint(HWND hWnd, POINT ptClient)
{
    const POINT ptOrigin = AfxClientOrigin(hWnd);
    const int nScale = AfxGetScreenScale();
    return POINT{AfxScaleToDevice(nScale, ptClient.x + ptOrigin.x), AfxScaleToDevice(nScale, ptClient.y + ptOrigin.y)};
}

}  // namespace

BOOL AfxSimulateMouseMove(HWND hWnd, POINT ptClient)
{
    return Push(hWnd, AFX_EVENT_MOUSEMOVE, ptClient, 0, 0, 0, 0);
}

BOOL AfxSimulateButton(HWND hWnd, POINT ptClient, int nButton, BOOL bDown, int nClicks)
{
    return Push(hWnd, bDown ? AFX_EVENT_BUTTONDOWN : AFX_EVENT_BUTTONUP, ptClient, nButton, nClicks, 0, 0);
}

BOOL AfxSimulateClick(HWND hWnd, POINT ptClient, int nButton, int nClicks)
{
    return AfxSimulateMouseMove(hWnd, ptClient) && AfxSimulateButton(hWnd, ptClient, nButton, TRUE, nClicks) &&
           AfxSimulateButton(hWnd, ptClient, nButton, FALSE, nClicks);
}

BOOL AfxSimulateKey(HWND hWnd, UINT nVirtKey, UINT nKeyFlags)
{
    POINT pt = {0, 0};
    return Push(hWnd, AFX_EVENT_KEYDOWN, pt, 0, 0, nVirtKey, nKeyFlags) &&
           Push(hWnd, AFX_EVENT_KEYUP, pt, 0, 0, nVirtKey, nKeyFlags);
}

BOOL AfxSimulateClose(HWND hWnd)
{
    POINT pt = {0, 0};
    return Push(hWnd, AFX_EVENT_CLOSE, pt, 0, 0, 0, 0);
}

BOOL AfxPumpUntilIdle()
{
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return FALSE;
        }
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }
    return TRUE;
}

AFX_SURFACE AfxGetBackBuffer(HWND hWnd)
{
    HWND hTop = GetTopLevelWindow(hWnd);
    if (hTop == nullptr) {
        AFX_SURFACE empty = {nullptr, 0, 0, 0};
        return empty;
    }
    return AfxBackBufferSurface(hTop);
}

COLORREF AfxGetBackBufferPixel(HWND hWnd, POINT ptClient)
{
    AFX_SURFACE surface = AfxGetBackBuffer(hWnd);
    if (surface.pBits == nullptr)
        return CLR_INVALID;
    const POINT pt = DevicePoint(hWnd, ptClient);
    const int x = pt.x;
    const int y = pt.y;
    if (x < 0 || y < 0 || x >= surface.cx || y >= surface.cy)
        return CLR_INVALID;
    return AfxColorFromPixel(surface.pBits[y * surface.nPitch + x]);
}

COLORREF AfxGetScreenPixel(HWND hWnd, POINT ptClient)
{
    HWND hTop = GetTopLevelWindow(hWnd);
    if (hTop == nullptr)
        return CLR_INVALID;
    const POINT pt = DevicePoint(hWnd, ptClient);
    uint32_t nPixel = 0;
    if (!AfxBackendReadScreenPixel(hTop->pOs, pt.x, pt.y, &nPixel))
        return CLR_INVALID;
    return AfxColorFromPixel(nPixel);
}

HWND AfxGetTrackedMenuWindow() { return AfxGetMenuPopup(); }

void AfxSetIdleHook(std::function<BOOL()> fnHook) { IdleHook() = std::move(fnHook); }

BOOL AfxRunIdleHook()
{
    // A copy: the hook may replace itself.
    std::function<BOOL()> fnHook = IdleHook();
    return fnHook ? fnHook() : FALSE;
}

INT_PTR AfxRunModalSteps(CDialog& dlg, std::vector<std::function<void()>> steps)
{
    size_t nNext = 0;
    AfxSetIdleHook([&]() -> BOOL {
        if (nNext >= steps.size()) {
            AfxEndModalLoops(-2);
            return FALSE;
        }
        steps[nNext++]();
        // Called again at once: a step that queued nothing still wants the next one,
        // and after the last one the loops must end.
        return TRUE;
    });
    INT_PTR nResult = dlg.DoModal();
    AfxSetIdleHook(nullptr);
    return nResult;
}
