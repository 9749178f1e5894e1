// Window life: destruction order, moving windows, timers, and the application's loop
// ending with its main window.
#include <gtest/gtest.h>

#include "tests/wnd/WndTestSupport.h"

namespace {

CMsgLog g_log;

class CLifeProbe : public CWnd {
public:
    std::string m_strName;
    CWnd* m_pOwned = nullptr;
    COLORREF m_crFill = RGB(0, 0, 255);

protected:
    afx_msg void OnDestroy()
    {
        BOOL bChildAlive = m_pOwned != nullptr && ::IsWindow(m_pOwned->m_hWnd);
        g_log.Add(m_strName + " destroy" + (bChildAlive ? " (child alive)" : ""));
        delete m_pOwned;  // the child's own destructor destroys its window
        m_pOwned = nullptr;
        CWnd::OnDestroy();
    }
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(&rc, m_crFill);
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent) { g_log.Add(m_strName + " timer " + std::to_string(nIDEvent)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLifeProbe, CWnd)
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_TIMER()
END_MESSAGE_MAP()

BOOL CreateProbe(CLifeProbe& probe, const std::string& strName, CWnd* pParent, const RECT& rc)
{
    probe.m_strName = strName;
    if (pParent == nullptr)
        return probe.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP | WS_VISIBLE, rc.left, rc.top,
                              rc.right - rc.left, rc.bottom - rc.top, nullptr, nullptr);
    return probe.Create(AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, rc, pParent, 7);
}

class LifecycleTest : public ::testing::Test {
protected:
    void SetUp() override { g_log.lines.clear(); }
    void TearDown() override { DestroyAllWindows(); }
};

TEST_F(LifecycleTest, ParentHearsDestroyFirstAndMayDeleteItsChildThen)
{
    CLifeProbe parent;
    ASSERT_TRUE(CreateProbe(parent, "parent", nullptr, CRect(0, 0, 100, 100)));
    CLifeProbe* pChild = new CLifeProbe;
    ASSERT_TRUE(CreateProbe(*pChild, "child", &parent, CRect(10, 10, 50, 50)));
    HWND hChild = pChild->m_hWnd;
    parent.m_pOwned = pChild;
    parent.DestroyWindow();
    // The child object is gone by the time its window is destroyed, so only the parent speaks.
    EXPECT_EQ(g_log.Joined(), "parent destroy (child alive)");
    EXPECT_FALSE(::IsWindow(hChild));
    EXPECT_EQ(parent.m_hWnd, nullptr);
}

TEST_F(LifecycleTest, ChildrenStillAttachedHearTheirDestroyAfterTheParent)
{
    CLifeProbe parent;
    ASSERT_TRUE(CreateProbe(parent, "parent", nullptr, CRect(0, 0, 100, 100)));
    CLifeProbe child;
    ASSERT_TRUE(CreateProbe(child, "child", &parent, CRect(10, 10, 50, 50)));
    parent.DestroyWindow();
    EXPECT_EQ(g_log.Joined(), "parent destroy; child destroy");
    EXPECT_EQ(child.m_hWnd, nullptr);
}

TEST_F(LifecycleTest, MovingAChildRepaintsWhereItWasAndWhereItIs)
{
    CTestFrame frame;
    ASSERT_TRUE(frame.CreateFrame(200, 100));
    CLifeProbe child;
    ASSERT_TRUE(CreateProbe(child, "child", &frame, CRect(10, 10, 60, 40)));
    AfxPumpUntilIdle();
    EXPECT_EQ(AfxGetBackBufferPixel(frame.m_hWnd, Pt(20, 20)), RGB(0, 0, 255));
    child.SetWindowPos(nullptr, 100, 50, 40, 20, SWP_NOZORDER);
    AfxPumpUntilIdle();
    EXPECT_EQ(AfxGetBackBufferPixel(frame.m_hWnd, Pt(20, 20)), GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(AfxGetBackBufferPixel(frame.m_hWnd, Pt(100, 50)), RGB(0, 0, 255));
    EXPECT_EQ(AfxGetBackBufferPixel(frame.m_hWnd, Pt(140, 50)), GetSysColor(COLOR_3DFACE));
    CRect rc;
    child.GetClientRect(&rc);
    EXPECT_EQ(RectText(rc), "(0, 0, 40, 20)");
}

TEST_F(LifecycleTest, TimersArriveUntilKilled)
{
    CLifeProbe wnd;
    ASSERT_TRUE(CreateProbe(wnd, "w", nullptr, CRect(0, 0, 50, 50)));
    wnd.SetTimer(3, 1);
    for (int i = 0; i < 200 && g_log.lines.size() < 2; ++i) {
        ::WaitMessage();
        AfxPumpUntilIdle();
    }
    EXPECT_TRUE(wnd.KillTimer(3));
    EXPECT_FALSE(wnd.KillTimer(3));
    ASSERT_GE(g_log.lines.size(), 2u);
    EXPECT_EQ(g_log.lines[0], "w timer 3");
}


TEST_F(LifecycleTest, RunEndsWhenItsMainWindowIsDestroyed)
{
    CWinApp* pApp = AfxGetApp();
    CLifeProbe main;
    ASSERT_TRUE(CreateProbe(main, "main", nullptr, CRect(0, 0, 50, 50)));
    pApp->m_pMainWnd = &main;
    main.PostMessage(WM_CLOSE);
    EXPECT_EQ(pApp->Run(), 0);
    EXPECT_EQ(pApp->m_pMainWnd, nullptr);
    EXPECT_EQ(g_log.Joined(), "main destroy");
}

TEST_F(LifecycleTest, QuitEndsAModalDialogAndStaysForTheOuterLoop)
{
    static const AFX_DLGITEMTEMPLATE s_items[] = {{"button", "OK", IDOK, 0x50010001, 0, 10, 10, 50, 14, 0}};
    static const AFX_DLGTEMPLATE s_template = {"Quit", 0x80C800C0, 0, 0, 0, 100, 40, "MS Sans Serif", 8, s_items, 1};
    CDialog dlg;
    dlg.InitModalIndirect(&s_template);
    INT_PTR nResult = RunModal(dlg, {[]() { ::PostQuitMessage(4); }});
    EXPECT_EQ(nResult, -1);
    MSG msg;
    ASSERT_TRUE(::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 4u);
}

}  // namespace
