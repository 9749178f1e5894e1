// Window records: classes, creation and destruction, geometry, styles and text.
#include "platform/wnd/AfxWindow.h"

#include <strings.h>

#include <algorithm>
#include <cstring>
#include <deque>
#include <set>

#include "platform/backend/AfxBackend.h"
#include "platform/core/AfxAlloc.h"
#include "platform/wnd/AfxCommCtrl.h"
#include "platform/wnd/CWnd.h"

namespace {

std::deque<AFX_WNDCLASS_ENTRY>& Classes()
{
    static std::deque<AFX_WNDCLASS_ENTRY> s_classes;
    return s_classes;
}

std::set<HWND>& LiveWindows()
{
    static std::set<HWND> s_windows;
    return s_windows;
}

std::vector<HWND> g_topLevel;
CWnd* g_pWndInit = nullptr;

void RegisterSystemClasses()
{
    static bool s_bDone = false;
    if (s_bDone)
        return;
    s_bDone = true;
    HCURSOR hArrow = LoadCursor(nullptr, IDC_ARROW);
    WNDCLASS wc = {};
    wc.hCursor = hArrow;
    wc.lpfnWndProc = AfxButtonProc;
    wc.lpszClassName = "button";
    wc.style = CS_PARENTDC;
    RegisterClass(&wc);
    wc.lpfnWndProc = AfxStaticProc;
    wc.lpszClassName = "static";
    RegisterClass(&wc);
    wc.style = CS_SAVEBITS | CS_DBLCLKS;
    wc.lpfnWndProc = DefDlgProc;
    wc.lpszClassName = "#32770";
    wc.hbrBackground = GetSysColorBrush(COLOR_3DFACE);
    RegisterClass(&wc);
    wc.lpfnWndProc = AfxToolTipProc;
    wc.lpszClassName = TOOLTIPS_CLASS;
    wc.hbrBackground = nullptr;
    RegisterClass(&wc);
    wc.lpfnWndProc = AfxMenuPopupProc;
    wc.lpszClassName = "#32768";
    wc.hbrBackground = nullptr;
    RegisterClass(&wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProc;
    wc.lpszClassName = "AfxWnd";
    RegisterClass(&wc);
}

void UnlinkFromParent(HWND hWnd)
{
    std::vector<HWND>& list = hWnd->hParent != nullptr ? hWnd->hParent->children : g_topLevel;
    list.erase(std::remove(list.begin(), list.end(), hWnd), list.end());
}

// A centred window goes over its owner, or the middle of the work area, and stays inside
// the work area as a dialog does.
void PlaceTopLevel(HWND hWnd, int x, int y, int cx, int cy)
{
    HWND hOwner = hWnd->hOwner;
    if (x != AFX_POS_CENTERED) {
        SetRect(&hWnd->rcWindow, x, y, x + cx, y + cy);
        return;
    }
    RECT rcAround = AfxGetWorkArea();
    if (hOwner != nullptr && hOwner->bShown)
        GetWindowRect(hOwner, &rcAround);
    x = rcAround.left + (rcAround.right - rcAround.left - cx) / 2;
    y = rcAround.top + (rcAround.bottom - rcAround.top - cy) / 2;
    SetRect(&hWnd->rcWindow, x, y, x + cx, y + cy);
    AfxKeepInWorkArea(hWnd->rcWindow);
}

// What the window manager is told about the window, from its styles.
AFX_OSWINDOW_STYLE OsStyleOf(HWND hWnd)
{
    AFX_OSWINDOW_STYLE style = {AFX_OSWINDOW_NORMAL, nullptr, FALSE, FALSE, FALSE};
    BOOL bOwned = hWnd->hOwner != nullptr && (hWnd->dwExStyle & WS_EX_APPWINDOW) == 0;
    if (bOwned)
        style.pOwner = hWnd->hOwner->pOs;
    if (AfxIsPopupWindow(hWnd))
        style.nKind = AFX_OSWINDOW_TOOLTIP;
    else if (bOwned)
        style.nKind = AFX_OSWINDOW_DIALOG;
    // A window of its own in the taskbar can always go there; boxes that belong to
    // another window stay with it.
    style.bMinimize = style.nKind == AFX_OSWINDOW_NORMAL;
    style.bMaximize = (hWnd->dwStyle & WS_MAXIMIZEBOX) != 0;
    style.bResize = (hWnd->dwStyle & WS_THICKFRAME) != 0;
    return style;
}

BOOL CreateOsWindow(HWND hWnd)
{
    RECT& rc = hWnd->rcWindow;
    hWnd->pOs = AfxBackendCreateWindow(hWnd->strText.c_str(), rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                                       OsStyleOf(hWnd));
    if (hWnd->pOs == nullptr)
        return FALSE;
    if (!AfxResizeBackBuffer(hWnd, rc.right - rc.left, rc.bottom - rc.top)) {
        AfxBackendDestroyWindow(hWnd->pOs);
        hWnd->pOs = nullptr;
        return FALSE;
    }
    return TRUE;
}

void DestroyChildren(HWND hWnd)
{
    std::vector<HWND> children = hWnd->children;
    for (HWND hChild : children) {
        if (AfxIsLiveWindow(hChild))
            DestroyWindow(hChild);
    }
    std::vector<HWND> owned;
    for (HWND hTop : g_topLevel) {
        if (hTop->hOwner == hWnd)
            owned.push_back(hTop);
    }
    for (HWND hTop : owned) {
        if (AfxIsLiveWindow(hTop))
            DestroyWindow(hTop);
    }
}

void FreeWindow(HWND hWnd)
{
    if (hWnd->pWnd != nullptr)
        hWnd->pWnd->m_hWnd = nullptr;
    if (hWnd->pTempWnd != nullptr) {
        hWnd->pTempWnd->m_hWnd = nullptr;
        delete hWnd->pTempWnd;
    }
    if (hWnd->hOwnedFont != nullptr)
        DeleteObject(hWnd->hOwnedFont);
    if (hWnd->bOwnIcon && hWnd->hIcon != nullptr)
        DestroyIcon(hWnd->hIcon);
    if (hWnd->hSysMenu != nullptr)
        DestroyMenu(hWnd->hSysMenu);
    if (hWnd->pOs != nullptr)
        AfxBackendDestroyWindow(hWnd->pOs);
    delete hWnd;
}

}  // namespace

BOOL RegisterClass(const WNDCLASS* lpWndClass)
{
    if (lpWndClass == nullptr || lpWndClass->lpszClassName == nullptr)
        return FALSE;
    if (AfxFindClass(lpWndClass->lpszClassName) != nullptr)
        return TRUE;
    AFX_WNDCLASS_ENTRY entry = {lpWndClass->lpszClassName, lpWndClass->style, lpWndClass->lpfnWndProc,
                                lpWndClass->hIcon,         lpWndClass->hCursor, lpWndClass->hbrBackground};
    if (entry.lpfnWndProc == nullptr)
        entry.lpfnWndProc = DefWindowProc;
    Classes().push_back(entry);
    return TRUE;
}

const AFX_WNDCLASS_ENTRY* AfxFindClass(LPCTSTR lpszClassName)
{
    RegisterSystemClasses();
    if (lpszClassName == nullptr)
        return nullptr;
    for (const AFX_WNDCLASS_ENTRY& entry : Classes()) {
        if (strcasecmp(entry.strName.c_str(), lpszClassName) == 0)
            return &entry;
    }
    return nullptr;
}

int GetClassName(HWND hWnd, LPTSTR lpClassName, int nMaxCount)
{
    if (!IsWindow(hWnd) || lpClassName == nullptr || nMaxCount <= 0)
        return 0;
    size_t n = std::min(hWnd->pClass->strName.size(), static_cast<size_t>(nMaxCount - 1));
    std::memcpy(lpClassName, hWnd->pClass->strName.data(), n);
    lpClassName[n] = 0;
    return static_cast<int>(n);
}

void AfxHookWindowCreate(CWnd* pWnd) { g_pWndInit = pWnd; }

CWnd* AfxUnhookWindowCreate()
{
    CWnd* pWnd = g_pWndInit;
    g_pWndInit = nullptr;
    return pWnd;
}

BOOL AfxIsLiveWindow(HWND hWnd) { return hWnd != nullptr && LiveWindows().count(hWnd) != 0; }

const std::vector<HWND>& AfxGetTopLevelWindows() { return g_topLevel; }

HWND AfxWindowFromOs(AFX_OSWINDOW* pOs)
{
    for (HWND hTop : g_topLevel) {
        if (hTop->pOs == pOs)
            return hTop;
    }
    return nullptr;
}

namespace {

HWND NewWindow(const AFX_WNDCLASS_ENTRY* pClass, DWORD dwExStyle, LPCTSTR lpszWindowName, DWORD dwStyle)
{
    HWND hWnd = AfxNewRecord<HWND__>();
    if (hWnd == nullptr)
        return nullptr;
    hWnd->pClass = pClass;
    hWnd->pfnWndProc = pClass->lpfnWndProc;
    hWnd->dwStyle = dwStyle;
    hWnd->dwExStyle = dwExStyle;
    hWnd->strText = lpszWindowName != nullptr ? lpszWindowName : "";
    return hWnd;
}

// Puts the new window into the tree: at the bottom of its siblings, or as a top-level
// window with its OS window. FALSE when the OS window cannot be made.
BOOL LinkWindow(HWND hWnd, HWND hWndParent, HMENU hMenu, const RECT& rc)
{
    if (hWnd->dwStyle & WS_CHILD) {
        hWnd->hParent = hWndParent;
        hWnd->nID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(hMenu));
        hWnd->rcWindow = rc;
        hWndParent->children.push_back(hWnd);
    } else {
        hWnd->hOwner = IsWindow(hWndParent) ? GetTopLevelWindow(hWndParent) : nullptr;
        // The first window decides whether the factor fits the screen.
        if (g_topLevel.empty())
            AfxFitScaleToWorkArea(rc.right - rc.left, rc.bottom - rc.top);
        PlaceTopLevel(hWnd, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
        if (!CreateOsWindow(hWnd))
            return FALSE;
        g_topLevel.push_back(hWnd);
    }
    LiveWindows().insert(hWnd);
    return TRUE;
}

BOOL SendCreateMessages(HWND hWnd, CREATESTRUCT& cs)
{
    LPARAM lParam = reinterpret_cast<LPARAM>(&cs);
    if (!SendMessage(hWnd, WM_NCCREATE, 0, lParam) || SendMessage(hWnd, WM_CREATE, 0, lParam) == -1) {
        DestroyWindow(hWnd);
        return FALSE;
    }
    return IsWindow(hWnd);
}

}  // namespace

HWND CreateWindowEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE, LPVOID lpParam)
{
    CWnd* pWndInit = AfxUnhookWindowCreate();
    const AFX_WNDCLASS_ENTRY* pClass = AfxFindClass(lpszClassName != nullptr ? lpszClassName : "AfxWnd");
    BOOL bChild = (dwStyle & WS_CHILD) != 0;
    if (pClass == nullptr || (bChild && !IsWindow(hWndParent)) || (!bChild && !AfxBackendIsReady()))
        return nullptr;
    HWND hWnd = NewWindow(pClass, dwExStyle, lpszWindowName, dwStyle);
    if (hWnd == nullptr)
        return nullptr;
    RECT rc = {x, y, x + nWidth, y + nHeight};
    if (!LinkWindow(hWnd, hWndParent, hMenu, rc)) {
        delete hWnd;
        return nullptr;
    }
    if (pWndInit != nullptr)
        pWndInit->AttachOnCreate(hWnd);
    CREATESTRUCT cs = {lpParam, nullptr, hMenu, hWndParent, nHeight, nWidth, y, x, static_cast<LONG>(dwStyle),
                       lpszWindowName, lpszClassName, dwExStyle};
    if (!SendCreateMessages(hWnd, cs))
        return nullptr;
    if ((dwStyle & WS_VISIBLE) != 0) {
        if (bChild)
            AfxInvalidateParentArea(hWnd);
        else
            ShowWindow(hWnd, SW_SHOW);
    }
    return IsWindow(hWnd) ? hWnd : nullptr;
}

BOOL DestroyWindow(HWND hWnd)
{
    if (!IsWindow(hWnd) || hWnd->bDestroying)
        return FALSE;
    hWnd->bDestroying = TRUE;
    BOOL bWasDrawable = hWnd->hParent != nullptr && AfxIsDrawable(hWnd);
    AfxForgetWindowInput(hWnd);
    SendMessage(hWnd, WM_DESTROY, 0, 0);
    DestroyChildren(hWnd);
    SendMessage(hWnd, WM_NCDESTROY, 0, 0);
    if (bWasDrawable && !hWnd->hParent->bDestroying)
        AfxInvalidateParentArea(hWnd);
    UnlinkFromParent(hWnd);
    AfxRemoveWindowMessages(hWnd);
    LiveWindows().erase(hWnd);
    FreeWindow(hWnd);
    return TRUE;
}

BOOL IsWindow(HWND hWnd) { return AfxIsLiveWindow(hWnd); }

BOOL IsChild(HWND hWndParent, HWND hWnd)
{
    if (!IsWindow(hWnd))
        return FALSE;
    for (HWND h = hWnd->hParent; h != nullptr; h = h->hParent) {
        if (h == hWndParent)
            return TRUE;
    }
    return FALSE;
}

HWND GetParent(HWND hWnd)
{
    if (!IsWindow(hWnd))
        return nullptr;
    return hWnd->hParent != nullptr ? hWnd->hParent : hWnd->hOwner;
}

HWND GetTopLevelWindow(HWND hWnd)
{
    if (!IsWindow(hWnd))
        return nullptr;
    while (hWnd->hParent != nullptr)
        hWnd = hWnd->hParent;
    return hWnd;
}

HWND GetWindowOwner(HWND hWnd) { return IsWindow(hWnd) ? hWnd->hOwner : nullptr; }

HWND GetDlgItem(HWND hDlg, int nIDDlgItem)
{
    if (!IsWindow(hDlg))
        return nullptr;
    for (HWND hChild : hDlg->children) {
        if (static_cast<int>(hChild->nID) == nIDDlgItem)
            return hChild;
    }
    return nullptr;
}

int GetDlgCtrlID(HWND hWnd) { return IsWindow(hWnd) ? static_cast<int>(hWnd->nID) : 0; }

LONG GetWindowLong(HWND hWnd, int nIndex)
{
    if (!IsWindow(hWnd))
        return 0;
    switch (nIndex) {
    case GWL_STYLE: return static_cast<LONG>(hWnd->dwStyle);
    case GWL_EXSTYLE: return static_cast<LONG>(hWnd->dwExStyle);
    case GWL_ID: return static_cast<LONG>(hWnd->nID);
    case GWL_USERDATA: return hWnd->lUserData;
    default: return 0;
    }
}

LONG SetWindowLong(HWND hWnd, int nIndex, LONG dwNewLong)
{
    if (!IsWindow(hWnd))
        return 0;
    LONG lOld = GetWindowLong(hWnd, nIndex);
    switch (nIndex) {
    case GWL_STYLE: hWnd->dwStyle = static_cast<DWORD>(dwNewLong); break;
    case GWL_EXSTYLE: hWnd->dwExStyle = static_cast<DWORD>(dwNewLong); break;
    case GWL_ID: hWnd->nID = static_cast<UINT>(dwNewLong); break;
    case GWL_USERDATA: hWnd->lUserData = dwNewLong; break;
    default: return 0;
    }
    return lOld;
}

WNDPROC SetWindowProc(HWND hWnd, WNDPROC pfnWndProc)
{
    if (!IsWindow(hWnd))
        return nullptr;
    WNDPROC pfnOld = hWnd->pfnWndProc;
    hWnd->pfnWndProc = pfnWndProc;
    return pfnOld;
}

int GetWindowText(HWND hWnd, LPTSTR lpString, int nMaxCount)
{
    if (lpString == nullptr || nMaxCount <= 0)
        return 0;
    return static_cast<int>(SendMessage(hWnd, WM_GETTEXT, static_cast<WPARAM>(nMaxCount),
                                        reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextLength(HWND hWnd) { return static_cast<int>(SendMessage(hWnd, WM_GETTEXTLENGTH, 0, 0)); }

BOOL SetWindowText(HWND hWnd, LPCTSTR lpString)
{
    return static_cast<BOOL>(SendMessage(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)));
}

BOOL AfxIsPopupWindow(HWND hWnd)
{
    return hWnd->hParent == nullptr && hWnd->hOwner != nullptr && (hWnd->dwStyle & WS_POPUP) != 0 &&
           (hWnd->dwStyle & WS_CAPTION) != WS_CAPTION;
}

int AfxBorderWidth(HWND hWnd)
{
    return hWnd->hParent != nullptr && (hWnd->dwStyle & WS_BORDER) != 0 ? 1 : 0;
}

POINT AfxClientOrigin(HWND hWnd)
{
    POINT pt = {0, 0};
    for (HWND h = hWnd; h->hParent != nullptr; h = h->hParent) {
        pt.x += h->rcWindow.left + AfxBorderWidth(h);
        pt.y += h->rcWindow.top + AfxBorderWidth(h);
    }
    return pt;
}

RECT AfxClientRect(HWND hWnd)
{
    int nBorder = AfxBorderWidth(hWnd);
    RECT rc = {0, 0, hWnd->rcWindow.right - hWnd->rcWindow.left - 2 * nBorder,
               hWnd->rcWindow.bottom - hWnd->rcWindow.top - 2 * nBorder};
    return rc;
}

RECT AfxVisibleClientRect(HWND hWnd)
{
    RECT rc = AfxClientRect(hWnd);
    POINT pt = AfxClientOrigin(hWnd);
    OffsetRect(&rc, pt.x, pt.y);
    for (HWND h = hWnd->hParent; h != nullptr; h = h->hParent) {
        RECT rcParent = AfxClientRect(h);
        POINT ptParent = AfxClientOrigin(h);
        OffsetRect(&rcParent, ptParent.x, ptParent.y);
        if (!IntersectRect(&rc, &rc, &rcParent))
            break;
    }
    return rc;
}

BOOL AfxIsDrawable(HWND hWnd)
{
    for (HWND h = hWnd; h != nullptr; h = h->hParent) {
        if ((h->dwStyle & WS_VISIBLE) == 0)
            return FALSE;
        if (h->hParent == nullptr)
            return h->bShown;
    }
    return FALSE;
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect)
{
    if (lpRect == nullptr)
        return FALSE;
    if (!IsWindow(hWnd)) {
        SetRectEmpty(lpRect);
        return FALSE;
    }
    *lpRect = AfxClientRect(hWnd);
    return TRUE;
}

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect)
{
    if (lpRect == nullptr)
        return FALSE;
    if (!IsWindow(hWnd)) {
        SetRectEmpty(lpRect);
        return FALSE;
    }
    *lpRect = hWnd->rcWindow;
    if (hWnd->hParent != nullptr) {
        POINT pt = {0, 0};
        ClientToScreen(hWnd->hParent, &pt);
        OffsetRect(lpRect, pt.x, pt.y);
    }
    return TRUE;
}

BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint)
{
    if (!IsWindow(hWnd) || lpPoint == nullptr)
        return FALSE;
    POINT ptOrigin = AfxClientOrigin(hWnd);
    HWND hTop = GetTopLevelWindow(hWnd);
    lpPoint->x += ptOrigin.x + hTop->rcWindow.left;
    lpPoint->y += ptOrigin.y + hTop->rcWindow.top;
    return TRUE;
}

BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint)
{
    if (!IsWindow(hWnd) || lpPoint == nullptr)
        return FALSE;
    POINT ptOrigin = {0, 0};
    ClientToScreen(hWnd, &ptOrigin);
    lpPoint->x -= ptOrigin.x;
    lpPoint->y -= ptOrigin.y;
    return TRUE;
}

BOOL IsWindowVisible(HWND hWnd) { return IsWindow(hWnd) && AfxIsDrawable(hWnd); }

BOOL IsIconic(HWND hWnd) { return IsWindow(hWnd) && GetTopLevelWindow(hWnd)->bIconic; }

BOOL IsWindowEnabled(HWND hWnd) { return IsWindow(hWnd) && (hWnd->dwStyle & WS_DISABLED) == 0; }

BOOL EnableWindow(HWND hWnd, BOOL bEnable)
{
    if (!IsWindow(hWnd))
        return FALSE;
    BOOL bWasDisabled = (hWnd->dwStyle & WS_DISABLED) != 0;
    if (bEnable == !bWasDisabled)
        return bWasDisabled;
    if (bEnable) {
        hWnd->dwStyle &= ~static_cast<DWORD>(WS_DISABLED);
    } else {
        hWnd->dwStyle |= WS_DISABLED;
        AfxForgetWindowInput(hWnd);
    }
    // Controls repaint themselves on WM_ENABLE; a disabled dialog looks the same.
    SendMessage(hWnd, WM_ENABLE, static_cast<WPARAM>(bEnable), 0);
    return bWasDisabled;
}

HWND ChildWindowFromPoint(HWND hWndParent, POINT pt)
{
    for (HWND hChild : hWndParent->children) {
        if ((hChild->dwStyle & (WS_VISIBLE | WS_DISABLED)) != WS_VISIBLE || !PtInRect(&hChild->rcWindow, pt))
            continue;
        POINT ptChild = {pt.x - hChild->rcWindow.left - AfxBorderWidth(hChild),
                         pt.y - hChild->rcWindow.top - AfxBorderWidth(hChild)};
        return ChildWindowFromPoint(hChild, ptChild);
    }
    return hWndParent;
}
