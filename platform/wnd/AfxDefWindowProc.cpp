// What a window does with a message that nobody handled.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/backend/AfxBackend.h"
#include "platform/wnd/AfxWindow.h"

namespace {

LRESULT SetText(HWND hWnd, LPCTSTR lpszText)
{
    hWnd->strText = lpszText != nullptr ? lpszText : "";
    if (hWnd->hParent == nullptr)
        AfxBackendSetTitle(hWnd->pOs, hWnd->strText.c_str());
    return TRUE;
}

LRESULT GetText(HWND hWnd, WPARAM nMax, LPTSTR lpszBuffer)
{
    if (lpszBuffer == nullptr || nMax == 0)
        return 0;
    size_t n = std::min(hWnd->strText.size(), static_cast<size_t>(nMax - 1));
    std::memcpy(lpszBuffer, hWnd->strText.data(), n);
    lpszBuffer[n] = 0;
    return static_cast<LRESULT>(n);
}

LRESULT EraseWithClassBrush(HWND hWnd, HDC hDC)
{
    if (hWnd->pClass->hbrBackground == nullptr)
        return FALSE;
    RECT rc;
    GetClientRect(hWnd, &rc);
    FillRect(hDC, &rc, hWnd->pClass->hbrBackground);
    return TRUE;
}

LRESULT DefSetCursor(HWND hWnd, WPARAM wParam, LPARAM lParam)
{
    // The parent may decide first; otherwise the class cursor, or the shape stays.
    if (hWnd->hParent != nullptr && SendMessage(hWnd->hParent, WM_SETCURSOR, wParam, lParam))
        return TRUE;
    if (reinterpret_cast<HWND>(wParam) != hWnd || LOWORD(lParam) != HTCLIENT || hWnd->pClass->hCursor == nullptr)
        return FALSE;
    SetCursor(hWnd->pClass->hCursor);
    return TRUE;
}

LRESULT DefCtlColor(UINT uMsg, HDC hDC)
{
    int nColor = uMsg == WM_CTLCOLORSTATIC || uMsg == WM_CTLCOLORBTN || uMsg == WM_CTLCOLORDLG ? COLOR_3DFACE
                                                                                               : COLOR_WINDOW;
    SetBkColor(hDC, GetSysColor(nColor));
    SetTextColor(hDC, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(nColor));
}

LRESULT DefContextMenu(HWND hWnd, WPARAM wParam, LPARAM lParam)
{
    if (hWnd->hParent != nullptr) {
        // Only the keyboard's menu request travels up; a right click on a control opens nothing.
        if (lParam == -1)
            SendMessage(hWnd->hParent, WM_CONTEXTMENU, wParam, lParam);
        return 0;
    }
    if ((hWnd->dwStyle & WS_SYSMENU) == 0 || (lParam != -1 && reinterpret_cast<HWND>(wParam) != hWnd))
        return 0;
    POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (lParam == -1) {
        pt.x = 0;
        pt.y = 0;
        ClientToScreen(hWnd, &pt);
    }
    AfxTrackSystemMenu(hWnd, pt, lParam == -1);
    return 0;
}

LRESULT DefSysCommand(HWND hWnd, WPARAM wParam)
{
    switch (wParam & 0xFFF0) {
    case SC_CLOSE: SendMessage(hWnd, WM_CLOSE, 0, 0); break;
    case SC_KEYMENU: SendMessage(hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hWnd), -1); break;
    case SC_MINIMIZE: ShowWindow(hWnd, SW_MINIMIZE); break;
    case SC_RESTORE: ShowWindow(hWnd, SW_RESTORE); break;
    default: break;
    }
    return 0;
}

LRESULT DefKey(HWND hWnd, UINT uMsg, WPARAM wParam)
{
    HWND hTop = GetTopLevelWindow(hWnd);
    if (uMsg == WM_SYSKEYDOWN && wParam == VK_SPACE)
        SendMessage(hTop, WM_SYSCOMMAND, SC_KEYMENU, ' ');
    else if (uMsg == WM_SYSKEYDOWN && wParam == VK_F4)
        SendMessage(hTop, WM_SYSCOMMAND, SC_CLOSE, 0);
    else if (uMsg == WM_KEYDOWN && (wParam == VK_APPS || (wParam == VK_F10 && GetKeyState(VK_SHIFT) < 0)))
        SendMessage(hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hWnd), -1);
    return 0;
}

LRESULT SetIcon(HWND hWnd, WPARAM wParam, HICON hIcon)
{
    HICON& hSlot = wParam == ICON_BIG ? hWnd->hIconBig : hWnd->hIconSmall;
    HICON hOld = hSlot;
    hSlot = hIcon;
    AfxSetSystemIcons(hWnd);
    return reinterpret_cast<LRESULT>(hOld);
}

}  // namespace

LRESULT DefWindowProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    if (!IsWindow(hWnd))
        return 0;
    switch (Msg) {
    case WM_NCCREATE: return TRUE;
    case WM_SETTEXT: return SetText(hWnd, reinterpret_cast<LPCTSTR>(lParam));
    case WM_GETTEXT: return GetText(hWnd, wParam, reinterpret_cast<LPTSTR>(lParam));
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(hWnd->strText.size());
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hWnd, &ps);
        EndPaint(hWnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
    case WM_ICONERASEBKGND: return EraseWithClassBrush(hWnd, reinterpret_cast<HDC>(wParam));
    case WM_SETCURSOR: return DefSetCursor(hWnd, wParam, lParam);
    case WM_CLOSE: DestroyWindow(hWnd); return 0;
    case WM_SYSCOMMAND: return DefSysCommand(hWnd, wParam);
    case WM_CONTEXTMENU: return DefContextMenu(hWnd, wParam, lParam);
    case WM_RBUTTONUP: {
        POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(hWnd, &pt);
        SendMessage(hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hWnd), MAKELPARAM(pt.x, pt.y));
        return 0;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return DefKey(hWnd, Msg, wParam);
    case WM_GETFONT: return reinterpret_cast<LRESULT>(hWnd->hFont);
    case WM_SETFONT:
        hWnd->hFont = reinterpret_cast<HFONT>(wParam);
        if (lParam)
            InvalidateRect(hWnd, nullptr, TRUE);
        return 0;
    case WM_SETICON: return SetIcon(hWnd, wParam, reinterpret_cast<HICON>(lParam));
    case WM_GETICON: return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? hWnd->hIconBig : hWnd->hIconSmall);
    case WM_QUERYDRAGICON: return reinterpret_cast<LRESULT>(hWnd->pClass->hIcon);
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return DefCtlColor(Msg, reinterpret_cast<HDC>(wParam));
    default: return 0;
    }
}

void AfxSetSystemIcons(HWND hWnd)
{
    if (hWnd->pOs == nullptr)
        return;
    HICON hBig = hWnd->hIconBig != nullptr ? hWnd->hIconBig : hWnd->hIconSmall;
    HICON hSmall = hWnd->hIconSmall != nullptr ? hWnd->hIconSmall : hWnd->hIconBig;
    if (hBig == nullptr)
        return;
    // The small icon's 16x16, the big icon's 32x32 and its larger images up to 128x128, so
    // that task switchers and docks need not scale the 32x32 up.
    std::vector<AFX_OSICON> images;
    const AFX_ICON_IMAGE* pSizes[] = {&hSmall->imageSmall, &hBig->imageLarge};
    for (const AFX_ICON_IMAGE* pImage : pSizes)
        images.push_back({pImage->bits.data(), pImage->cx, pImage->cy});
    for (const AFX_ICON_IMAGE& image : hBig->images) {
        if (image.cx > hBig->imageLarge.cx && image.cx <= 128)
            images.push_back({image.bits.data(), image.cx, image.cy});
    }
    AfxBackendSetIcons(hWnd->pOs, images.data(), static_cast<int>(images.size()));
}
