// Invalidation, WM_PAINT made only when the queue is empty, paint surfaces clipped to
// the update rectangle, WS_BORDER frames, and the pixels that reach the back buffer.
#include <gtest/gtest.h>

#include "tests/wnd/WndTestSupport.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

class CPaintProbe : public CWnd {
public:
    CMsgLog m_log;
    CRect m_rcLastClip;
    COLORREF m_crFill = kRed;
    BOOL m_bFillAll = TRUE;

    BOOL CreateChild(CWnd* pParent, const RECT& rc, DWORD dwExtraStyle = 0, HBRUSH hbrClass = nullptr)
    {
        return Create(AfxRegisterWndClass(0, nullptr, hbrClass), "", WS_CHILD | WS_VISIBLE | dwExtraStyle, rc,
                      pParent, 1);
    }

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        dc.GetClipBox(&m_rcLastClip);
        m_log.Add("paint");
        if (m_bFillAll) {
            CRect rc;
            GetClientRect(&rc);
            dc.FillSolidRect(&rc, m_crFill);
        }
    }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC)
    {
        m_log.Add("erase");
        return CWnd::OnEraseBkgnd(pDC);
    }
    afx_msg LRESULT OnNote(WPARAM, LPARAM)
    {
        m_log.Add("note");
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintProbe, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_USER + 5, OnNote)
END_MESSAGE_MAP()

class PaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.CreateFrame(300, 200));
        ASSERT_TRUE(m_probe.CreateChild(&m_frame, CRect(20, 30, 120, 110)));
        AfxPumpUntilIdle();
        m_probe.m_log.lines.clear();
    }
    void TearDown() override { DestroyAllWindows(); }

    COLORREF Pixel(CWnd& wnd, int x, int y) { return AfxGetBackBufferPixel(wnd.m_hWnd, Pt(x, y)); }

    CTestFrame m_frame;
    CPaintProbe m_probe;
};

TEST_F(PaintTest, PaintWaitsUntilTheQueueIsEmptyAndComesOnce)
{
    m_probe.Invalidate(FALSE);
    m_probe.PostMessage(WM_USER + 5);
    m_probe.InvalidateRect(CRect(1, 1, 5, 5), FALSE);
    m_probe.PostMessage(WM_USER + 5);
    AfxPumpUntilIdle();
    EXPECT_EQ(m_probe.m_log.Joined(), "note; note; paint");
}

// A later invalidation that does not ask for erasing keeps an earlier one's request.
TEST_F(PaintTest, EraseComesBeforePaintOnlyWhenAsked)
{
    m_probe.InvalidateRect(nullptr, TRUE);
    AfxPumpUntilIdle();
    m_probe.InvalidateRect(nullptr, FALSE);
    AfxPumpUntilIdle();
    m_probe.InvalidateRect(CRect(0, 0, 5, 5), TRUE);
    m_probe.InvalidateRect(nullptr, FALSE);
    AfxPumpUntilIdle();
    EXPECT_EQ(m_probe.m_log.Joined(), "erase; paint; paint; erase; paint");
}

TEST_F(PaintTest, PaintSurfaceIsClippedToTheUpdateRectangle)
{
    m_probe.m_crFill = kRed;
    m_probe.Invalidate(FALSE);
    AfxPumpUntilIdle();
    m_probe.m_crFill = kBlue;
    m_probe.InvalidateRect(CRect(10, 20, 30, 25), FALSE);
    AfxPumpUntilIdle();
    EXPECT_EQ(RectText(m_probe.m_rcLastClip), "(10, 20, 30, 25)");
    EXPECT_EQ(Pixel(m_probe, 10, 20), kBlue);
    EXPECT_EQ(Pixel(m_probe, 29, 24), kBlue);
    EXPECT_EQ(Pixel(m_probe, 30, 24), kRed);
    EXPECT_EQ(Pixel(m_probe, 9, 20), kRed);
    EXPECT_EQ(Pixel(m_probe, 10, 25), kRed);
}

TEST_F(PaintTest, PaintedPixelsReachBackBufferAndScreen)
{
    m_probe.m_crFill = RGB(12, 34, 56);
    m_probe.Invalidate(FALSE);
    AfxPumpUntilIdle();
    EXPECT_EQ(Pixel(m_probe, 0, 0), RGB(12, 34, 56));
    EXPECT_EQ(Pixel(m_probe, 99, 79), RGB(12, 34, 56));
    EXPECT_EQ(AfxGetBackBufferPixel(m_frame.m_hWnd, Pt(20, 30)), RGB(12, 34, 56));
    EXPECT_EQ(AfxGetBackBufferPixel(m_frame.m_hWnd, Pt(19, 30)), GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(AfxGetScreenPixel(m_probe.m_hWnd, Pt(50, 40)), RGB(12, 34, 56));
}

TEST_F(PaintTest, BorderTakesOnePixelPerSideAndIsBlack)
{
    CPaintProbe bordered;
    ASSERT_TRUE(bordered.CreateChild(&m_frame, CRect(150, 20, 250, 70), WS_BORDER));
    bordered.m_crFill = kBlue;
    AfxPumpUntilIdle();
    CRect rcClient;
    bordered.GetClientRect(&rcClient);
    EXPECT_EQ(RectText(rcClient), "(0, 0, 98, 48)");
    CPoint pt(0, 0);
    bordered.ClientToScreen(&pt);
    m_frame.ScreenToClient(&pt);
    EXPECT_EQ(pt, CPoint(151, 21));
    EXPECT_EQ(AfxGetBackBufferPixel(m_frame.m_hWnd, Pt(150, 20)), RGB(0, 0, 0));
    EXPECT_EQ(AfxGetBackBufferPixel(m_frame.m_hWnd, Pt(249, 69)), RGB(0, 0, 0));
    EXPECT_EQ(AfxGetBackBufferPixel(m_frame.m_hWnd, Pt(151, 21)), kBlue);
    EXPECT_EQ(AfxGetBackBufferPixel(m_frame.m_hWnd, Pt(248, 68)), kBlue);
    CRect rcWindow;
    bordered.GetWindowRect(&rcWindow);
    m_frame.ScreenToClient(&rcWindow);
    EXPECT_EQ(RectText(rcWindow), "(150, 20, 250, 70)");
}

TEST_F(PaintTest, HiddenWindowsAreNotPaintedUntilShown)
{
    CPaintProbe hidden;
    ASSERT_TRUE(hidden.CreateChild(&m_frame, CRect(150, 20, 250, 70)));
    hidden.ShowWindow(SW_HIDE);
    AfxPumpUntilIdle();
    hidden.m_log.lines.clear();
    hidden.Invalidate(FALSE);
    hidden.UpdateWindow();
    AfxPumpUntilIdle();
    EXPECT_TRUE(hidden.m_log.lines.empty());
    hidden.ShowWindow(SW_SHOW);
    AfxPumpUntilIdle();
    EXPECT_EQ(hidden.m_log.Joined(), "erase; paint");
}

TEST_F(PaintTest, UpdateWindowPaintsAtOnce)
{
    m_probe.Invalidate(FALSE);
    m_probe.UpdateWindow();
    EXPECT_EQ(m_probe.m_log.Joined(), "paint");
    m_probe.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(m_probe.m_log.Joined(), "paint; erase; paint");
}

TEST_F(PaintTest, InvalidatingTheParentRepaintsChildrenOnTop)
{
    m_frame.Invalidate(TRUE);
    AfxPumpUntilIdle();
    EXPECT_EQ(m_probe.m_log.Joined(), "erase; paint");
    EXPECT_EQ(Pixel(m_probe, 5, 5), kRed);
}

TEST_F(PaintTest, ClassBrushErasesTheBackground)
{
    CPaintProbe brushed;
    brushed.m_bFillAll = FALSE;
    ASSERT_TRUE(brushed.CreateChild(&m_frame, CRect(150, 20, 250, 70), 0, GetSysColorBrush(COLOR_HIGHLIGHT)));
    AfxPumpUntilIdle();
    EXPECT_EQ(Pixel(brushed, 50, 25), GetSysColor(COLOR_HIGHLIGHT));
}

}  // namespace
