// The calendar window on its own, in a plain parent: what construction leaves, the window
// that Create makes, a failed creation, the background that is never erased, and the
// boxes that count only once a paint has placed them.
#include <gtest/gtest.h>

#include "platform/wnd/AfxWindow.h"
#include "platform/wnd/CClientDC.h"
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

TEST_F(CalendarWndAloneTest, ConstructionGivesTheYear2000For400By400InTheWindowsColours)
{
    CYearCalendarWnd wnd;
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.m_nYear, 2000);
    EXPECT_EQ(wnd.m_pSelDay, nullptr);
    const COLORREF expected[] = {0xFFFFFF, 0x000000, 0x474747, GetSysColor(COLOR_ACTIVECAPTION), 0xFFFFFF,
                                 GetSysColor(COLOR_INFOBK)};
    const COLORREF window[] = {wnd.m_crBack,       wnd.m_crText,       wnd.m_crFrame,
                               wnd.m_crTitleBack,  wnd.m_crTitleText,  wnd.m_crWeekBack};
    const AFCYearObj& year = *wnd.m_pYearObj;
    const COLORREF copied[] = {year.m_crBack,      year.m_crText,      year.m_crFrame,
                               year.m_crTitleBack, year.m_crTitleText, year.m_crWeekBack};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(window[i], expected[i]) << i;
        EXPECT_EQ(copied[i], expected[i]) << i;
    }
    EXPECT_EQ(year.m_nYear, 2000);
    EXPECT_EQ(year.m_rcBounds, CRect(0, 0, 400, 400));
    EXPECT_EQ(PanelRects(year), PanelRects(AFCYearObj(2000, CRect(0, 0, 400, 400))));
}

TEST_F(CalendarWndAloneTest, CreateMakesABorderedChildOfAClassWithoutCursorBrushOrDoubleClicks)
{
    CParentFrame parent;
    ASSERT_TRUE(parent.CreateHidden(660, 540));
    CYearCalendarWnd wnd;
    ASSERT_TRUE(wnd.Create(CRect(5, 6, 305, 206), &parent, IDC_CALENDAR_WND));
    const HWND hWnd = wnd.m_hWnd;
    ASSERT_NE(hWnd, nullptr);
    EXPECT_EQ(hWnd->dwStyle, 0x50800000u);
    EXPECT_EQ(hWnd->dwExStyle, 0u);
    EXPECT_EQ(hWnd->strText, "");
    EXPECT_EQ(wnd.GetDlgCtrlID(), IDC_CALENDAR_WND);
    EXPECT_EQ(wnd.GetParent(), &parent);
    ASSERT_NE(hWnd->pClass, nullptr);
    EXPECT_EQ(hWnd->pClass->style, 0x0843u);
    EXPECT_EQ(hWnd->pClass->hCursor, nullptr);
    EXPECT_EQ(hWnd->pClass->hbrBackground, nullptr);
    EXPECT_EQ(hWnd->pClass->hIcon, nullptr);
    CRect rcWindow;
    wnd.GetWindowRect(&rcWindow);
    parent.ScreenToClient(&rcWindow);
    EXPECT_EQ(rcWindow, CRect(5, 6, 305, 206));
    EXPECT_EQ(wnd.m_pYearObj->m_rcBounds, CRect(0, 0, 300, 200));
    // The panels stay as the constructor laid them out.
    EXPECT_EQ(PanelRects(*wnd.m_pYearObj), PanelRects(AFCYearObj(2000, CRect(0, 0, 400, 400))));
}

TEST_F(CalendarWndAloneTest, EraseBackgroundSaysDoneAndDrawsNothing)
{
    CParentFrame parent;
    ASSERT_TRUE(parent.CreateHidden(660, 540));
    CYearCalendarWnd wnd;
    ASSERT_TRUE(wnd.Create(CRect(5, 5, 305, 205), &parent, IDC_CALENDAR_WND));
    parent.ShowWindow(SW_SHOW);
    AfxPumpUntilIdle();
    const std::vector<uint32_t> before = ClientPixels(&wnd);
    CClientDC dc(&wnd);
    dc.FillSolidRect(CRect(0, 0, 300, 200), RGB(0x12, 0x34, 0x56));
    const std::vector<uint32_t> filled = ClientPixels(&wnd);
    ASSERT_NE(filled, before);
    EXPECT_NE(wnd.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0), 0);
    EXPECT_EQ(ClientPixels(&wnd), filled);
}

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
