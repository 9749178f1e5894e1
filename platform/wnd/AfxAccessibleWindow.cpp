// Windows described for screen readers from what they already are.
#include "platform/backend/AfxBackend.h"
#include "platform/wnd/AfxAccessible.h"
#include "platform/wnd/AfxCommCtrl.h"
#include "platform/wnd/AfxWindow.h"

namespace {

struct ROLEMAP {
    DWORD dwRole;
    int nAtspiRole;
};

const ROLEMAP g_roles[] = {
    {ROLE_SYSTEM_WINDOW, AFX_ATSPI_ROLE_FRAME},         {ROLE_SYSTEM_CLIENT, AFX_ATSPI_ROLE_PANEL},
    {ROLE_SYSTEM_MENUPOPUP, AFX_ATSPI_ROLE_MENU},       {ROLE_SYSTEM_MENUITEM, AFX_ATSPI_ROLE_MENU_ITEM},
    {ROLE_SYSTEM_TOOLTIP, AFX_ATSPI_ROLE_TOOL_TIP},     {ROLE_SYSTEM_DIALOG, AFX_ATSPI_ROLE_DIALOG},
    {ROLE_SYSTEM_SEPARATOR, AFX_ATSPI_ROLE_SEPARATOR},  {ROLE_SYSTEM_TABLE, AFX_ATSPI_ROLE_TABLE},
    {ROLE_SYSTEM_COLUMNHEADER, AFX_ATSPI_ROLE_COLUMN_HEADER}, {ROLE_SYSTEM_CELL, AFX_ATSPI_ROLE_TABLE_CELL},
    {ROLE_SYSTEM_LINK, AFX_ATSPI_ROLE_LINK},            {ROLE_SYSTEM_GRAPHIC, AFX_ATSPI_ROLE_ICON},
    {ROLE_SYSTEM_STATICTEXT, AFX_ATSPI_ROLE_LABEL},     {ROLE_SYSTEM_PUSHBUTTON, AFX_ATSPI_ROLE_PUSH_BUTTON},
    {ROLE_AFX_CALENDAR, AFX_ATSPI_ROLE_CALENDAR},
};

int AtspiRoleOf(DWORD dwRole)
{
    for (const ROLEMAP& role : g_roles) {
        if (role.dwRole == dwRole)
            return role.nAtspiRole;
    }
    return AFX_ATSPI_ROLE_UNKNOWN;
}

BOOL IsPushButton(HWND hWnd)
{
    return hWnd->pClass->lpfnWndProc == AfxButtonProc && (hWnd->dwStyle & BS_TYPEMASK) <= BS_DEFPUSHBUTTON;
}

BOOL IsStatic(HWND hWnd) { return hWnd->pClass->lpfnWndProc == AfxStaticProc; }

DWORD StaticRole(DWORD dwStyle)
{
    const DWORD dwType = dwStyle & SS_TYPEMASK;
    if (dwType == SS_ICON)
        return ROLE_SYSTEM_GRAPHIC;
    return dwType >= SS_BLACKRECT && dwType <= SS_WHITEFRAME ? ROLE_SYSTEM_CLIENT : ROLE_SYSTEM_STATICTEXT;
}

DWORD RoleOf(HWND hWnd)
{
    const WNDPROC pfnClass = hWnd->pClass->lpfnWndProc;
    if (pfnClass == AfxButtonProc)
        return ROLE_SYSTEM_PUSHBUTTON;
    if (pfnClass == AfxStaticProc)
        return StaticRole(hWnd->dwStyle);
    if (pfnClass == DefDlgProc)
        return ROLE_SYSTEM_DIALOG;
    if (pfnClass == AfxToolTipProc)
        return ROLE_SYSTEM_TOOLTIP;
    if (pfnClass == AfxMenuPopupProc)
        return ROLE_SYSTEM_MENUPOPUP;
    return hWnd->hParent == nullptr ? ROLE_SYSTEM_WINDOW : ROLE_SYSTEM_CLIENT;
}

// What the window shows as its text: without the "&" that marks a mnemonic.
CString NameOf(HWND hWnd)
{
    const BOOL bPrefix = hWnd->hParent != nullptr && (!IsStatic(hWnd) || (hWnd->dwStyle & SS_NOPREFIX) == 0);
    return bPrefix ? CString(AfxStripMnemonic(hWnd->strText, nullptr).c_str()) : CString(hWnd->strText.c_str());
}

BOOL IsEnabledAllTheWay(HWND hWnd)
{
    return IsWindowEnabled(hWnd) && IsWindowEnabled(GetTopLevelWindow(hWnd));
}

DWORD StateOf(HWND hWnd)
{
    DWORD dwState = 0;
    if (!IsEnabledAllTheWay(hWnd))
        dwState |= STATE_SYSTEM_UNAVAILABLE;
    if (!AfxIsDrawable(hWnd))
        dwState |= STATE_SYSTEM_INVISIBLE;
    if (hWnd->hParent != nullptr && (hWnd->dwStyle & WS_TABSTOP) != 0)
        dwState |= STATE_SYSTEM_FOCUSABLE;
    if (GetFocus() == hWnd)
        dwState |= STATE_SYSTEM_FOCUSED;
    if (IsPushButton(hWnd) && (hWnd->dwStyle & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
        dwState |= STATE_SYSTEM_DEFAULT;
    return dwState;
}

BOOL IsClickable(HWND hWnd) { return IsPushButton(hWnd) || (IsStatic(hWnd) && (hWnd->dwStyle & SS_NOTIFY) != 0); }

uint64_t AtspiStatesOf(DWORD dwState)
{
    static const struct {
        DWORD dwState;
        int nAtspiState;
    } s_states[] = {{STATE_SYSTEM_SELECTED, AFX_ATSPI_STATE_SELECTED},     {STATE_SYSTEM_FOCUSED, AFX_ATSPI_STATE_FOCUSED},
                    {STATE_SYSTEM_DEFAULT, AFX_ATSPI_STATE_IS_DEFAULT},    {STATE_SYSTEM_FOCUSABLE, AFX_ATSPI_STATE_FOCUSABLE},
                    {STATE_SYSTEM_SELECTABLE, AFX_ATSPI_STATE_SELECTABLE}, {STATE_SYSTEM_TRAVERSED, AFX_ATSPI_STATE_VISITED}};
    uint64_t nStates = 0;
    if ((dwState & STATE_SYSTEM_UNAVAILABLE) == 0)
        nStates |= AfxAtspiBit(AFX_ATSPI_STATE_ENABLED) | AfxAtspiBit(AFX_ATSPI_STATE_SENSITIVE);
    if ((dwState & STATE_SYSTEM_INVISIBLE) == 0)
        nStates |= AfxAtspiBit(AFX_ATSPI_STATE_VISIBLE) | AfxAtspiBit(AFX_ATSPI_STATE_SHOWING);
    for (const auto& state : s_states) {
        if (dwState & state.dwState)
            nStates |= AfxAtspiBit(state.nAtspiState);
    }
    return nStates;
}

// States only a top-level window has: the active one, a box that holds its owner, a frame
// that the user may size.
uint64_t TopLevelStates(HWND hWnd)
{
    uint64_t nStates = 0;
    if (GetActiveWindow() == hWnd)
        nStates |= AfxAtspiBit(AFX_ATSPI_STATE_ACTIVE);
    if (hWnd->hOwner != nullptr && !AfxIsPopupWindow(hWnd) && !IsWindowEnabled(hWnd->hOwner))
        nStates |= AfxAtspiBit(AFX_ATSPI_STATE_MODAL);
    return nStates;
}

UINT InterfacesOf(int nRole, const AFX_ACCITEM& item)
{
    UINT nInterfaces = item.strDefaultAction.IsEmpty() ? 0u : static_cast<UINT>(AFX_ATSPI_ACTION);
    switch (nRole) {
    case AFX_ATSPI_ROLE_LABEL: return nInterfaces | AFX_ATSPI_TEXT;
    case AFX_ATSPI_ROLE_LINK: return nInterfaces | AFX_ATSPI_TEXT | AFX_ATSPI_HYPERLINK;
    case AFX_ATSPI_ROLE_TABLE: return nInterfaces | AFX_ATSPI_TABLE | AFX_ATSPI_SELECTION;
    case AFX_ATSPI_ROLE_TABLE_CELL: return nInterfaces | AFX_ATSPI_TABLECELL;
    case AFX_ATSPI_ROLE_MENU: return nInterfaces | AFX_ATSPI_SELECTION;
    default: return nInterfaces;
    }
}

// A rectangle of hWnd's client area on the screen, in device pixels: each edge scaled
// within the top-level window as its pixels are drawn, then moved to where the window is.
RECT ScreenDeviceRect(HWND hWnd, const RECT& rcClient)
{
    HWND hTop = GetTopLevelWindow(hWnd);
    RECT rc = rcClient;
    const POINT ptOrigin = AfxClientOrigin(hWnd);
    OffsetRect(&rc, ptOrigin.x, ptOrigin.y);
    rc = AfxScaleToDevice(AfxGetScreenScale(), rc);
    const POINT ptTop = AfxBackendGetWindowDevicePos(hTop->pOs);
    OffsetRect(&rc, ptTop.x, ptTop.y);
    return rc;
}

}  // namespace

IAfxAccessible* AfxGetAccessible(HWND hWnd)
{
    return reinterpret_cast<IAfxAccessible*>(SendMessage(hWnd, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT)));
}

void AfxDescribeWindow(HWND hWnd, AFX_ACCITEM* pItem)
{
    pItem->dwRole = RoleOf(hWnd);
    pItem->strName = NameOf(hWnd);
    pItem->dwState = StateOf(hWnd);
    const int nBorder = AfxBorderWidth(hWnd);
    pItem->rcItem = CRect(-nBorder, -nBorder, hWnd->rcWindow.right - hWnd->rcWindow.left - nBorder,
                          hWnd->rcWindow.bottom - hWnd->rcWindow.top - nBorder);
    pItem->nParent = CHILDID_SELF;
    pItem->strDefaultAction = IsClickable(hWnd) ? "click" : "";
}

// A click on a static control is its button going down and up at its middle.
BOOL AfxPostWindowClick(HWND hWnd)
{
    if (IsPushButton(hWnd))
        return PostMessage(hWnd, BM_CLICK, 0, 0);
    if (!IsClickable(hWnd))
        return FALSE;
    const RECT rc = AfxClientRect(hWnd);
    const LPARAM lPoint = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    return PostMessage(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, lPoint) && PostMessage(hWnd, WM_LBUTTONUP, 0, lPoint);
}

void AfxItemToNode(HWND hWnd, int nItem, const AFX_ACCITEM& item, AFX_ATSPI_NODE* pNode)
{
    pNode->nRole = AtspiRoleOf(item.dwRole);
    pNode->strName = item.strName.GetString();
    pNode->strDescription = item.strDescription.GetString();
    pNode->nStates = AtspiStatesOf(item.dwState);
    if (nItem == CHILDID_SELF) {
        if ((hWnd->dwStyle & WS_VISIBLE) == 0 || (hWnd->hParent == nullptr && !hWnd->bShown))
            pNode->nStates &= ~AfxAtspiBit(AFX_ATSPI_STATE_VISIBLE);
        if (hWnd->hParent == nullptr)
            pNode->nStates |= TopLevelStates(hWnd);
        if (GetTopLevelWindow(hWnd)->bIconic)
            pNode->nStates &= ~AfxAtspiBit(AFX_ATSPI_STATE_SHOWING);
    }
    pNode->rcScreen = ScreenDeviceRect(hWnd, item.rcItem);
    pNode->ptWindow = AfxBackendGetWindowDevicePos(GetTopLevelWindow(hWnd)->pOs);
    pNode->nInterfaces = InterfacesOf(pNode->nRole, item);
    pNode->strAction = item.strDefaultAction.GetString();
    pNode->strText = pNode->nInterfaces & AFX_ATSPI_TEXT ? pNode->strName : std::string();
    pNode->strUri = item.strValue.GetString();
    pNode->nRows = item.nRows;
    pNode->nColumns = item.nColumns;
    pNode->nRow = item.nRow;
    pNode->nColumn = item.nColumn;
}
