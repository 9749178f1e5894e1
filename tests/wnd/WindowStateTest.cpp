// Window state the application relies on: icons of both sizes, the minimized state and
// its paint, and the wait cursor.
#include <gtest/gtest.h>

#include <string>

#include "platform/core/CWaitCursor.h"
#include "tests/wnd/WndTestSupport.h"

namespace {

HICON MakeIcon()
{
    static const std::string s_big(32, 'R');
    static const std::string s_small(16, 'G');
    static const char* s_bigRows[32];
    static const char* s_smallRows[16];
    for (const char*& pszRow : s_bigRows)
        pszRow = s_big.c_str();
    for (const char*& pszRow : s_smallRows)
        pszRow = s_small.c_str();
    static const COLORREF s_palette[2] = {RGB(255, 0, 0), RGB(0, 255, 0)};
    static const AFX_ICON_RES_IMAGE s_images[2] = {{32, 32, s_bigRows}, {16, 16, s_smallRows}};
    AFX_ICON_RES res = {"RG", s_palette, s_images, 2, {0, 0}};
    return AfxCreateIconFromResource(res);
}

class CIconicProbe : public CTestFrame {
public:
    int m_nPaints = 0;
    BOOL m_bIconicInPaint = FALSE;

protected:
    afx_msg void OnPaint()
    {
        ++m_nPaints;
        m_bIconicInPaint = IsIconic();
        CPaintDC dc(this);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIconicProbe, CTestFrame)
    ON_WM_PAINT()
END_MESSAGE_MAP()

class WindowStateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.CreateFrame(120, 80));
        AfxPumpUntilIdle();
    }
    void TearDown() override { DestroyAllWindows(); }
    CIconicProbe m_frame;
};

TEST_F(WindowStateTest, BothIconSizesAreKept)
{
    HICON hBig = MakeIcon();
    HICON hSmall = MakeIcon();
    ASSERT_NE(hBig, nullptr);
    EXPECT_EQ(m_frame.SetIcon(hBig, TRUE), nullptr);
    EXPECT_EQ(m_frame.SetIcon(hSmall, FALSE), nullptr);
    EXPECT_EQ(m_frame.GetIcon(TRUE), hBig);
    EXPECT_EQ(m_frame.GetIcon(FALSE), hSmall);
    EXPECT_EQ(m_frame.SetIcon(hSmall, TRUE), hBig);
    DestroyIcon(hBig);
    DestroyIcon(hSmall);
}

TEST_F(WindowStateTest, MinimizedWindowIsIconicAndPaintsAgain)
{
    m_frame.m_nPaints = 0;
    m_frame.ShowWindow(SW_MINIMIZE);
    AfxPumpUntilIdle();
    EXPECT_TRUE(m_frame.IsIconic());
    EXPECT_EQ(m_frame.m_nPaints, 1);
    EXPECT_TRUE(m_frame.m_bIconicInPaint);
    m_frame.ShowWindow(SW_RESTORE);
    AfxPumpUntilIdle();
    EXPECT_FALSE(m_frame.IsIconic());
    EXPECT_EQ(m_frame.m_nPaints, 2);
}

TEST_F(WindowStateTest, WaitCursorShowsAndHoldsUntilTheWaitEnds)
{
    HCURSOR hWait = LoadCursor(nullptr, IDC_WAIT);
    {
        CWaitCursor wait;
        EXPECT_EQ(::GetCursor(), hWait);
        AfxSimulateMouseMove(m_frame.m_hWnd, Pt(10, 10));
        AfxPumpUntilIdle();
        EXPECT_EQ(::GetCursor(), hWait);
    }
    EXPECT_NE(::GetCursor(), hWait);
}

}  // namespace
