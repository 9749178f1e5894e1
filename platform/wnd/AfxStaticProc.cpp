// The "static" window class: text, frames and icons, with click notification on request.
#include "platform/gdi/CDC.h"
#include "platform/wnd/AfxWindow.h"

namespace {

BOOL IsNullBrush(HBRUSH hbr)
{
    LOGBRUSH lb = {};
    return hbr == nullptr || (GetObject(hbr, sizeof lb, &lb) != 0 && lb.lbStyle == BS_NULL);
}

// Asks the parent for colours and a background brush, the way a static control does.
HBRUSH AskColours(HWND hWnd, HDC hDC)
{
    HWND hParent = GetParent(hWnd);
    WPARAM wParam = reinterpret_cast<WPARAM>(hDC);
    LPARAM lParam = reinterpret_cast<LPARAM>(hWnd);
    HBRUSH hbr = hParent != nullptr ? reinterpret_cast<HBRUSH>(SendMessage(hParent, WM_CTLCOLORSTATIC, wParam, lParam))
                                    : nullptr;
    if (hbr == nullptr)
        hbr = reinterpret_cast<HBRUSH>(DefWindowProc(hWnd, WM_CTLCOLORSTATIC, wParam, lParam));
    return hbr;
}

UINT TextFormat(DWORD dwStyle)
{
    UINT nFormat = DT_EXPANDTABS | ((dwStyle & SS_NOPREFIX) ? DT_NOPREFIX : 0u);
    switch (dwStyle & SS_TYPEMASK) {
    case SS_CENTER: nFormat |= DT_CENTER | DT_WORDBREAK; break;
    case SS_RIGHT: nFormat |= DT_RIGHT | DT_WORDBREAK; break;
    case SS_LEFT: nFormat |= DT_LEFT | DT_WORDBREAK; break;
    default: nFormat |= DT_LEFT; break;
    }
    if (dwStyle & SS_CENTERIMAGE)
        nFormat = (nFormat & ~static_cast<UINT>(DT_WORDBREAK)) | DT_SINGLELINE | DT_VCENTER;
    return nFormat;
}

// A control without a background of its own shows its parent's: drawn again over the
// last drawing of itself, anti-aliased text and icon edges would darken with each redraw.
void PaintBackground(HWND hWnd, CDC& dc, const CRect& rc, HBRUSH hbr)
{
    if (!IsNullBrush(hbr)) {
        FillRect(dc.m_hDC, &rc, hbr);
        return;
    }
    HWND hParent = hWnd->hParent;
    if (hParent == nullptr)
        return;
    POINT ptChild = AfxClientOrigin(hWnd);
    POINT ptParent = AfxClientOrigin(hParent);
    CPoint ptOld = dc.OffsetWindowOrg(ptChild.x - ptParent.x, ptChild.y - ptParent.y);
    SendMessage(hParent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    dc.SetWindowOrg(ptOld);
}

void PaintText(HWND hWnd, CDC& dc, const CRect& rc)
{
    HBRUSH hbr = AskColours(hWnd, dc.m_hDC);
    PaintBackground(hWnd, dc, rc, hbr);
    HFONT hFont = hWnd->hFont != nullptr ? hWnd->hFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    HGDIOBJ hOld = ::SelectObject(dc.m_hDC, hFont);
    if (!IsWindowEnabled(hWnd))
        dc.SetTextColor(GetSysColor(COLOR_GRAYTEXT));
    CRect rcText = rc;
    dc.DrawText(hWnd->strText.c_str(), static_cast<int>(hWnd->strText.size()), &rcText, TextFormat(hWnd->dwStyle));
    ::SelectObject(dc.m_hDC, hOld);
}

void PaintIcon(HWND hWnd, CDC& dc, const CRect& rc)
{
    PaintBackground(hWnd, dc, rc, AskColours(hWnd, dc.m_hDC));
    if (hWnd->hIcon != nullptr)
        DrawIconEx(dc.m_hDC, 0, 0, hWnd->hIcon, rc.Width(), rc.Height(), 0, nullptr, DI_NORMAL);
}

void Paint(HWND hWnd)
{
    PAINTSTRUCT ps;
    CDC dc;
    // Without a surface (memory refused one) the parent is not even asked for colours.
    if (!dc.Attach(BeginPaint(hWnd, &ps)))
        return;
    CRect rc;
    GetClientRect(hWnd, &rc);
    switch (hWnd->dwStyle & SS_TYPEMASK) {
    case SS_BLACKFRAME: dc.Draw3dRect(&rc, GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME)); break;
    case SS_GRAYFRAME: dc.Draw3dRect(&rc, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DSHADOW)); break;
    case SS_WHITEFRAME: dc.Draw3dRect(&rc, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DHILIGHT)); break;
    case SS_BLACKRECT: dc.FillSolidRect(&rc, GetSysColor(COLOR_WINDOWFRAME)); break;
    case SS_GRAYRECT: dc.FillSolidRect(&rc, GetSysColor(COLOR_3DSHADOW)); break;
    case SS_WHITERECT: dc.FillSolidRect(&rc, GetSysColor(COLOR_3DHILIGHT)); break;
    case SS_ICON: PaintIcon(hWnd, dc, rc); break;
    default: PaintText(hWnd, dc, rc); break;
    }
    dc.Detach();
    EndPaint(hWnd, &ps);
}

LRESULT SetIcon(HWND hWnd, HICON hIcon)
{
    HICON hOld = hWnd->hIcon;
    if (hWnd->bOwnIcon && hOld != nullptr && hOld != hIcon)
        DestroyIcon(hOld);
    hWnd->bOwnIcon = FALSE;
    hWnd->hIcon = hIcon;
    // An icon control takes the icon's size.
    if ((hWnd->dwStyle & SS_TYPEMASK) == SS_ICON && hIcon != nullptr)
        SetWindowPos(hWnd, nullptr, 0, 0, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON),
                     SWP_NOMOVE | SWP_NOZORDER);
    InvalidateRect(hWnd, nullptr, TRUE);
    return reinterpret_cast<LRESULT>(hOld);
}

void Notify(HWND hWnd, UINT nCode)
{
    if ((hWnd->dwStyle & SS_NOTIFY) == 0 || GetParent(hWnd) == nullptr)
        return;
    SendMessage(GetParent(hWnd), WM_COMMAND, MAKEWPARAM(hWnd->nID, nCode), reinterpret_cast<LPARAM>(hWnd));
}

}  // namespace

LRESULT AfxStaticProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_PAINT: Paint(hWnd); return 0;
    case WM_ERASEBKGND: return TRUE;
    case WM_LBUTTONDOWN: Notify(hWnd, STN_CLICKED); return 0;
    case WM_LBUTTONDBLCLK: Notify(hWnd, STN_DBLCLK); return 0;
    case STM_SETICON: return SetIcon(hWnd, reinterpret_cast<HICON>(wParam));
    case STM_GETICON: return reinterpret_cast<LRESULT>(hWnd->hIcon);
    case WM_GETDLGCODE: return DLGC_STATIC;
    case WM_ENABLE: InvalidateRect(hWnd, nullptr, TRUE); return 0;
    case WM_SETTEXT: {
        LRESULT lResult = DefWindowProc(hWnd, uMsg, wParam, lParam);
        InvalidateRect(hWnd, nullptr, TRUE);
        return lResult;
    }
    default: return DefWindowProc(hWnd, uMsg, wParam, lParam);
    }
}
