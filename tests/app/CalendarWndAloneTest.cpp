// The calendar window on its own, in a plain parent: a failed creation, and the boxes
// that count only once a paint has placed them.
#include <gtest/gtest.h>

#include "tests/app/AppTestSupport.h"

namespace {

class CParentFrame : public CWnd {
public:
    BOOL CreateHidden(int cx, int cy)
    {
        LPCTSTR lpszClass = AfxRegisterWndClass(0, nullptr, GetSysColorBrush(COLOR_3DFACE));
        return CreateEx(0, lpszClass, "parent", WS_POPUP, 10, 10, cx, cy, nullptr, nullptr);
    }
};

class CalendarWndAloneTest : public ::testing::Test {
protected:
    void TearDown() override { DestroyAllWindows(); }
};

TEST_F(CalendarWndAloneTest, FailedCreationReturnsFalseAndLeavesTheYearCalendarAlone)
{
    CYearCalendarWnd wnd;
    EXPECT_FALSE(wnd.Create(CRect(0, 0, 300, 200), nullptr, IDC_CALENDAR_WND));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.m_pYearObj->m_rcBounds, CRect(0, 0, 400, 400));
    EXPECT_EQ(wnd.m_pYearObj->m_nYear, 2000);
}

TEST_F(CalendarWndAloneTest, BoxesCountOnlyAfterTheFirstPaint)
{
    CParentFrame parent;
    ASSERT_TRUE(parent.CreateHidden(660, 540));
    CYearCalendarWnd wnd;
    ASSERT_TRUE(wnd.Create(CRect(5, 5, 635, 506), &parent, IDC_CALENDAR_WND));
    AfxPumpUntilIdle();
    // Hidden: no paint yet, so the "+" box is still empty and a click there is a day test.
    ASSERT_TRUE(CRect(wnd.m_pYearObj->m_rcNextButton).IsRectEmpty());
    const CPoint ptPlus(628 - 13, 12);
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptPlus.x, ptPlus.y));
    EXPECT_EQ(wnd.m_nYear, 2000);

    parent.ShowWindow(SW_SHOW);
    AfxPumpUntilIdle();
    ASSERT_TRUE(CRect(wnd.m_pYearObj->m_rcNextButton).PtInRect(ptPlus));
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptPlus.x, ptPlus.y));
    EXPECT_EQ(wnd.m_nYear, 2001);
    EXPECT_EQ(wnd.m_pYearObj->m_nYear, 2001);
}

}  // namespace
