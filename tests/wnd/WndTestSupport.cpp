#include "tests/wnd/WndTestSupport.h"

#include <cstdio>

#include "platform/wnd/AfxWindow.h"

BOOL CTestApp::OnIdle(LONG)
{
    if (m_steps.empty()) {
        if (m_fnOutOfSteps)
            m_fnOutOfSteps();
        return FALSE;
    }
    std::function<void()> fnStep = m_steps.front();
    m_steps.erase(m_steps.begin());
    fnStep();
    // A step that queued nothing still wants the next step to run.
    return !m_steps.empty();
}

CTestApp& TestApp()
{
    static CTestApp s_app;
    return s_app;
}

INT_PTR RunModal(CDialog& dlg, std::vector<std::function<void()>> steps)
{
    CTestApp& app = TestApp();
    app.m_steps = std::move(steps);
    app.m_fnOutOfSteps = [&dlg]() { dlg.EndDialog(-2); };
    INT_PTR nResult = dlg.DoModal();
    app.m_steps.clear();
    app.m_fnOutOfSteps = nullptr;
    return nResult;
}

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

void DestroyAllWindows()
{
    std::vector<HWND> windows = AfxGetTopLevelWindows();
    for (HWND hWnd : windows) {
        if (::IsWindow(hWnd))
            ::DestroyWindow(hWnd);
    }
    AfxPumpUntilIdle();
}

CPoint Pt(int x, int y) { return CPoint(x, y); }

std::string RectText(const RECT& rc)
{
    char szText[64];
    std::snprintf(szText, sizeof szText, "(%d, %d, %d, %d)", rc.left, rc.top, rc.right, rc.bottom);
    return szText;
}
