// Mouse routing through the real event path: capture holder first, else the topmost
// visible, enabled child under the point, in its own client coordinates; double clicks
// by class style; WM_SETCURSOR before each move.
#include <gtest/gtest.h>

#include "tests/wnd/WndTestSupport.h"

namespace {

CMsgLog g_log;

class CMouseProbe : public CWnd {
public:
    std::string m_strName;

    BOOL CreateChild(const std::string& strName, CWnd* pParent, const RECT& rc, UINT nClassStyle = 0,
                     HCURSOR hCursor = nullptr)
    {
        m_strName = strName;
        return Create(AfxRegisterWndClass(nClassStyle, hCursor), "", WS_CHILD | WS_VISIBLE, rc, pParent, 1);
    }

protected:
    void Log(const char* pszWhat, CPoint pt)
    {
        g_log.Add(m_strName + " " + pszWhat + " " + std::to_string(pt.x) + "," + std::to_string(pt.y));
    }
    afx_msg void OnLButtonDown(UINT, CPoint pt) { Log("down", pt); }
    afx_msg void OnLButtonUp(UINT, CPoint pt) { Log("up", pt); }
    afx_msg void OnLButtonDblClk(UINT, CPoint pt) { Log("dblclk", pt); }
    afx_msg void OnMouseMove(UINT, CPoint pt) { Log("move", pt); }
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
    {
        if (pWnd == this && message == WM_MOUSEMOVE)
            g_log.Add(m_strName + " setcursor");
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMouseProbe, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

class CFrameProbe : public CMouseProbe {
public:
    BOOL CreateFrame()
    {
        m_strName = "frame";
        return CreateEx(0, AfxRegisterWndClass(0), "frame", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr, nullptr);
    }
};

class MouseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_log.lines.clear();
        ASSERT_TRUE(m_frame.CreateFrame());
        ASSERT_TRUE(m_a.CreateChild("a", &m_frame, CRect(10, 10, 110, 110)));
        ASSERT_TRUE(m_b.CreateChild("b", &m_frame, CRect(50, 50, 150, 150)));
        AfxPumpUntilIdle();
    }
    void TearDown() override { DestroyAllWindows(); }

    std::string Press(int x, int y)
    {
        g_log.lines.clear();
        AfxSimulateButton(m_frame.m_hWnd, Pt(x, y), AFX_BUTTON_LEFT, TRUE);
        AfxPumpUntilIdle();
        return g_log.Joined();
    }

    CFrameProbe m_frame;
    CMouseProbe m_a;
    CMouseProbe m_b;
};

TEST_F(MouseTest, TopmostChildUnderThePointGetsItInClientCoordinates)
{
    EXPECT_EQ(Press(60, 60), "a down 50,50");
    EXPECT_EQ(Press(120, 120), "b down 70,70");
    EXPECT_EQ(Press(5, 5), "frame down 5,5");
    EXPECT_EQ(Press(110, 60), "b down 60,10");  // a's right edge is outside a
}

// A click just inside a grandchild's right edge: the child's border must come off before
// its children are searched.
TEST_F(MouseTest, AChildsBorderIsTakenOffBeforeItsChildrenAreSearched)
{
    CMouseProbe bordered, inner;
    bordered.m_strName = "bordered";
    ASSERT_TRUE(bordered.Create(AfxRegisterWndClass(0), "", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 160, 110, 190),
                                &m_frame, 2));
    ASSERT_TRUE(inner.CreateChild("inner", &bordered, CRect(0, 0, 20, 20)));
    EXPECT_EQ(Press(30, 170), "inner down 19,9");
    EXPECT_EQ(Press(31, 170), "bordered down 20,9");
}

TEST_F(MouseTest, DisabledAndHiddenChildrenAreSkipped)
{
    m_a.EnableWindow(FALSE);
    EXPECT_EQ(Press(60, 60), "b down 10,10");
    m_b.ShowWindow(SW_HIDE);
    EXPECT_EQ(Press(120, 120), "frame down 120,120");
}

TEST_F(MouseTest, CaptureHolderGetsEverythingInItsCoordinates)
{
    m_b.SetCapture();
    EXPECT_EQ(Press(5, 5), "b down -45,-45");
    EXPECT_EQ(Press(60, 60), "b down 10,10");
    ::ReleaseCapture();
    EXPECT_EQ(Press(60, 60), "a down 50,50");
}

TEST_F(MouseTest, ClassWithoutDoubleClicksGetsTwoButtonDowns)
{
    AfxSimulateClick(m_frame.m_hWnd, Pt(60, 60), AFX_BUTTON_LEFT, 1);
    AfxSimulateClick(m_frame.m_hWnd, Pt(60, 60), AFX_BUTTON_LEFT, 2);
    AfxPumpUntilIdle();
    EXPECT_EQ(g_log.Joined(), "a setcursor; a move 50,50; a down 50,50; a up 50,50; "
                              "a setcursor; a move 50,50; a down 50,50; a up 50,50");
}

TEST_F(MouseTest, ClassWithDoubleClicksGetsTheDoubleClick)
{
    CMouseProbe c;
    ASSERT_TRUE(c.CreateChild("c", &m_frame, CRect(150, 0, 200, 40), CS_DBLCLKS));
    AfxPumpUntilIdle();
    AfxSimulateButton(m_frame.m_hWnd, Pt(160, 10), AFX_BUTTON_LEFT, TRUE, 1);
    AfxSimulateButton(m_frame.m_hWnd, Pt(160, 10), AFX_BUTTON_LEFT, FALSE, 1);
    AfxSimulateButton(m_frame.m_hWnd, Pt(160, 10), AFX_BUTTON_LEFT, TRUE, 2);
    AfxPumpUntilIdle();
    EXPECT_EQ(g_log.Joined(), "c down 10,10; c up 10,10; c dblclk 10,10");
}

TEST_F(MouseTest, SetCursorUsesTheClassCursorOrLeavesTheShape)
{
    HCURSOR hHand = LoadCursor(nullptr, IDC_HAND);
    HCURSOR hCross = LoadCursor(nullptr, IDC_CROSS);
    CMouseProbe handed;
    ASSERT_TRUE(handed.CreateChild("h", &m_frame, CRect(150, 0, 200, 40), 0, hHand));
    AfxPumpUntilIdle();
    ::SetCursor(hCross);
    AfxSimulateMouseMove(m_frame.m_hWnd, Pt(60, 60));
    AfxPumpUntilIdle();
    EXPECT_EQ(::GetCursor(), hCross);
    AfxSimulateMouseMove(m_frame.m_hWnd, Pt(160, 10));
    AfxPumpUntilIdle();
    EXPECT_EQ(::GetCursor(), hHand);
    AfxSimulateMouseMove(m_frame.m_hWnd, Pt(60, 60));
    AfxPumpUntilIdle();
    EXPECT_EQ(::GetCursor(), hHand);
}

}  // namespace
