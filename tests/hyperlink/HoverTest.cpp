// Hover tracking: the first move over the link captures the mouse and draws it in the
// hover colour at once, moves inside change nothing, the move that leaves releases the
// capture and draws the link or visited colour; colours are read from the back buffer.
#include <gtest/gtest.h>

#include <vector>

#include "tests/hyperlink/LinkTestSupport.h"

namespace {

const COLORREF kLink = RGB(0, 0, 255);
const COLORREF kVisited = RGB(255, 0, 0);
const COLORREF kHover = RGB(0, 128, 0);

class HoverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        HWND hStatic = m_frame.CreateWithStatic("Brelvin on the web", 0, CRect(10, 10, 300, 40));
        ASSERT_NE(hStatic, nullptr);
        ASSERT_TRUE(m_link.SubclassWindow(hStatic));
        m_link.SetColours(kLink, kVisited, kHover);
        AfxPumpUntilIdle();
        m_text = m_link.TextSize();
    }
    void TearDown() override { DestroyAllWindows(); }

    void Move(int x, int y)
    {
        AfxSimulateMouseMove(m_link.m_hWnd, CPoint(x, y));
        AfxPumpUntilIdle();
    }
    void Leave() { Move(m_text.cx + 30, 3); }

    CLinkFrame m_frame;
    CProbeLink m_link;
    CSize m_text;
};

TEST_F(HoverTest, AtRestTheTextIsInTheLinkColour)
{
    EXPECT_GT(CountPixels(&m_link, kLink), 0);
    EXPECT_EQ(CountPixels(&m_link, kHover), 0);
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(HoverTest, TheTextIsDrawnOverTheParentsBackgroundWithNothingBehindIt)
{
    EXPECT_GT(CountPixels(&m_link, ::GetSysColor(COLOR_3DFACE)), 0);
    EXPECT_EQ(CountPixels(&m_link, RGB(255, 255, 255)), 0);
}

TEST_F(HoverTest, NewColoursOfAnAttachedLinkShowAtTheNextPaint)
{
    const COLORREF kOther = RGB(0, 128, 128);
    m_link.SetColours(kOther, kVisited, kHover);
    AfxPumpUntilIdle();
    EXPECT_GT(CountPixels(&m_link, kOther), 0);
    EXPECT_EQ(CountPixels(&m_link, kLink), 0);
}

TEST_F(HoverTest, EnteringCapturesAndRedrawsInTheHoverColour)
{
    int nPaints = m_link.m_nPaints;
    Move(2, 2);
    EXPECT_TRUE(m_link.m_bMouseOver);
    EXPECT_EQ(::GetCapture(), m_link.m_hWnd);
    EXPECT_EQ(m_link.m_nPaints, nPaints + 1);
    EXPECT_GT(CountPixels(&m_link, kHover), 0);
    EXPECT_EQ(CountPixels(&m_link, kLink), 0);
}

TEST_F(HoverTest, MovesInsideChangeNothing)
{
    Move(2, 2);
    int nPaints = m_link.m_nPaints;
    Move(m_text.cx - 1, m_text.cy - 1);
    Move(0, 0);
    EXPECT_TRUE(m_link.m_bMouseOver);
    EXPECT_EQ(::GetCapture(), m_link.m_hWnd);
    EXPECT_EQ(m_link.m_nPaints, nPaints);
}

TEST_F(HoverTest, LeavingReleasesAndRedrawsInTheLinkColour)
{
    Move(2, 2);
    int nPaints = m_link.m_nPaints;
    Leave();
    EXPECT_FALSE(m_link.m_bMouseOver);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(m_link.m_nPaints, nPaints + 1);
    EXPECT_GT(CountPixels(&m_link, kLink), 0);
    EXPECT_EQ(CountPixels(&m_link, kHover), 0);
}

TEST_F(HoverTest, TheRightAndBottomEdgesAreOutside)
{
    Move(2, 2);
    Move(m_text.cx, 2);
    EXPECT_FALSE(m_link.m_bMouseOver);
    Move(2, 2);
    Move(2, m_text.cy);
    EXPECT_FALSE(m_link.m_bMouseOver);
}

TEST_F(HoverTest, AVisitedLinkShowsTheHoverColourWhileThePointerIsOnIt)
{
    m_link.SetVisited(TRUE);
    AfxPumpUntilIdle();
    EXPECT_GT(CountPixels(&m_link, kVisited), 0);
    Move(2, 2);
    EXPECT_GT(CountPixels(&m_link, kHover), 0);
    EXPECT_EQ(CountPixels(&m_link, kVisited), 0);
    Leave();
    EXPECT_GT(CountPixels(&m_link, kVisited), 0);
    EXPECT_EQ(CountPixels(&m_link, kHover), 0);
}

TEST_F(HoverTest, LosingTheCaptureToAnotherWindowKeepsTheHover)
{
    Move(2, 2);
    m_frame.SetCapture();
    EXPECT_TRUE(m_link.m_bMouseOver);
    ::ReleaseCapture();
}

TEST_F(HoverTest, AnyNumberOfHoversLeavesTheTextAsItWas)
{
    const std::vector<uint32_t> atRest = ClientPixels(&m_link);
    Move(2, 2);
    const std::vector<uint32_t> firstHover = ClientPixels(&m_link);
    std::vector<uint32_t> lastHover;
    for (int i = 0; i < 10; ++i) {
        Leave();
        Move(2, 2);
        lastHover = ClientPixels(&m_link);
    }
    Leave();
    EXPECT_TRUE(lastHover == firstHover) << "the hover colour's text grew darker";
    EXPECT_TRUE(ClientPixels(&m_link) == atRest) << "the link colour's text grew darker";
}

}  // namespace
