// Menus and the popup that shows them: a child window on top of the owner's client area
// that holds the mouse capture while it is open.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/core/AfxAlloc.h"
#include "platform/gdi/CDC.h"
#include "platform/wnd/AfxWindow.h"
#include "platform/wnd/CMenu.h"
#include "platform/wnd/IAfxAccessible.h"

namespace {

const int kBorder = 3;
const int kItemHeight = 18;
const int kSeparatorHeight = 8;
const int kTextLeft = 18;
const int kTextRight = 18;

// The menu being tracked; for screen readers its items, the hot one selected and focused.
struct AFX_MENUTRACK : public IAfxAccessible {
    HMENU hMenu = nullptr;
    HWND hPopup = nullptr;
    int nHot = -1;
    UINT nResult = 0;
    BOOL bDone = FALSE;

    int GetChildCount(int nItem) override;
    int GetChild(int nItem, int nIndex) override;
    BOOL GetItem(int nItem, AFX_ACCITEM* pItem) override;
    BOOL DoDefaultAction(int nItem) override;
};

AFX_MENUTRACK* g_pTrack = nullptr;

AFX_MENUITEM* ItemAt(HMENU hMenu, UINT uItem, UINT uFlags)
{
    if (hMenu == nullptr)
        return nullptr;
    if (uFlags & MF_BYPOSITION)
        return uItem < hMenu->items.size() ? &hMenu->items[uItem] : nullptr;
    for (AFX_MENUITEM& item : hMenu->items) {
        if (item.nID == uItem && (item.nFlags & MF_SEPARATOR) == 0)
            return &item;
    }
    return nullptr;
}

HFONT MenuFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

BOOL IsChoosable(const AFX_MENUITEM& item) { return (item.nFlags & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED)) == 0; }

RECT ItemRect(HMENU hMenu, int nIndex, int cxPopup)
{
    int y = kBorder;
    for (int i = 0; i < nIndex; ++i)
        y += (hMenu->items[static_cast<size_t>(i)].nFlags & MF_SEPARATOR) ? kSeparatorHeight : kItemHeight;
    int cy = (hMenu->items[static_cast<size_t>(nIndex)].nFlags & MF_SEPARATOR) ? kSeparatorHeight : kItemHeight;
    RECT rc = {kBorder, y, cxPopup - kBorder, y + cy};
    return rc;
}

SIZE PopupSize(HMENU hMenu)
{
    HDC hDC = GetDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, MenuFont());
    SIZE size = {0, 2 * kBorder};
    for (const AFX_MENUITEM& item : hMenu->items) {
        if (item.nFlags & MF_SEPARATOR) {
            size.cy += kSeparatorHeight;
            continue;
        }
        std::string strText = AfxStripMnemonic(item.strText, nullptr);
        SIZE ext = {0, 0};
        GetTextExtentPoint32(hDC, strText.c_str(), static_cast<int>(strText.size()), &ext);
        size.cx = std::max(size.cx, ext.cx);
        size.cy += kItemHeight;
    }
    SelectObject(hDC, hOld);
    ReleaseDC(nullptr, hDC);
    size.cx += 2 * kBorder + kTextLeft + kTextRight;
    return size;
}

int ItemFromPoint(HWND hPopup, POINT pt)
{
    RECT rcClient;
    GetClientRect(hPopup, &rcClient);
    HMENU hMenu = g_pTrack->hMenu;
    for (int i = 0; i < static_cast<int>(hMenu->items.size()); ++i) {
        RECT rc = ItemRect(hMenu, i, rcClient.right);
        if (PtInRect(&rc, pt))
            return IsChoosable(hMenu->items[static_cast<size_t>(i)]) ? i : -1;
    }
    return -1;
}

void DrawItemText(CDC& dc, const AFX_MENUITEM& item, const RECT& rc)
{
    CRect rcText(rc.left + kTextLeft, rc.top, rc.right - kTextRight, rc.bottom);
    dc.DrawText(item.strText.c_str(), static_cast<int>(item.strText.size()), &rcText, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

void PaintPopup(HWND hPopup)
{
    PAINTSTRUCT ps;
    CDC dc;
    dc.Attach(BeginPaint(hPopup, &ps));
    CRect rcClient;
    GetClientRect(hPopup, &rcClient);
    dc.FillSolidRect(&rcClient, GetSysColor(COLOR_MENU));
    dc.Draw3dRect(&rcClient, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW));
    CRect rcInner = rcClient;
    rcInner.DeflateRect(1, 1);
    dc.Draw3dRect(&rcInner, GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_3DSHADOW));
    HGDIOBJ hOldFont = ::SelectObject(dc.m_hDC, MenuFont());
    dc.SetBkMode(TRANSPARENT);
    HMENU hMenu = g_pTrack->hMenu;
    for (int i = 0; i < static_cast<int>(hMenu->items.size()); ++i) {
        const AFX_MENUITEM& item = hMenu->items[static_cast<size_t>(i)];
        CRect rc = ItemRect(hMenu, i, rcClient.right);
        if (item.nFlags & MF_SEPARATOR) {
            int y = rc.top + kSeparatorHeight / 2 - 1;
            dc.FillSolidRect(rc.left + 1, y, rc.Width() - 2, 1, GetSysColor(COLOR_3DSHADOW));
            dc.FillSolidRect(rc.left + 1, y + 1, rc.Width() - 2, 1, GetSysColor(COLOR_3DHILIGHT));
            continue;
        }
        BOOL bHot = i == g_pTrack->nHot;
        if (bHot)
            dc.FillSolidRect(&rc, GetSysColor(COLOR_HIGHLIGHT));
        dc.SetTextColor(GetSysColor(!IsChoosable(item) ? COLOR_GRAYTEXT
                                    : bHot             ? COLOR_HIGHLIGHTTEXT
                                                       : COLOR_MENUTEXT));
        DrawItemText(dc, item, rc);
    }
    ::SelectObject(dc.m_hDC, hOldFont);
    dc.Detach();
    EndPaint(hPopup, &ps);
}

void SetHot(int nHot)
{
    if (g_pTrack->nHot == nHot)
        return;
    g_pTrack->nHot = nHot;
    InvalidateRect(g_pTrack->hPopup, nullptr, FALSE);
    NotifyWinEvent(EVENT_OBJECT_FOCUS, g_pTrack->hPopup, OBJID_CLIENT, nHot >= 0 ? nHot + 1 : CHILDID_SELF);
}

int AFX_MENUTRACK::GetChildCount(int nItem) { return nItem == CHILDID_SELF ? static_cast<int>(hMenu->items.size()) : 0; }

int AFX_MENUTRACK::GetChild(int, int nIndex) { return nIndex + 1; }

BOOL AFX_MENUTRACK::GetItem(int nItem, AFX_ACCITEM* pItem)
{
    if (nItem == CHILDID_SELF)
        return TRUE;
    if (nItem < 1 || nItem > static_cast<int>(hMenu->items.size()))
        return FALSE;
    const AFX_MENUITEM& item = hMenu->items[static_cast<size_t>(nItem - 1)];
    RECT rcClient;
    GetClientRect(hPopup, &rcClient);
    pItem->rcItem = ItemRect(hMenu, nItem - 1, rcClient.right);
    if (item.nFlags & MF_SEPARATOR) {
        pItem->dwRole = ROLE_SYSTEM_SEPARATOR;
        return TRUE;
    }
    pItem->dwRole = ROLE_SYSTEM_MENUITEM;
    pItem->strName = AfxStripMnemonic(item.strText, nullptr).c_str();
    pItem->dwState |= IsChoosable(item) ? STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE;
    pItem->dwState |= nItem - 1 == nHot ? STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED : 0;
    pItem->strDefaultAction = IsChoosable(item) ? "click" : "";
    return TRUE;
}

// The button coming up over the item chooses it.
BOOL AFX_MENUTRACK::DoDefaultAction(int nItem)
{
    AFX_ACCITEM item;
    if (nItem == CHILDID_SELF || !GetItem(nItem, &item) || item.strDefaultAction.IsEmpty())
        return FALSE;
    const CPoint point = item.rcItem.CenterPoint();
    return PostMessage(hPopup, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
}

void Finish(UINT nResult)
{
    g_pTrack->nResult = nResult;
    g_pTrack->bDone = TRUE;
}

void Choose(int nIndex)
{
    if (nIndex >= 0)
        Finish(g_pTrack->hMenu->items[static_cast<size_t>(nIndex)].nID);
}

void MoveHot(int nStep)
{
    int nCount = static_cast<int>(g_pTrack->hMenu->items.size());
    int nIndex = g_pTrack->nHot;
    for (int i = 0; i < nCount; ++i) {
        nIndex = nIndex < 0 ? (nStep > 0 ? 0 : nCount - 1) : (nIndex + nStep + nCount) % nCount;
        if (IsChoosable(g_pTrack->hMenu->items[static_cast<size_t>(nIndex)])) {
            SetHot(nIndex);
            return;
        }
    }
}

void MenuKey(UINT nVirtKey)
{
    switch (nVirtKey) {
    case VK_ESCAPE:
    case VK_MENU: Finish(0); return;
    case VK_UP: MoveHot(-1); return;
    case VK_DOWN: MoveHot(1); return;
    case VK_RETURN: Choose(g_pTrack->nHot); return;
    default: break;
    }
    HMENU hMenu = g_pTrack->hMenu;
    for (int i = 0; i < static_cast<int>(hMenu->items.size()); ++i) {
        const AFX_MENUITEM& item = hMenu->items[static_cast<size_t>(i)];
        int nMnemonic = -1;
        std::string strText = AfxStripMnemonic(item.strText, &nMnemonic);
        if (nMnemonic >= 0 && IsChoosable(item) &&
            static_cast<UINT>(std::toupper(static_cast<unsigned char>(strText[static_cast<size_t>(nMnemonic)]))) ==
                nVirtKey) {
            Choose(i);
            return;
        }
    }
}

HWND CreatePopup(HMENU hMenu, HWND hTop, POINT ptScreen)
{
    SIZE size = PopupSize(hMenu);
    RECT rcTop;
    GetClientRect(hTop, &rcTop);
    ScreenToClient(hTop, &ptScreen);
    int x = std::max(0, std::min(static_cast<int>(ptScreen.x), static_cast<int>(rcTop.right - size.cx)));
    int y = std::max(0, std::min(static_cast<int>(ptScreen.y), static_cast<int>(rcTop.bottom - size.cy)));
    HWND hPopup = CreateWindowEx(0, "#32768", "", WS_CHILD, x, y, size.cx, size.cy, hTop, nullptr, nullptr, nullptr);
    if (hPopup != nullptr)
        SetWindowPos(hPopup, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    return hPopup;
}

BOOL IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

UINT RunPopup(AFX_MENUTRACK& track)
{
    SetCapture(track.hPopup);
    while (!track.bDone) {
        MSG msg;
        if (!AfxPumpModalMessage(&msg, &track.bDone))
            break;
        if (IsKeyMessage(msg.message)) {
            if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN)
                MenuKey(static_cast<UINT>(msg.wParam));
            continue;
        }
        DispatchMessage(&msg);
        if (!track.bDone && GetCapture() != track.hPopup)
            Finish(0);
    }
    return track.nResult;
}

}  // namespace

std::string AfxStripMnemonic(const std::string& strText, int* pnMnemonic)
{
    std::string strOut;
    if (pnMnemonic != nullptr)
        *pnMnemonic = -1;
    for (size_t i = 0; i < strText.size(); ++i) {
        if (strText[i] == '&' && i + 1 < strText.size()) {
            ++i;
            if (strText[i] != '&' && pnMnemonic != nullptr && *pnMnemonic < 0)
                *pnMnemonic = static_cast<int>(strOut.size());
        }
        strOut += strText[i];
    }
    return strOut;
}

HMENU CreatePopupMenu() { return AfxNewRecord<HMENU__>(); }

BOOL DestroyMenu(HMENU hMenu)
{
    if (hMenu == nullptr)
        return FALSE;
    if (hMenu->pTempMenu != nullptr) {
        hMenu->pTempMenu->m_hMenu = nullptr;
        delete hMenu->pTempMenu;
    }
    delete hMenu;
    return TRUE;
}

HMENU GetSystemMenu(HWND hWnd, BOOL bRevert)
{
    if (!IsWindow(hWnd) || (hWnd->dwStyle & WS_SYSMENU) == 0)
        return nullptr;
    if (bRevert) {
        DestroyMenu(hWnd->hSysMenu);
        hWnd->hSysMenu = nullptr;
        return nullptr;
    }
    if (hWnd->hSysMenu == nullptr) {
        hWnd->hSysMenu = CreatePopupMenu();
        AppendMenu(hWnd->hSysMenu, MF_STRING, SC_CLOSE, "&Close");
    }
    return hWnd->hSysMenu;
}

BOOL AppendMenu(HMENU hMenu, UINT uFlags, UINT_PTR uIDNewItem, LPCTSTR lpNewItem)
{
    if (hMenu == nullptr)
        return FALSE;
    AFX_MENUITEM item = {uFlags, static_cast<UINT>(uIDNewItem),
                         (uFlags & MF_SEPARATOR) == 0 && lpNewItem != nullptr ? lpNewItem : ""};
    if (uFlags & MF_SEPARATOR)
        item.nID = 0;
    hMenu->items.push_back(item);
    return TRUE;
}

int GetMenuItemCount(HMENU hMenu) { return hMenu != nullptr ? static_cast<int>(hMenu->items.size()) : -1; }

UINT GetMenuItemID(HMENU hMenu, int nPos)
{
    AFX_MENUITEM* pItem = nPos >= 0 ? ItemAt(hMenu, static_cast<UINT>(nPos), MF_BYPOSITION) : nullptr;
    return pItem != nullptr ? pItem->nID : static_cast<UINT>(-1);
}

UINT GetMenuState(HMENU hMenu, UINT uId, UINT uFlags)
{
    AFX_MENUITEM* pItem = ItemAt(hMenu, uId, uFlags);
    return pItem != nullptr ? (pItem->nFlags & ~static_cast<UINT>(MF_BYPOSITION)) : static_cast<UINT>(-1);
}

int GetMenuString(HMENU hMenu, UINT uIDItem, LPTSTR lpString, int cchMax, UINT flags)
{
    AFX_MENUITEM* pItem = ItemAt(hMenu, uIDItem, flags);
    if (pItem == nullptr || lpString == nullptr || cchMax <= 0)
        return 0;
    size_t n = std::min(pItem->strText.size(), static_cast<size_t>(cchMax - 1));
    std::memcpy(lpString, pItem->strText.data(), n);
    lpString[n] = 0;
    return static_cast<int>(n);
}

BOOL TrackPopupMenu(HMENU hMenu, UINT uFlags, int x, int y, int, HWND hWnd, const RECT*)
{
    HWND hTop = GetTopLevelWindow(hWnd);
    if (hMenu == nullptr || hTop == nullptr || g_pTrack != nullptr || hMenu->items.empty())
        return FALSE;
    AFX_MENUTRACK track;
    track.hMenu = hMenu;
    POINT pt = {x, y};
    track.hPopup = CreatePopup(hMenu, hTop, pt);
    if (track.hPopup == nullptr)
        return FALSE;
    g_pTrack = &track;
    NotifyWinEvent(EVENT_OBJECT_FOCUS, track.hPopup, OBJID_CLIENT, CHILDID_SELF);
    if (uFlags & 0x8000u)
        MoveHot(1);
    UINT nResult = RunPopup(track);
    g_pTrack = nullptr;
    if (GetCapture() == track.hPopup)
        ReleaseCapture();
    DestroyWindow(track.hPopup);
    if (nResult != 0 && (uFlags & TPM_RETURNCMD) == 0)
        PostMessage(hWnd, WM_COMMAND, nResult, 0);
    return (uFlags & TPM_RETURNCMD) ? static_cast<BOOL>(nResult) : TRUE;
}

BOOL AfxTrackSystemMenu(HWND hWnd, POINT ptScreen, BOOL bKeyboard)
{
    HMENU hMenu = GetSystemMenu(hWnd, FALSE);
    UINT nFlags = TPM_RETURNCMD | (bKeyboard ? 0x8000u : 0u);
    UINT nID = static_cast<UINT>(TrackPopupMenu(hMenu, nFlags, ptScreen.x, ptScreen.y, 0, hWnd, nullptr));
    if (nID != 0)
        PostMessage(hWnd, WM_SYSCOMMAND, nID, 0);
    return nID != 0;
}

void AfxCancelMenu()
{
    if (g_pTrack != nullptr)
        Finish(0);
}

HWND AfxGetMenuPopup() { return g_pTrack != nullptr ? g_pTrack->hPopup : nullptr; }

LRESULT AfxMenuPopupProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (g_pTrack == nullptr || g_pTrack->hPopup != hWnd)
        return DefWindowProc(hWnd, uMsg, wParam, lParam);
    POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT rcClient;
    GetClientRect(hWnd, &rcClient);
    switch (uMsg) {
    case WM_GETOBJECT: return lParam == OBJID_CLIENT ? reinterpret_cast<LRESULT>(static_cast<IAfxAccessible*>(g_pTrack)) : 0;
    case WM_PAINT: PaintPopup(hWnd); return 0;
    case WM_ERASEBKGND: return TRUE;
    case WM_MOUSEMOVE: SetHot(ItemFromPoint(hWnd, pt)); return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        if (!PtInRect(&rcClient, pt))
            Finish(0);
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: Choose(ItemFromPoint(hWnd, pt)); return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != hWnd)
            Finish(0);
        return 0;
    default: return DefWindowProc(hWnd, uMsg, wParam, lParam);
    }
}
