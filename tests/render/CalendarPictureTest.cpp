// The picture the tool paints, looked at in memory: the start-up layout, the layout
// after a year change, and clicks that find no cell.
#include <gtest/gtest.h>

#include "tests/render/RenderTestSupport.h"
#include "tools/brelvin-render/CCalendarPicture.h"

namespace {

const COLORREF kFrame = RGB(0x47, 0x47, 0x47);
const COLORREF kWhite = RGB(255, 255, 255);

COLORREF At(const CCalendarPicture& pic, int x, int y)
{
    const uint32_t px = pic.GetPixels()[static_cast<size_t>(y) * pic.Width() + x];
    return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
}

// Every title bar of the layout for rcLayout shows in the picture where its edges are.
void ExpectTitleBars(const CCalendarPicture& pic, const CRect& rcLayout)
{
    const COLORREF crTitle = GetSysColor(COLOR_ACTIVECAPTION);
    int nMonth = 1;
    for (const CRect& rc : TitleBarsFor(rcLayout)) {
        const int y = rc.top + 1;
        EXPECT_EQ(At(pic, rc.left, y), crTitle) << "month " << nMonth;
        EXPECT_EQ(At(pic, rc.left - 1, y), kWhite) << "month " << nMonth;
        if (rc.right < pic.Width()) {
            EXPECT_EQ(At(pic, rc.right - 1, y), crTitle) << "month " << nMonth;
            EXPECT_EQ(At(pic, rc.right, y), kWhite) << "month " << nMonth;
        }
        ++nMonth;
    }
}

TEST(CalendarPicture, StartUpIsLaidOutForTheWindowsOuterSize)
{
    CCalendarPicture pic(628, 499);
    EXPECT_EQ(pic.GetYearObj().m_nYear, 2000);
    EXPECT_EQ(pic.GetYearObj().m_rcBounds, CRect(0, 0, 628, 499));
    EXPECT_EQ(pic.GetYearObj().m_rcNextButton, CRect(606, 4, 624, 21));
    ExpectTitleBars(pic, CRect(0, 0, 630, 501));
    // The header spans the client width.
    EXPECT_EQ(At(pic, 627, 0), kFrame);
}

TEST(CalendarPicture, YearChangeLaysOutForTheClientArea)
{
    CCalendarPicture pic(628, 499);
    pic.ChangeYear(2000);
    ExpectTitleBars(pic, CRect(0, 0, 628, 499));
    // The right margin of the client layout shows the white background.
    EXPECT_EQ(At(pic, 626, 40), kWhite);
}

TEST(CalendarPicture, DatesWithoutAVisibleCellAreNotClicked)
{
    CCalendarPicture pic(628, 499);
    EXPECT_EQ(pic.ClickDay(2001, 1, 1), nullptr);
    // A calendar too small for any cell.
    CCalendarPicture tiny(10, 10);
    EXPECT_EQ(tiny.ClickDay(2000, 1, 1), nullptr);
    EXPECT_EQ(tiny.GetYearObj().m_nSelDay, 1);
    EXPECT_EQ(tiny.GetYearObj().m_nSelMonth, 1);
}

}  // namespace
