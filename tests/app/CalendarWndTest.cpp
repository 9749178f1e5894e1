// The calendar window inside the running main dialog, driven by real input: where it sits,
// which bounds the year calendar gets, what "-" and "+" do down to the 1584 floor, day
// selection, clicks that must change nothing, and the parent's notifications. Pictures are
// compared with the render tool's replica of the window's paint.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "platform/core/AfxAlloc.h"
#include "platform/wnd/AfxMessageBox.h"
#include "tests/app/AppTestSupport.h"
#include "tools/brelvin-render/CCalendarPicture.h"

namespace {

const uint32_t kMarker = 0x00ABCDEF;

class CalendarWndTest : public ::testing::Test {
protected:
    void TearDown() override { DestroyAllWindows(); }

    CYearCalendarWnd* Cal() const { return m_dlg.Calendar(); }
    AFCYearObj* Year() const { return Cal()->m_pYearObj; }
    void Click(CPoint pt, int nClicks = 1)
    {
        AfxSimulateClick(Cal()->m_hWnd, pt, AFX_BUTTON_LEFT, nClicks);
    }
    void ClickPrev() { Click(CRect(Year()->m_rcPrevButton).CenterPoint()); }
    void ClickNext() { Click(CRect(Year()->m_rcNextButton).CenterPoint()); }
    void ClickDay(int nMonth, int nDay) { Click(CRect(FindDay(*Year(), nMonth, nDay)->m_rcCell).CenterPoint()); }
    // Runs the steps in the dialog and ends it afterwards.
    void Run(std::vector<std::function<void()>> steps)
    {
        steps.push_back([this]() { m_dlg.EndDialog(IDOK); });
        RunModal(m_dlg, std::move(steps));
    }
    void ExpectPicture(const CCalendarPicture& picture)
    {
        ASSERT_EQ(m_pixels.size(), static_cast<size_t>(picture.Width() * picture.Height()));
        EXPECT_TRUE(std::equal(m_pixels.begin(), m_pixels.end(), picture.GetPixels()));
    }
    int SelectedCells() const
    {
        int nSelected = 0;
        POSITION pos = Year()->m_MonthList.GetHeadPosition();
        while (pos != nullptr) {
            const AFCYueObj* pMonth = Year()->m_MonthList.GetNext(pos);
            POSITION posDay = pMonth->m_DayList.GetHeadPosition();
            while (posDay != nullptr)
                nSelected += static_cast<AFCDayObj*>(pMonth->m_DayList.GetNext(posDay))->m_bSelected ? 1 : 0;
        }
        return nSelected;
    }

    CProbeDlg m_dlg;
    std::vector<uint32_t> m_pixels;
    std::function<void()> m_fnGrab = [this]() { m_pixels = ClientPixels(Cal()); };
};

TEST_F(CalendarWndTest, SitsOverTheFrameWithBoundsFromCreateThenFromEachPaint)
{
    CRect rcClient, rcCalendar, rcCalendarClient, rcPainted, rcFrame;
    BOOL bFrameVisible = TRUE;
    BOOL bFoundById = FALSE;
    std::vector<CRect> panelsAfterStep;
    Run({[&]() {
             m_dlg.GetClientRect(&rcClient);
             CWnd* pFrame = m_dlg.GetDlgItem(IDC_CALENDAR_FRAME);
             pFrame->GetWindowRect(&rcFrame);
             m_dlg.ScreenToClient(&rcFrame);
             bFrameVisible = pFrame->IsWindowVisible();
             bFoundById = m_dlg.GetDlgItem(IDC_CALENDAR_WND) == Cal();
             Cal()->GetWindowRect(&rcCalendar);
             m_dlg.ScreenToClient(&rcCalendar);
             Cal()->GetClientRect(&rcCalendarClient);
             rcPainted = Year()->m_rcBounds;
             ClickNext();
         },
         [&]() { panelsAfterStep = PanelRects(*Year()); }});

    EXPECT_EQ(rcClient, CRect(0, 0, 651, 557));
    EXPECT_EQ(rcCalendar, CRect(11, 11, 641, 512));
    EXPECT_EQ(rcCalendar, rcFrame);
    EXPECT_FALSE(bFrameVisible);
    EXPECT_TRUE(bFoundById);
    // Create: the outer size, border included; the start-up layout uses it.
    EXPECT_EQ(m_dlg.m_rcBoundsAfterInit, CRect(0, 0, rcCalendar.Width(), rcCalendar.Height()));
    EXPECT_EQ(m_dlg.m_rcBoundsAfterInit, CRect(0, 0, 630, 501));
    EXPECT_EQ(m_dlg.m_panelsAfterInit, PanelRects(AFCYearObj(2000, CRect(0, 0, 630, 501))));
    // Every paint: the client area inside the border; a year change lays out for it.
    EXPECT_EQ(rcPainted, rcCalendarClient);
    EXPECT_EQ(rcPainted, CRect(0, 0, 628, 499));
    EXPECT_EQ(panelsAfterStep, PanelRects(AFCYearObj(2001, CRect(0, 0, 628, 499))));
}

TEST_F(CalendarWndTest, FirstPaintShowsTheYear2000AsTheRenderToolDoes)
{
    int nYear = 0;
    Run({[&]() {
        m_fnGrab();
        nYear = Cal()->m_nYear;
    }});
    EXPECT_EQ(nYear, 2000);
    ExpectPicture(CCalendarPicture(628, 499));
}

TEST_F(CalendarWndTest, PlusAndMinusStepTheYearRepaintAndNotifyTheParent)
{
    std::vector<uint32_t> after2001;
    std::vector<int> years;
    auto record = [&]() { years.push_back(Cal()->m_nYear); };
    Run({[&]() { ClickNext(); },
         [&]() {
             record();
             m_fnGrab();
             after2001 = m_pixels;
             ClickPrev();
         },
         [&]() {
             record();
             ClickPrev();
         },
         [&]() {
             record();
             m_fnGrab();
         }});
    EXPECT_EQ(years, (std::vector<int>{2001, 2000, 1999}));
    EXPECT_EQ(m_dlg.m_notifiedYears, years);
    CCalendarPicture picture(628, 499);
    picture.ChangeYear(1999);
    ExpectPicture(picture);
    picture.ChangeYear(2001);
    m_pixels = after2001;
    ExpectPicture(picture);
}

TEST_F(CalendarWndTest, TheFloorHoldsAt1584AndAClickThereStillRebuildsNotifiesAndRepaints)
{
    AFCDayObj* pSelBefore = nullptr;
    int nSelectedAfter = -1, nYearAfter = 0;
    AFCDayObj* pSelAfter = nullptr;
    uint32_t nMarkerAfter = 0;
    Run({[&]() {
             // Two steps above the floor.
             Cal()->m_nYear = 1586;
             Year()->SetYear(1586);
             ClickPrev();
             ClickPrev();
         },
         [&]() { ClickDay(5, 20); },
         [&]() {
             pSelBefore = Cal()->m_pSelDay;
             MarkPixel(Cal(), CPoint(300, 300), kMarker);
             ClickPrev();
         },
         [&]() {
             nYearAfter = Cal()->m_nYear;
             pSelAfter = Cal()->m_pSelDay;
             nSelectedAfter = SelectedCells();
             nMarkerAfter = BufferPixel(Cal(), CPoint(300, 300));
             m_fnGrab();
         }});
    ASSERT_NE(pSelBefore, nullptr);
    EXPECT_EQ(nYearAfter, 1584);
    EXPECT_EQ(pSelAfter, nullptr);
    EXPECT_EQ(nSelectedAfter, 0);
    EXPECT_NE(nMarkerAfter, kMarker);
    EXPECT_EQ(m_dlg.m_notifiedYears, (std::vector<int>{1585, 1584, 1584}));
    CCalendarPicture picture(628, 499);
    picture.ChangeYear(1584);
    ExpectPicture(picture);
}

TEST_F(CalendarWndTest, PlusHasNoUpperLimit)
{
    int nYear = 0;
    Run({[&]() {
             Cal()->m_nYear = 9999;
             Year()->SetYear(9999);
             ClickNext();
         },
         [&]() { ClickNext(); },
         [&]() { nYear = Cal()->m_nYear; }});
    EXPECT_EQ(nYear, 10001);
    EXPECT_EQ(m_dlg.m_notifiedYears, (std::vector<int>{10000, 10001}));
}

TEST_F(CalendarWndTest, ASizeChangeWidensTheHeaderAtOnceAndTheLayoutAtTheNextYearChange)
{
    std::vector<CRect> panelsBefore, panelsAfterPaint, panelsAfterStep;
    CRect rcPainted, rcNext;
    uint32_t nMarkerAfter = kMarker;
    Run({[&]() {
             panelsBefore = PanelRects(*Year());
             MarkPixel(Cal(), CPoint(100, 2), kMarker);
             Cal()->SetWindowPos(nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
         },
         [&]() {
             rcPainted = Year()->m_rcBounds;
             rcNext = Year()->m_rcNextButton;
             panelsAfterPaint = PanelRects(*Year());
             nMarkerAfter = BufferPixel(Cal(), CPoint(100, 2));
             ClickNext();
         },
         [&]() { panelsAfterStep = PanelRects(*Year()); }});
    EXPECT_EQ(rcPainted, CRect(0, 0, 498, 398));
    EXPECT_EQ(rcNext, CRect(498 - 22, 4, 498 - 4, 21));
    EXPECT_NE(nMarkerAfter, kMarker);
    EXPECT_EQ(panelsAfterPaint, panelsBefore);
    EXPECT_EQ(panelsAfterStep, PanelRects(AFCYearObj(2001, CRect(0, 0, 498, 398))));
}

TEST_F(CalendarWndTest, DoubleClickOnPlusStepsTwice)
{
    int nYear = 0;
    Run({[&]() {
             CPoint pt = CRect(Year()->m_rcNextButton).CenterPoint();
             Click(pt, 1);
             Click(pt, 2);
         },
         [&]() { nYear = Cal()->m_nYear; }});
    EXPECT_EQ(nYear, 2002);
    EXPECT_EQ(m_dlg.m_notifiedYears, (std::vector<int>{2001, 2002}));
}

TEST_F(CalendarWndTest, ClickOnADaySelectsItAndRepaints)
{
    AFCDayObj* pCell = nullptr;
    AFCDayObj* pSel = nullptr;
    int nSelected = 0;
    Run({[&]() {
             pCell = FindDay(*Year(), 3, 15);
             ClickDay(3, 15);
         },
         [&]() {
             pSel = Cal()->m_pSelDay;
             nSelected = SelectedCells();
             m_fnGrab();
         }});
    ASSERT_NE(pCell, nullptr);
    EXPECT_EQ(pSel, pCell);
    EXPECT_EQ(nSelected, 1);
    EXPECT_TRUE(m_dlg.m_notifiedYears.empty());
    CCalendarPicture picture(628, 499);
    ASSERT_NE(picture.ClickDay(2000, 3, 15), nullptr);
    ExpectPicture(picture);
}

TEST_F(CalendarWndTest, ClicksOffTheBoxesAndCellsChangeNothingAndPaintNothing)
{
    // The window's geometry at start-up, from the replica of its first paint.
    CCalendarPicture picture(628, 499);
    const AFCYearObj& year = picture.GetYearObj();
    CRect rcPrev(year.m_rcPrevButton), rcNext(year.m_rcNextButton);
    const AFCYueObj* pJuly = FindMonth(year, 7);
    ASSERT_NE(pJuly, nullptr);
    CRect rcJuly(pJuly->m_rcBounds);
    const int ch = pJuly->m_nCellHeight;
    const std::vector<std::pair<std::string, CPoint>> cases = {
        {"right edge of +", CPoint(rcNext.right, rcNext.CenterPoint().y)},
        {"bottom edge of +", CPoint(rcNext.CenterPoint().x, rcNext.bottom)},
        {"right edge of -", CPoint(rcPrev.right, rcPrev.CenterPoint().y)},
        {"bottom edge of -", CPoint(rcPrev.CenterPoint().x, rcPrev.bottom)},
        {"header", CPoint(rcNext.left - 40, rcNext.CenterPoint().y)},
        {"month title", CPoint(rcJuly.CenterPoint().x, rcJuly.top + ch / 2)},
        {"weekday row", CPoint(rcJuly.CenterPoint().x, rcJuly.top + ch + ch / 2)},
        {"panel margin", CPoint(rcJuly.left + 1, rcJuly.top + 2 * ch + ch / 2)},
        {"calendar margin", CPoint(0, rcJuly.CenterPoint().y)}};

    AFCDayObj* pSel = nullptr;
    std::vector<std::string> changed;
    std::vector<std::function<void()>> steps = {[&]() { ClickDay(7, 4); }, [&]() { pSel = Cal()->m_pSelDay; }};
    const CPoint ptElsewhere(400, 300);
    for (const auto& c : cases) {
        steps.push_back([&]() {
            MarkPixel(Cal(), ptElsewhere, kMarker);
            MarkPixel(Cal(), c.second, kMarker);
            Click(c.second);
        });
        steps.push_back([&]() {
            bool bChanged = Cal()->m_nYear != 2000 || Cal()->m_pSelDay != pSel || SelectedCells() != 1 ||
                            !m_dlg.m_notifiedYears.empty() || BufferPixel(Cal(), ptElsewhere) != kMarker ||
                            BufferPixel(Cal(), c.second) != kMarker;
            if (bChanged)
                changed.push_back(c.first);
        });
    }
    Run(steps);
    ASSERT_NE(pSel, nullptr);
    EXPECT_TRUE(changed.empty()) << "changed by a click on: " << ::testing::PrintToString(changed);
}

// Refuses, while armed, every allocation of the kind it was armed for: framework records
// (device contexts and the like) or objects of framework classes.
int g_nRefuse = -1;  // -1: none; otherwise the bObject value refused
BOOL RefusingHook(size_t, BOOL bObject, LONG) { return g_nRefuse != static_cast<int>(bObject); }

struct CBoxLog : IAfxMessageBox {
    std::vector<std::string> m_texts;
    int Show(HWND, LPCTSTR lpszText, LPCTSTR, UINT) override
    {
        m_texts.push_back(lpszText);
        return IDOK;
    }
};

TEST_F(CalendarWndTest, MemoryFailuresEndTheOperationNotTheProgram)
{
    CBoxLog box;
    IAfxMessageBox* pOldBox = AfxSetMessageBox(&box);
    AFX_ALLOC_HOOK pfnOldHook = AfxSetAllocHook(RefusingHook);
    std::vector<uint32_t> afterFailedPaint;
    size_t nBoxesAfterPaint = 0;
    int nYearAfterFailure = 0;
    Run({[&]() {
             MarkPixel(Cal(), CPoint(300, 200), kMarker);
             g_nRefuse = FALSE;  // the paint gets no drawing surfaces
             Cal()->Invalidate(FALSE);
         },
         [&]() {
             g_nRefuse = -1;
             nBoxesAfterPaint = box.m_texts.size();
             afterFailedPaint = ClientPixels(Cal());
             Cal()->Invalidate(FALSE);
         },
         [&]() {
             g_nRefuse = TRUE;  // SetYear cannot make its panels
             ClickNext();
         },
         [&]() {
             g_nRefuse = -1;
             nYearAfterFailure = Cal()->m_nYear;
             ClickNext();
         },
         m_fnGrab});
    AfxSetAllocHook(pfnOldHook);
    AfxSetMessageBox(pOldBox);
    g_nRefuse = -1;

    EXPECT_EQ(nBoxesAfterPaint, 0u);
    EXPECT_EQ(std::count(afterFailedPaint.begin(), afterFailedPaint.end(), kMarker), 1) << "the failed paint drew";
    EXPECT_EQ(box.m_texts, std::vector<std::string>{"Out of memory."});
    EXPECT_EQ(nYearAfterFailure, 2001);
    CCalendarPicture picture(628, 499);
    picture.ChangeYear(2002);
    ExpectPicture(picture);
}

}  // namespace
