// The "button" window class: classic three-dimensional push buttons.
#include "platform/gdi/CDC.h"
#include "platform/wnd/AfxWindow.h"

namespace {

const UINT kSpaceDown = 0x0100;

BOOL IsDefault(HWND hWnd) { return (hWnd->dwStyle & BS_TYPEMASK) == BS_DEFPUSHBUTTON; }

void SetPushed(HWND hWnd, BOOL bPushed)
{
    UINT nNew = bPushed ? (hWnd->nButtonState | BST_PUSHED) : (hWnd->nButtonState & ~static_cast<UINT>(BST_PUSHED));
    if (nNew == hWnd->nButtonState)
        return;
    hWnd->nButtonState = nNew;
    InvalidateRect(hWnd, nullptr, FALSE);
}

void Notify(HWND hWnd)
{
    HWND hParent = GetParent(hWnd);
    if (hParent != nullptr)
        SendMessage(hParent, WM_COMMAND, MAKEWPARAM(hWnd->nID, BN_CLICKED), reinterpret_cast<LPARAM>(hWnd));
}

void DrawEdges(CDC& dc, CRect& rc, BOOL bDefault, BOOL bPushed)
{
    if (bDefault) {
        dc.Draw3dRect(&rc, GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME));
        rc.DeflateRect(1, 1);
    }
    if (bPushed) {
        dc.Draw3dRect(&rc, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DSHADOW));
        rc.DeflateRect(1, 1);
        return;
    }
    dc.Draw3dRect(&rc, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DDKSHADOW));
    rc.DeflateRect(1, 1);
    dc.Draw3dRect(&rc, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DSHADOW));
    rc.DeflateRect(1, 1);
}

void Paint(HWND hWnd)
{
    PAINTSTRUCT ps;
    CDC dc;
    dc.Attach(BeginPaint(hWnd, &ps));
    CRect rcClient;
    GetClientRect(hWnd, &rcClient);
    BOOL bPushed = (hWnd->nButtonState & BST_PUSHED) != 0;
    dc.FillSolidRect(&rcClient, GetSysColor(COLOR_3DFACE));
    CRect rc = rcClient;
    DrawEdges(dc, rc, IsDefault(hWnd), bPushed);
    HFONT hFont = hWnd->hFont != nullptr ? hWnd->hFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HGDIOBJ hOld = ::SelectObject(dc.m_hDC, hFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(IsWindowEnabled(hWnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    CRect rcText = rcClient;
    if (bPushed)
        rcText.OffsetRect(1, 1);
    dc.DrawText(hWnd->strText.c_str(), static_cast<int>(hWnd->strText.size()), &rcText,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ::SelectObject(dc.m_hDC, hOld);
    if (GetFocus() == hWnd) {
        CRect rcFocus = rcClient;
        rcFocus.DeflateRect(IsDefault(hWnd) ? 4 : 3, IsDefault(hWnd) ? 4 : 3);
        dc.DrawFocusRect(&rcFocus);
    }
    dc.Detach();
    EndPaint(hWnd, &ps);
}

void ButtonDown(HWND hWnd)
{
    if (GetFocus() != hWnd)
        SetFocus(hWnd);
    SetCapture(hWnd);
    hWnd->bButtonTracking = TRUE;
    SetPushed(hWnd, TRUE);
}

void ButtonUp(HWND hWnd, POINT pt)
{
    if (!hWnd->bButtonTracking)
        return;
    hWnd->bButtonTracking = FALSE;
    RECT rc;
    GetClientRect(hWnd, &rc);
    BOOL bClick = (hWnd->nButtonState & BST_PUSHED) != 0 && PtInRect(&rc, pt);
    SetPushed(hWnd, FALSE);
    ReleaseCapture();
    if (bClick)
        Notify(hWnd);
}

void MouseMove(HWND hWnd, POINT pt)
{
    if (!hWnd->bButtonTracking)
        return;
    RECT rc;
    GetClientRect(hWnd, &rc);
    SetPushed(hWnd, PtInRect(&rc, pt));
}

BOOL Key(HWND hWnd, UINT uMsg, WPARAM wParam)
{
    if (wParam != VK_SPACE)
        return FALSE;
    if (hWnd->bButtonTracking)
        return TRUE;
    if (uMsg == WM_KEYDOWN) {
        hWnd->nButtonState |= kSpaceDown;
        SetPushed(hWnd, TRUE);
    } else if (hWnd->nButtonState & kSpaceDown) {
        hWnd->nButtonState &= ~kSpaceDown;
        SetPushed(hWnd, FALSE);
        Notify(hWnd);
    }
    return TRUE;
}

void LoseFocusOrCapture(HWND hWnd, BOOL bFocus)
{
    if (bFocus)
        hWnd->nButtonState &= ~kSpaceDown;
    else
        hWnd->bButtonTracking = FALSE;
    if ((hWnd->nButtonState & kSpaceDown) == 0 && !hWnd->bButtonTracking)
        SetPushed(hWnd, FALSE);
    InvalidateRect(hWnd, nullptr, FALSE);
}

}  // namespace

LRESULT AfxButtonProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (uMsg) {
    case WM_PAINT: Paint(hWnd); return 0;
    case WM_ERASEBKGND: return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: ButtonDown(hWnd); return 0;
    case WM_LBUTTONUP: ButtonUp(hWnd, pt); return 0;
    case WM_MOUSEMOVE: MouseMove(hWnd, pt); return 0;
    case WM_KEYDOWN:
    case WM_KEYUP: return Key(hWnd, uMsg, wParam) ? 0 : DefWindowProc(hWnd, uMsg, wParam, lParam);
    case WM_CAPTURECHANGED:
        if (hWnd->bButtonTracking && reinterpret_cast<HWND>(lParam) != hWnd)
            LoseFocusOrCapture(hWnd, FALSE);
        return 0;
    case WM_KILLFOCUS: LoseFocusOrCapture(hWnd, TRUE); return 0;
    case WM_SETFOCUS:
    case WM_ENABLE: InvalidateRect(hWnd, nullptr, FALSE); return 0;
    case WM_GETDLGCODE: return DLGC_BUTTON | (IsDefault(hWnd) ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case BM_SETSTYLE:
        hWnd->dwStyle = (hWnd->dwStyle & ~static_cast<DWORD>(BS_TYPEMASK)) | (wParam & BS_TYPEMASK);
        if (lParam)
            InvalidateRect(hWnd, nullptr, FALSE);
        return 0;
    case BM_GETSTATE: return (hWnd->nButtonState & BST_PUSHED) | (GetFocus() == hWnd ? BST_FOCUS : 0);
    case BM_SETSTATE: SetPushed(hWnd, static_cast<BOOL>(wParam)); return 0;
    case BM_CLICK: Notify(hWnd); return 0;
    case WM_SETTEXT: {
        LRESULT lResult = DefWindowProc(hWnd, uMsg, wParam, lParam);
        InvalidateRect(hWnd, nullptr, FALSE);
        return lResult;
    }
    default: return DefWindowProc(hWnd, uMsg, wParam, lParam);
    }
}
