// The tooltip window class: tools are areas of other windows; mouse messages relayed from
// them start a short wait, after which the tip's text shows below the pointer.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/gdi/CDC.h"
#include "platform/wnd/AfxCommCtrl.h"
#include "platform/wnd/AfxWindow.h"

namespace {

const UINT_PTR kShowTimer = 1;
const UINT_PTR kHideTimer = 2;
const int kPadX = 4;
const int kPadY = 2;
const int kBelowPointer = 20;

struct AFX_TOOL {
    UINT uFlags;
    HWND hwnd;
    UINT_PTR uId;
    RECT rect;
    std::string strText;
};

struct AFX_TIPDATA {
    std::vector<AFX_TOOL> tools;
    UINT nInitial = 500;
    UINT nAutoPop = 5000;
    int nCurrent = -1;
    BOOL bShowing = FALSE;
};

std::map<HWND, AFX_TIPDATA>& Tips()
{
    static std::map<HWND, AFX_TIPDATA> s_tips;
    return s_tips;
}

int FindTool(const AFX_TIPDATA& data, HWND hwnd, UINT_PTR uId)
{
    for (size_t i = 0; i < data.tools.size(); ++i) {
        if (data.tools[i].hwnd == hwnd && data.tools[i].uId == uId)
            return static_cast<int>(i);
    }
    return -1;
}

RECT ToolRect(const AFX_TOOL& tool)
{
    RECT rc = tool.rect;
    if (tool.uFlags & TTF_IDISHWND)
        GetClientRect(reinterpret_cast<HWND>(tool.uId), &rc);
    return rc;
}

int ToolAt(const AFX_TIPDATA& data, HWND hwnd, POINT pt)
{
    for (size_t i = 0; i < data.tools.size(); ++i) {
        const AFX_TOOL& tool = data.tools[i];
        HWND hOwner = (tool.uFlags & TTF_IDISHWND) ? reinterpret_cast<HWND>(tool.uId) : tool.hwnd;
        RECT rc = ToolRect(tool);
        if (hOwner == hwnd && PtInRect(&rc, pt))
            return static_cast<int>(i);
    }
    return -1;
}

SIZE TipSize(const std::string& strText)
{
    HDC hDC = GetDC(nullptr);
    HGDIOBJ hOld = SelectObject(hDC, GetStockObject(DEFAULT_GUI_FONT));
    SIZE size = {0, 0};
    GetTextExtentPoint32(hDC, strText.c_str(), static_cast<int>(strText.size()), &size);
    SelectObject(hDC, hOld);
    ReleaseDC(nullptr, hDC);
    size.cx += 2 * kPadX + 2;
    size.cy += 2 * kPadY + 2;
    return size;
}

void Hide(HWND hTip, AFX_TIPDATA& data)
{
    KillTimer(hTip, kHideTimer);
    if (!data.bShowing)
        return;
    data.bShowing = FALSE;
    ShowWindow(hTip, SW_HIDE);
}

void Show(HWND hTip, AFX_TIPDATA& data)
{
    if (data.nCurrent < 0)
        return;
    const std::string& strText = data.tools[static_cast<size_t>(data.nCurrent)].strText;
    SIZE size = TipSize(strText);
    POINT pt;
    GetCursorPos(&pt);
    int x = std::max(0, std::min(static_cast<int>(pt.x), GetSystemMetrics(SM_CXSCREEN) - size.cx));
    int y = static_cast<int>(pt.y) + kBelowPointer;
    if (y + size.cy > GetSystemMetrics(SM_CYSCREEN))
        y = std::max(0, static_cast<int>(pt.y) - size.cy - 2);
    SetWindowText(hTip, strText.c_str());
    SetWindowPos(hTip, nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(hTip, nullptr, TRUE);
    data.bShowing = TRUE;
    SetTimer(hTip, kHideTimer, data.nAutoPop, nullptr);
}

void Relay(HWND hTip, AFX_TIPDATA& data, const MSG* pMsg)
{
    if (pMsg == nullptr)
        return;
    if (pMsg->message == WM_MOUSEMOVE) {
        POINT pt = {GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam)};
        int nTool = ToolAt(data, pMsg->hwnd, pt);
        if (nTool == data.nCurrent)
            return;
        Hide(hTip, data);
        data.nCurrent = nTool;
        if (nTool >= 0)
            SetTimer(hTip, kShowTimer, data.nInitial, nullptr);
        else
            KillTimer(hTip, kShowTimer);
        return;
    }
    if ((pMsg->message >= WM_LBUTTONDOWN && pMsg->message <= WM_MOUSELAST) || pMsg->message == WM_KEYDOWN) {
        KillTimer(hTip, kShowTimer);
        Hide(hTip, data);
    }
}

void Paint(HWND hTip)
{
    PAINTSTRUCT ps;
    CDC dc;
    dc.Attach(BeginPaint(hTip, &ps));
    CRect rc;
    GetClientRect(hTip, &rc);
    dc.FillSolidRect(&rc, GetSysColor(COLOR_INFOBK));
    dc.Draw3dRect(&rc, GetSysColor(COLOR_WINDOWFRAME), GetSysColor(COLOR_WINDOWFRAME));
    HGDIOBJ hOld = ::SelectObject(dc.m_hDC, GetStockObject(DEFAULT_GUI_FONT));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_INFOTEXT));
    dc.TextOut(kPadX + 1, kPadY + 1, hTip->strText.c_str(), static_cast<int>(hTip->strText.size()));
    ::SelectObject(dc.m_hDC, hOld);
    dc.Detach();
    EndPaint(hTip, &ps);
}

LRESULT AddTool(AFX_TIPDATA& data, const TOOLINFO* pInfo)
{
    if (pInfo == nullptr)
        return FALSE;
    AFX_TOOL tool = {pInfo->uFlags, pInfo->hwnd, pInfo->uId, pInfo->rect,
                     pInfo->lpszText != nullptr ? pInfo->lpszText : ""};
    int nAt = FindTool(data, pInfo->hwnd, pInfo->uId);
    if (nAt >= 0)
        data.tools[static_cast<size_t>(nAt)] = tool;
    else
        data.tools.push_back(tool);
    return TRUE;
}

void UpdateText(HWND hTip, AFX_TIPDATA& data, const TOOLINFO* pInfo)
{
    int nAt = pInfo != nullptr ? FindTool(data, pInfo->hwnd, pInfo->uId) : -1;
    if (nAt < 0)
        return;
    data.tools[static_cast<size_t>(nAt)].strText = pInfo->lpszText != nullptr ? pInfo->lpszText : "";
    if (data.bShowing && data.nCurrent == nAt)
        Show(hTip, data);
}

LRESULT GetText(AFX_TIPDATA& data, const TOOLINFO* pInfo, WPARAM nMax)
{
    int nAt = pInfo != nullptr ? FindTool(data, pInfo->hwnd, pInfo->uId) : -1;
    if (nAt < 0 || pInfo->lpszText == nullptr || nMax == 0)
        return 0;
    const std::string& strText = data.tools[static_cast<size_t>(nAt)].strText;
    size_t n = std::min(strText.size(), static_cast<size_t>(nMax - 1));
    strText.copy(pInfo->lpszText, n);
    pInfo->lpszText[n] = 0;
    return static_cast<LRESULT>(n);
}

void SetDelay(AFX_TIPDATA& data, WPARAM wWhich, LPARAM lDelay)
{
    UINT nDelay = static_cast<UINT>(LOWORD(lDelay));
    if (wWhich == TTDT_INITIAL)
        data.nInitial = nDelay;
    if (wWhich == TTDT_AUTOPOP)
        data.nAutoPop = nDelay;
}

}  // namespace

LRESULT AfxToolTipProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_NCDESTROY) {
        Tips().erase(hWnd);
        return DefWindowProc(hWnd, uMsg, wParam, lParam);
    }
    AFX_TIPDATA& data = Tips()[hWnd];
    const TOOLINFO* pInfo = reinterpret_cast<const TOOLINFO*>(lParam);
    switch (uMsg) {
    case TTM_ADDTOOL: return AddTool(data, pInfo);
    case TTM_UPDATETIPTEXT: UpdateText(hWnd, data, pInfo); return 0;
    case TTM_GETTEXT: return GetText(data, pInfo, wParam);
    case TTM_GETTOOLCOUNT: return static_cast<LRESULT>(data.tools.size());
    case TTM_RELAYEVENT: Relay(hWnd, data, reinterpret_cast<const MSG*>(lParam)); return 0;
    case TTM_SETDELAYTIME: SetDelay(data, wParam, lParam); return 0;
    case WM_TIMER:
        KillTimer(hWnd, wParam);
        if (wParam == kShowTimer)
            Show(hWnd, data);
        else
            Hide(hWnd, data);
        return 0;
    case WM_PAINT: Paint(hWnd); return 0;
    case WM_ERASEBKGND: return TRUE;
    default: return DefWindowProc(hWnd, uMsg, wParam, lParam);
    }
}
