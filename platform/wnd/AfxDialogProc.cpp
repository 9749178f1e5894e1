// Dialog windows: creation from a template, default handling and keyboard navigation.
#include <cmath>
#include <cstdio>

#include "platform/backend/AfxBackend.h"
#include "platform/wnd/AfxDlgTemplate.h"
#include "platform/wnd/AfxWindow.h"
#include "platform/wnd/CWnd.h"

namespace {

int RoundedScale(int nValue, int nMul, int nDiv)
{
    // Half away from zero.
    long lScaled = static_cast<long>(nValue) * nMul;
    long lHalf = nDiv / 2;
    return static_cast<int>(lScaled >= 0 ? (lScaled + lHalf) / nDiv : -((-lScaled + lHalf) / nDiv));
}

HFONT CreateDialogFont(const AFX_DLGTEMPLATE* pTemplate)
{
    LOGFONT lf = {};
    int nPoints = pTemplate->nPointSize > 0 ? pTemplate->nPointSize : 8;
    lf.lfHeight = -static_cast<LONG>(std::lround(nPoints * 96.0 / 72.0));
    lf.lfWeight = FW_NORMAL;
    const char* pszFace = pTemplate->lpszFontName != nullptr ? pTemplate->lpszFontName : "MS Sans Serif";
    snprintf(lf.lfFaceName, sizeof lf.lfFaceName, "%s", pszFace);
    return CreateFontIndirect(&lf);
}

BOOL IsPushButton(HWND hWnd)
{
    return IsWindow(hWnd) && hWnd->pClass->lpfnWndProc == AfxButtonProc &&
           (hWnd->dwStyle & BS_TYPEMASK) <= BS_DEFPUSHBUTTON;
}

HWND DialogOf(HWND hWnd)
{
    HWND hParent = IsWindow(hWnd) ? hWnd->hParent : nullptr;
    return hParent != nullptr && hParent->pClass->lpfnWndProc == DefDlgProc ? hParent : nullptr;
}

UINT DefaultId(HWND hDlg)
{
    LRESULT lDef = SendMessage(hDlg, DM_GETDEFID, 0, 0);
    return HIWORD(lDef) == DC_HASDEFID ? LOWORD(lDef) : static_cast<UINT>(IDOK);
}

void SetButtonDefault(HWND hButton, BOOL bDefault)
{
    if (!IsPushButton(hButton))
        return;
    DWORD dwType = bDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if ((hButton->dwStyle & BS_TYPEMASK) != dwType)
        SendMessage(hButton, BM_SETSTYLE, dwType, TRUE);
}

HWND CreateItem(HWND hDlg, const AFX_DLGITEMTEMPLATE& item, HFONT hFont)
{
    RECT rcDlu = {item.x, item.y, item.x + item.cx, item.y + item.cy};
    RECT rc = AfxDialogUnitsToPixels(rcDlu);
    HWND hItem = CreateWindowEx(item.dwExStyle, item.lpszClass, item.lpszText, item.dwStyle | WS_CHILD, rc.left,
                                rc.top, rc.right - rc.left, rc.bottom - rc.top, hDlg,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.nID)), nullptr, nullptr);
    if (hItem == nullptr)
        return nullptr;
    SendMessage(hItem, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    if ((item.dwStyle & SS_TYPEMASK) == SS_ICON && item.nIconID != 0 && hItem->pClass->lpfnWndProc == AfxStaticProc) {
        HICON hIcon = AfxLoadIcon(item.nIconID);
        SendMessage(hItem, STM_SETICON, reinterpret_cast<WPARAM>(hIcon), 0);
        hItem->bOwnIcon = hIcon != nullptr;
    }
    return hItem;
}

HWND FirstTabStop(HWND hDlg) { return GetNextDlgTabItem(hDlg, nullptr, FALSE); }

BOOL HandleDialogKey(HWND hDlg, const MSG* pMsg)
{
    HWND hFocus = GetFocus();
    switch (pMsg->wParam) {
    case VK_TAB: {
        HWND hNext = GetNextDlgTabItem(hDlg, hFocus, GetKeyState(VK_SHIFT) < 0);
        if (hNext != nullptr)
            SetFocus(hNext);
        return TRUE;
    }
    case VK_RETURN: {
        UINT nID = IsPushButton(hFocus) && DialogOf(hFocus) == hDlg ? hFocus->nID : DefaultId(hDlg);
        HWND hButton = GetDlgItem(hDlg, static_cast<int>(nID));
        if (hButton == nullptr || IsWindowEnabled(hButton))
            SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(hButton));
        return TRUE;
    }
    case VK_ESCAPE: {
        HWND hCancel = GetDlgItem(hDlg, IDCANCEL);
        SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(hCancel));
        return TRUE;
    }
    default: return FALSE;
    }
}

}  // namespace

RECT AfxDialogUnitsToPixels(const RECT& rcDlu)
{
    RECT rc = {RoundedScale(rcDlu.left, AFX_DLG_BASEUNIT_X, 4), RoundedScale(rcDlu.top, AFX_DLG_BASEUNIT_Y, 8),
               RoundedScale(rcDlu.right, AFX_DLG_BASEUNIT_X, 4), RoundedScale(rcDlu.bottom, AFX_DLG_BASEUNIT_Y, 8)};
    return rc;
}

HWND AfxCreateDialogIndirect(const AFX_DLGTEMPLATE* pTemplate, HWND hOwner, CWnd* pDialog)
{
    if (pTemplate == nullptr)
        return nullptr;
    RECT rcDlu = {0, 0, pTemplate->cx, pTemplate->cy};
    RECT rc = AfxDialogUnitsToPixels(rcDlu);
    if (pDialog != nullptr)
        AfxHookWindowCreate(pDialog);
    DWORD dwStyle = pTemplate->dwStyle & ~static_cast<DWORD>(WS_VISIBLE | WS_CHILD);
    HWND hDlg = CreateWindowEx(pTemplate->dwExStyle, "#32770", pTemplate->lpszCaption, dwStyle, AFX_POS_CENTERED,
                               AFX_POS_CENTERED, rc.right, rc.bottom, hOwner, nullptr, nullptr, nullptr);
    AfxUnhookWindowCreate();
    if (hDlg == nullptr)
        return nullptr;
    hDlg->hOwnedFont = CreateDialogFont(pTemplate);
    hDlg->hFont = hDlg->hOwnedFont;
    if (hDlg->hFont == nullptr) {
        DestroyWindow(hDlg);
        return nullptr;
    }
    for (int i = 0; i < pTemplate->nItems; ++i) {
        const AFX_DLGITEMTEMPLATE& item = pTemplate->pItems[i];
        HWND hItem = CreateItem(hDlg, item, hDlg->hFont);
        // A dialog with a control missing is not shown half made.
        if (hItem == nullptr) {
            DestroyWindow(hDlg);
            return nullptr;
        }
        if (hDlg->nDefID == 0 && IsPushButton(hItem) && (item.dwStyle & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            hDlg->nDefID = static_cast<UINT>(item.nID);
    }
    HWND hFirst = FirstTabStop(hDlg);
    if (SendMessage(hDlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(hFirst), 0) && IsWindow(hDlg)) {
        hFirst = FirstTabStop(hDlg);
        SetFocus(hFirst != nullptr ? hFirst : hDlg);
    }
    if (IsWindow(hDlg) && (pTemplate->dwStyle & WS_VISIBLE) != 0)
        ShowWindow(hDlg, SW_SHOW);
    return IsWindow(hDlg) ? hDlg : nullptr;
}

HWND GetNextDlgTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious)
{
    if (!IsWindow(hDlg))
        return nullptr;
    std::vector<HWND> stops;
    for (HWND hChild : hDlg->children) {
        if ((hChild->dwStyle & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) == (WS_TABSTOP | WS_VISIBLE))
            stops.push_back(hChild);
    }
    if (stops.empty())
        return nullptr;
    int nCount = static_cast<int>(stops.size());
    int nAt = -1;
    for (int i = 0; i < nCount; ++i) {
        if (stops[static_cast<size_t>(i)] == hCtl)
            nAt = i;
    }
    if (nAt < 0)
        return bPrevious ? stops.back() : stops.front();
    return stops[static_cast<size_t>((nAt + (bPrevious ? nCount - 1 : 1)) % nCount)];
}

void AfxDialogFocusChanged(HWND hNewFocus)
{
    HWND hDlg = DialogOf(hNewFocus);
    if (hDlg == nullptr)
        return;
    // The focused push button acts as the default; otherwise the dialog's default does.
    HWND hDefault = IsPushButton(hNewFocus) ? hNewFocus : GetDlgItem(hDlg, static_cast<int>(DefaultId(hDlg)));
    for (HWND hChild : hDlg->children) {
        if (hChild != hDefault)
            SetButtonDefault(hChild, FALSE);
    }
    SetButtonDefault(hDefault, TRUE);
}

BOOL IsDialogMessage(HWND hDlg, LPMSG lpMsg)
{
    if (!IsWindow(hDlg) || (lpMsg->hwnd != hDlg && !IsChild(hDlg, lpMsg->hwnd)))
        return FALSE;
    if (lpMsg->message != WM_KEYDOWN)
        return FALSE;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)
        return FALSE;
    LRESULT lCode = SendMessage(lpMsg->hwnd, WM_GETDLGCODE, lpMsg->wParam, reinterpret_cast<LPARAM>(lpMsg));
    if (lCode & DLGC_WANTALLKEYS)
        return FALSE;
    if (lpMsg->wParam == VK_TAB && (lCode & DLGC_WANTTAB))
        return FALSE;
    return HandleDialogKey(hDlg, lpMsg);
}

LRESULT DefDlgProc(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam)
{
    switch (Msg) {
    case WM_CLOSE: {
        HWND hCancel = GetDlgItem(hDlg, IDCANCEL);
        if (hCancel == nullptr || IsWindowEnabled(hCancel))
            SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(hCancel));
        return 0;
    }
    case DM_GETDEFID:
        return hDlg->nDefID != 0 ? MAKELONG(hDlg->nDefID, DC_HASDEFID) : 0;
    case WM_INITDIALOG: return TRUE;
    case WM_GETDLGCODE: return 0;
    default: return DefWindowProc(hDlg, Msg, wParam, lParam);
    }
}
