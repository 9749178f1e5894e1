// Input: backend events become mouse and keyboard messages for the right window;
// capture, focus, activation and the cursor.
#include "platform/backend/AfxBackend.h"
#include "platform/core/CWaitCursor.h"
#include "platform/wnd/AfxWindow.h"

namespace {

HWND g_hCapture = nullptr;
HWND g_hFocus = nullptr;
HWND g_hActive = nullptr;
HWND g_hLastDown = nullptr;
HCURSOR g_hCursor = nullptr;
POINT g_ptCursor = {0, 0};
UINT g_nKeyFlags = 0;
UINT g_nButtons = 0;

int BackendShapeOf(HCURSOR hCursor)
{
    switch (hCursor->nSystemCursor) {
    case AFX_CURSOR_IBEAM: return AFX_OSCURSOR_IBEAM;
    case AFX_CURSOR_WAIT: return AFX_OSCURSOR_WAIT;
    case AFX_CURSOR_CROSS: return AFX_OSCURSOR_CROSS;
    case AFX_CURSOR_HAND: return AFX_OSCURSOR_HAND;
    case AFX_CURSOR_NO: return AFX_OSCURSOR_NO;
    case AFX_CURSOR_SIZEALL: return AFX_OSCURSOR_SIZEALL;
    case AFX_CURSOR_APPSTARTING: return AFX_OSCURSOR_APPSTARTING;
    default: return AFX_OSCURSOR_ARROW;
    }
}

UINT ButtonBit(int nButton)
{
    return nButton == AFX_BUTTON_LEFT ? MK_LBUTTON : nButton == AFX_BUTTON_RIGHT ? MK_RBUTTON : MK_MBUTTON;
}

UINT MouseKeyFlags()
{
    UINT nFlags = g_nButtons;
    if (g_nKeyFlags & AFX_KEY_SHIFT)
        nFlags |= MK_SHIFT;
    if (g_nKeyFlags & AFX_KEY_CONTROL)
        nFlags |= MK_CONTROL;
    return nFlags;
}

UINT ButtonMessage(const AFX_INPUT_EVENT& e, HWND hTarget)
{
    UINT nBase = e.nButton == AFX_BUTTON_LEFT ? WM_LBUTTONDOWN : e.nButton == AFX_BUTTON_RIGHT ? WM_RBUTTONDOWN
                                                                                              : WM_MBUTTONDOWN;
    if (e.nType == AFX_EVENT_BUTTONUP)
        return nBase + 1;
    // A class without CS_DBLCLKS gets the second press as another button-down.
    BOOL bDouble = e.nClicks >= 2 && e.nClicks % 2 == 0 && hTarget == g_hLastDown &&
                   (hTarget->pClass->style & CS_DBLCLKS) != 0;
    return bDouble ? nBase + 2 : nBase;
}

// The enabled window that a disabled owner's click should bring forward.
HWND EnabledOwnedWindow(HWND hTop)
{
    for (HWND hOther : AfxGetTopLevelWindows()) {
        if (hOther->hOwner == hTop && hOther->bShown)
            return IsWindowEnabled(hOther) ? hOther : EnabledOwnedWindow(hOther);
    }
    return nullptr;
}

void SetCursorFor(HWND hTarget, UINT nMouseMsg)
{
    if (AfxGetWaitCursorCount() > 0) {
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
        return;
    }
    SendMessage(hTarget, WM_SETCURSOR, reinterpret_cast<WPARAM>(hTarget), MAKELPARAM(HTCLIENT, nMouseMsg));
}

void MouseEvent(HWND hTop, const AFX_INPUT_EVENT& e)
{
    POINT ptScreen = {hTop->rcWindow.left + e.x, hTop->rcWindow.top + e.y};
    g_ptCursor = ptScreen;
    if (e.nType == AFX_EVENT_BUTTONDOWN)
        g_nButtons |= ButtonBit(e.nButton);
    else if (e.nType == AFX_EVENT_BUTTONUP)
        g_nButtons &= ~ButtonBit(e.nButton);
    HWND hTarget = g_hCapture;
    if (hTarget == nullptr) {
        if (!IsWindowEnabled(hTop) || !hTop->bShown) {
            HWND hModal = e.nType == AFX_EVENT_BUTTONDOWN ? EnabledOwnedWindow(hTop) : nullptr;
            if (hModal != nullptr)
                AfxBackendRaise(hModal->pOs);
            return;
        }
        POINT ptTop = {e.x, e.y};
        hTarget = ChildWindowFromPoint(hTop, ptTop);
    }
    UINT nMsg = e.nType == AFX_EVENT_MOUSEMOVE ? static_cast<UINT>(WM_MOUSEMOVE) : ButtonMessage(e, hTarget);
    if (g_hCapture == nullptr)
        SetCursorFor(hTarget, nMsg);
    if (e.nType == AFX_EVENT_BUTTONDOWN) {
        g_hLastDown = hTarget;
        g_hActive = hTop;
        if (!AfxIsPopupWindow(hTop))
            AfxBackendFocusOnClick(hTop->pOs);
    }
    POINT ptClient = ptScreen;
    ScreenToClient(hTarget, &ptClient);
    AfxPostInputMessage(hTarget, nMsg, MouseKeyFlags(), MAKELPARAM(ptClient.x, ptClient.y));
}

void KeyEvent(HWND hTop, const AFX_INPUT_EVENT& e)
{
    g_nKeyFlags = e.nKeyFlags;
    if (!IsWindowEnabled(hTop))
        return;
    HWND hTarget = g_hFocus != nullptr && GetTopLevelWindow(g_hFocus) == hTop ? g_hFocus : hTop;
    BOOL bSys = (e.nKeyFlags & AFX_KEY_ALT) != 0;
    UINT nMsg = e.nType == AFX_EVENT_KEYDOWN ? (bSys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (bSys ? WM_SYSKEYUP : WM_KEYUP);
    LPARAM lParam = 1 | (bSys ? (1L << 29) : 0);
    AfxPostInputMessage(hTarget, nMsg, e.nVirtKey, lParam);
}

void Activate(HWND hTop)
{
    if (AfxIsPopupWindow(hTop))
        return;
    g_hActive = hTop;
    if (!IsWindowEnabled(hTop)) {
        HWND hModal = EnabledOwnedWindow(hTop);
        if (hModal != nullptr)
            AfxBackendRaise(hModal->pOs);
        return;
    }
    if (g_hFocus != nullptr && GetTopLevelWindow(g_hFocus) == hTop)
        return;
    HWND hFocus = IsWindow(hTop->hLastFocus) && IsChild(hTop, hTop->hLastFocus) ? hTop->hLastFocus : hTop;
    SetFocus(hFocus);
}

// The window manager put the client area at (x, y) of the screen.
void Moved(HWND hTop, int x, int y)
{
    OffsetRect(&hTop->rcWindow, x - hTop->rcWindow.left, y - hTop->rcWindow.top);
}

// An inactive window shows no focus; the control that had it gets it back on activation.
void Deactivate(HWND hTop)
{
    if (g_hActive == hTop)
        g_hActive = nullptr;
    if (g_hFocus != nullptr && GetTopLevelWindow(g_hFocus) == hTop)
        SetFocus(nullptr);
}

void Translate(const AFX_INPUT_EVENT& e)
{
    HWND hTop = AfxWindowFromOs(e.pWindow);
    if (hTop == nullptr)
        return;
    RECT rcAll;
    GetClientRect(hTop, &rcAll);
    switch (e.nType) {
    case AFX_EVENT_MOUSEMOVE:
    case AFX_EVENT_BUTTONDOWN:
    case AFX_EVENT_BUTTONUP: MouseEvent(hTop, e); break;
    case AFX_EVENT_KEYDOWN:
    case AFX_EVENT_KEYUP: KeyEvent(hTop, e); break;
    case AFX_EVENT_CLOSE:
        if (IsWindowEnabled(hTop))
            AfxPostInputMessage(hTop, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case AFX_EVENT_EXPOSE: AfxAddPresentRect(hTop, rcAll); break;
    case AFX_EVENT_ACTIVATE: Activate(hTop); break;
    case AFX_EVENT_DEACTIVATE: Deactivate(hTop); break;
    case AFX_EVENT_MOVE: Moved(hTop, e.x, e.y); break;
    case AFX_EVENT_MINIMIZE: AfxSetIconic(hTop, TRUE); break;
    case AFX_EVENT_RESTORE: AfxSetIconic(hTop, FALSE); break;
    default: break;
    }
}

BOOL IsSelfOrChild(HWND hWnd, HWND hOther)
{
    return hOther != nullptr && (hOther == hWnd || IsChild(hWnd, hOther));
}

}  // namespace

BOOL AfxPumpBackendEvent(int nTimeoutMs)
{
    AFX_INPUT_EVENT e;
    if (!AfxBackendNextEvent(&e, nTimeoutMs))
        return FALSE;
    Translate(e);
    return TRUE;
}

void AfxPresentExposed(AFX_OSWINDOW* pOs)
{
    HWND hTop = AfxWindowFromOs(pOs);
    if (hTop == nullptr)
        return;
    RECT rcAll;
    GetClientRect(hTop, &rcAll);
    AfxAddPresentRect(hTop, rcAll);
    AfxPresentAll();
}

void AfxForgetWindowInput(HWND hWnd)
{
    if (IsSelfOrChild(hWnd, g_hCapture))
        ReleaseCapture();
    if (IsSelfOrChild(hWnd, g_hFocus))
        g_hFocus = nullptr;
    if (g_hActive == hWnd)
        g_hActive = nullptr;
    if (IsSelfOrChild(hWnd, g_hLastDown))
        g_hLastDown = nullptr;
}

void AfxSetIconic(HWND hWnd, BOOL bIconic)
{
    HWND hTop = GetTopLevelWindow(hWnd);
    if (hTop == nullptr || hTop->bIconic == bIconic)
        return;
    hTop->bIconic = bIconic;
    RECT rc;
    GetClientRect(hTop, &rc);
    SendMessage(hTop, WM_SIZE, bIconic ? SIZE_MINIMIZED : SIZE_RESTORED, MAKELPARAM(rc.right, rc.bottom));
    InvalidateRect(hTop, nullptr, TRUE);
}

HWND SetCapture(HWND hWnd)
{
    HWND hOld = g_hCapture;
    if (hOld == hWnd)
        return hOld;
    g_hCapture = IsWindow(hWnd) ? hWnd : nullptr;
    AfxBackendCaptureMouse(g_hCapture != nullptr);
    if (IsWindow(hOld))
        SendMessage(hOld, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(g_hCapture));
    return hOld;
}

BOOL ReleaseCapture()
{
    HWND hOld = g_hCapture;
    if (hOld == nullptr)
        return TRUE;
    g_hCapture = nullptr;
    AfxBackendCaptureMouse(FALSE);
    SendMessage(hOld, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() { return g_hCapture; }

HWND SetFocus(HWND hWnd)
{
    HWND hOld = g_hFocus;
    if (hWnd == hOld)
        return hOld;
    if (hWnd != nullptr && (!IsWindow(hWnd) || !IsWindowEnabled(hWnd)))
        return nullptr;
    g_hFocus = hWnd;
    if (IsWindow(hOld))
        SendMessage(hOld, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hWnd), 0);
    if (hWnd != nullptr && g_hFocus == hWnd) {
        GetTopLevelWindow(hWnd)->hLastFocus = hWnd;
        SendMessage(hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(hOld), 0);
        AfxDialogFocusChanged(hWnd);
    }
    return hOld;
}

HWND GetFocus() { return g_hFocus; }

void AfxGiveKeyboardBack(HWND hTop)
{
    SetFocus(IsWindow(hTop->hLastFocus) && IsChild(hTop, hTop->hLastFocus) ? hTop->hLastFocus : hTop);
    if (hTop->bShown && IsWindowEnabled(hTop))
        AfxBackendRaise(hTop->pOs);
}

HWND GetActiveWindow() { return g_hActive; }

HCURSOR SetCursor(HCURSOR hCursor)
{
    HCURSOR hOld = g_hCursor;
    g_hCursor = hCursor;
    if (hCursor == nullptr)
        return hOld;
    if (hCursor->nSystemCursor != 0) {
        AfxBackendSetCursor(BackendShapeOf(hCursor));
    } else {
        // The image nearest the standard cursor's size on the screen.
        const int nScale = AfxGetScreenScale();
        const AFX_ICON_IMAGE image = AfxGetIconImage(hCursor, AfxScaleToDevice(nScale, hCursor->imageLarge.cx));
        AFX_OSICON osImage = {image.bits.data(), image.cx, image.cy};
        AfxBackendSetImageCursor(osImage, AfxScaleToDevice(nScale, hCursor->ptHotspot.x),
                                 AfxScaleToDevice(nScale, hCursor->ptHotspot.y), hCursor);
    }
    return hOld;
}

HCURSOR GetCursor() { return g_hCursor; }

BOOL GetCursorPos(LPPOINT lpPoint)
{
    if (lpPoint == nullptr)
        return FALSE;
    *lpPoint = g_ptCursor;
    return TRUE;
}

short GetKeyState(int nVirtKey)
{
    BOOL bDown = FALSE;
    switch (nVirtKey) {
    case VK_SHIFT: bDown = (g_nKeyFlags & AFX_KEY_SHIFT) != 0; break;
    case VK_CONTROL: bDown = (g_nKeyFlags & AFX_KEY_CONTROL) != 0; break;
    case VK_MENU: bDown = (g_nKeyFlags & AFX_KEY_ALT) != 0; break;
    case VK_LBUTTON: bDown = (g_nButtons & MK_LBUTTON) != 0; break;
    case VK_RBUTTON: bDown = (g_nButtons & MK_RBUTTON) != 0; break;
    case VK_MBUTTON: bDown = (g_nButtons & MK_MBUTTON) != 0; break;
    default: break;
    }
    return bDown ? static_cast<short>(0x8000) : 0;
}
