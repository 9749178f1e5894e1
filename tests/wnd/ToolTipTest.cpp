// Tooltips: a tool's text shows after the pointer rests on it (relayed mouse moves),
// follows text updates, and goes away when the pointer leaves or clicks.
#include <gtest/gtest.h>

#include "tests/wnd/WndTestSupport.h"

namespace {

class CToolOwner : public CWnd {
public:
    CToolTipCtrl m_tip;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (m_tip.m_hWnd != nullptr)
            m_tip.RelayEvent(pMsg);
        return CWnd::PreTranslateMessage(pMsg);
    }
};

class ToolTipTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.CreateFrame(300, 200));
        ASSERT_TRUE(m_owner.Create(AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 60), &m_frame,
                                   5));
        ASSERT_TRUE(m_owner.m_tip.Create(&m_owner));
        CRect rcTool(0, 0, 100, 30);
        ASSERT_TRUE(m_owner.m_tip.AddTool(&m_owner, "http://example.invalid/", &rcTool, 1));
        m_owner.m_tip.SetDelayTime(TTDT_INITIAL, 1);
        AfxPumpUntilIdle();
    }
    void TearDown() override { DestroyAllWindows(); }

    // Handles messages as they come until the tip's visibility is as wanted.
    BOOL WaitForTip(BOOL bVisible)
    {
        for (int i = 0; i < 200 && m_owner.m_tip.IsWindowVisible() != bVisible; ++i) {
            ::WaitMessage();
            AfxPumpUntilIdle();
        }
        return m_owner.m_tip.IsWindowVisible() == bVisible;
    }
    void Move(int x, int y)
    {
        AfxSimulateMouseMove(m_owner.m_hWnd, Pt(x, y));
        AfxPumpUntilIdle();
    }

    CTestFrame m_frame;
    CToolOwner m_owner;
};

TEST_F(ToolTipTest, RestingOnTheToolShowsItsTextBelowThePointer)
{
    EXPECT_FALSE(m_owner.m_tip.IsWindowVisible());
    Move(20, 15);
    ASSERT_TRUE(WaitForTip(TRUE));
    CString strText;
    m_owner.m_tip.GetWindowText(strText);
    EXPECT_EQ(strText, "http://example.invalid/");
    CRect rcTip;
    m_owner.m_tip.GetWindowRect(&rcTip);
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    EXPECT_GT(rcTip.top, ptCursor.y);
    EXPECT_EQ(AfxGetBackBufferPixel(m_owner.m_tip.m_hWnd, Pt(2, 2)), GetSysColor(COLOR_INFOBK));
}

TEST_F(ToolTipTest, TextUpdatesReachTheTool)
{
    m_owner.m_tip.UpdateTipText("http://example.invalid/new", &m_owner, 1);
    CString strText;
    m_owner.m_tip.GetText(strText, &m_owner, 1);
    EXPECT_EQ(strText, "http://example.invalid/new");
    EXPECT_EQ(m_owner.m_tip.GetToolCount(), 1);
}

TEST_F(ToolTipTest, LeavingTheToolOrClickingHidesIt)
{
    Move(20, 15);
    ASSERT_TRUE(WaitForTip(TRUE));
    Move(150, 15);
    EXPECT_FALSE(m_owner.m_tip.IsWindowVisible());
    Move(20, 15);
    ASSERT_TRUE(WaitForTip(TRUE));
    AfxSimulateClick(m_owner.m_hWnd, Pt(20, 15));
    AfxPumpUntilIdle();
    EXPECT_FALSE(m_owner.m_tip.IsWindowVisible());
}

TEST_F(ToolTipTest, TheTipBelongsToTheToolsTopLevelWindowAndGoesWithIt)
{
    HWND hTip = m_owner.m_tip.m_hWnd;
    EXPECT_EQ(::GetWindowOwner(hTip), m_frame.m_hWnd);
    m_frame.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hTip));
    EXPECT_EQ(m_owner.m_tip.m_hWnd, nullptr);
}

}  // namespace
