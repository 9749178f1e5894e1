// Fitting the window to its text: by the alignment bits, with SS_CENTERIMAGE, and only
// while automatic sizing is on. The text's extent comes from the link font on this
// machine, so every case is built around the measured extent.
#include <gtest/gtest.h>

#include "tests/hyperlink/LinkTestSupport.h"

namespace {

const char kText[] = "Click here to check if a newer version is available.";

class PositionTest : public ::testing::Test {
protected:
    void TearDown() override { DestroyAllWindows(); }

    // Attaches without sizing, measures the text, then puts the window where the test
    // wants it.
    void AttachUnsized(DWORD dwStyle)
    {
        HWND hStatic = m_frame.CreateWithStatic(kText, dwStyle, CRect(20, 30, 380, 60));
        ASSERT_NE(hStatic, nullptr);
        m_link.SetAutoSize(FALSE);
        ASSERT_TRUE(m_link.SubclassWindow(hStatic));
        m_text = m_link.TextSize();
        ASSERT_GT(m_text.cx, 20);
        ASSERT_GT(m_text.cy, 5);
    }
    void Place(int nLeft, int nTop, int nWidth, int nHeight)
    {
        m_link.MoveWindow(nLeft, nTop, nWidth, nHeight);
        ASSERT_EQ(RectInParent(&m_link), CRect(nLeft, nTop, nLeft + nWidth, nTop + nHeight));
    }

    CLinkFrame m_frame;
    CProbeLink m_link;
    CSize m_text;
};

TEST_F(PositionTest, AttachingFitsALeftAlignedWindowToItsText)
{
    HWND hStatic = m_frame.CreateWithStatic(kText, 0, CRect(20, 30, 380, 60));
    ASSERT_TRUE(m_link.SubclassWindow(hStatic));
    CSize text = m_link.TextSize();
    EXPECT_EQ(RectInParent(&m_link), CRect(20, 30, 20 + text.cx, 30 + text.cy));
}

TEST_F(PositionTest, LeftAlignedKeepsLeftAndTopAndTakesTheTextSize)
{
    AttachUnsized(SS_LEFT);
    Place(20, 30, m_text.cx + 50, 24);
    m_link.SetAutoSize(TRUE);
    EXPECT_EQ(RectInParent(&m_link), CRect(20, 30, 20 + m_text.cx, 30 + m_text.cy));
}

TEST_F(PositionTest, RightAlignedKeepsTheRightEdge)
{
    AttachUnsized(SS_RIGHT);
    Place(20, 30, m_text.cx + 50, 24);
    m_link.SetAutoSize(TRUE);
    EXPECT_EQ(RectInParent(&m_link), CRect(70, 30, 70 + m_text.cx, 30 + m_text.cy));
}

TEST_F(PositionTest, CentredWithASurplusOfSevenMovesEachSideInByThree)
{
    AttachUnsized(SS_CENTER);
    Place(20, 30, m_text.cx + 7, 24);
    m_link.SetAutoSize(TRUE);
    CRect rc = RectInParent(&m_link);
    EXPECT_EQ(rc.left, 23);
    EXPECT_EQ(rc.right, 20 + m_text.cx + 7 - 3);
    EXPECT_EQ(rc.Width(), m_text.cx + 1);
}

TEST_F(PositionTest, CentredWithAShortfallOfFiveMovesEachSideOutByTwo)
{
    AttachUnsized(SS_CENTER);
    Place(20, 30, m_text.cx - 5, 24);
    m_link.SetAutoSize(TRUE);
    CRect rc = RectInParent(&m_link);
    EXPECT_EQ(rc.left, 18);
    EXPECT_EQ(rc.right, 20 + m_text.cx - 5 + 2);
    EXPECT_EQ(rc.Width(), m_text.cx - 1);
}

TEST_F(PositionTest, CentreImageShrinksOrGrowsTopAndBottomAlike)
{
    AttachUnsized(SS_CENTERIMAGE);
    Place(20, 30, 300, m_text.cy + 9);
    m_link.SetAutoSize(TRUE);
    CRect rc = RectInParent(&m_link);
    EXPECT_EQ(rc.top, 34);
    EXPECT_EQ(rc.bottom, 30 + m_text.cy + 9 - 4);

    m_link.SetAutoSize(FALSE);
    Place(20, 30, 300, m_text.cy - 3);
    m_link.SetAutoSize(TRUE);
    rc = RectInParent(&m_link);
    EXPECT_EQ(rc.top, 29);
    EXPECT_EQ(rc.bottom, 30 + m_text.cy - 3 + 1);
    EXPECT_EQ(rc.Width(), m_text.cx);
}

TEST_F(PositionTest, WithoutAutoSizeNothingMovesAndSetURLRefitsToTheShownText)
{
    AttachUnsized(SS_LEFT);
    EXPECT_EQ(RectInParent(&m_link), CRect(20, 30, 380, 60));
    m_link.SetURL("https://www.example.com/a/much/longer/address/than/the/text/of/the/link/");
    EXPECT_EQ(RectInParent(&m_link), CRect(20, 30, 380, 60));

    m_link.SetAutoSize(TRUE);
    Place(20, 30, 100, 10);
    m_link.SetURL("https://www.example.com/");
    EXPECT_EQ(RectInParent(&m_link), CRect(20, 30, 20 + m_text.cx, 30 + m_text.cy));
}

}  // namespace
