#include "tests/wnd/WndTestSupport.h"

#include <cstdio>

#include "platform/wnd/AfxWindow.h"

BOOL CTestFrame::CreateFrame(int cx, int cy, UINT nClassStyle)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(nClassStyle, nullptr, GetSysColorBrush(COLOR_3DFACE));
    return CreateEx(0, lpszClass, "frame", WS_POPUP | WS_VISIBLE, 10, 10, cx, cy, nullptr, nullptr);
}

std::string CMsgLog::Joined() const
{
    std::string strAll;
    for (const std::string& strLine : lines)
        strAll += (strAll.empty() ? "" : "; ") + strLine;
    return strAll;
}

CPoint Pt(int x, int y) { return CPoint(x, y); }

std::string RectText(const RECT& rc)
{
    char szText[64];
    std::snprintf(szText, sizeof szText, "(%d, %d, %d, %d)", rc.left, rc.top, rc.right, rc.bottom);
    return szText;
}
