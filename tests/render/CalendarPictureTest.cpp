// The picture the tool paints, looked at in memory: the start-up layout, the layout
// after a year change, clicks that find no cell, and the picture at a scale factor.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/gdi/AfxSurface.h"
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

// The bounding box of the pixels in rcArea (picture pixels) that are not crBack.
CRect InkBox(const CCalendarPicture& pic, const CRect& rcArea, COLORREF crBack)
{
    CRect rc(rcArea.right, rcArea.bottom, rcArea.left, rcArea.top);
    for (int y = rcArea.top; y < rcArea.bottom; ++y) {
        for (int x = rcArea.left; x < rcArea.right; ++x) {
            if (At(pic, x, y) != crBack) {
                rc = CRect(std::min<int>(rc.left, x), std::min<int>(rc.top, y), std::max<int>(rc.right, x + 1),
                           std::max<int>(rc.bottom, y + 1));
            }
        }
    }
    return rc;
}

// A pixel-doubled picture is made of uniform 2x2 blocks; text rendered at the device size
// has edges inside them.
int MixedBlocks(const CCalendarPicture& pic, const CRect& rcArea)
{
    int nMixed = 0;
    for (int y = rcArea.top; y + 1 < rcArea.bottom; y += 2) {
        for (int x = rcArea.left; x + 1 < rcArea.right; x += 2) {
            const COLORREF cr = At(pic, x, y);
            nMixed += At(pic, x + 1, y) != cr || At(pic, x, y + 1) != cr || At(pic, x + 1, y + 1) != cr ? 1 : 0;
        }
    }
    return nMixed;
}

TEST(CalendarPicture, AtTwoTheTextIsRenderedAtTheDeviceSizeNotDoubled)
{
    CCalendarPicture pic1(628, 499);
    CCalendarPicture pic2(628, 499, 2 * AFX_SCALE_ONE);
    ASSERT_EQ(pic2.Width(), 1256);
    ASSERT_EQ(pic2.Height(), 998);
    pic1.ChangeYear(2027);
    pic2.ChangeYear(2027);
    // A cell with a two-digit day: the background at its corner, the digits in its middle.
    const CRect rcCell = CellFor(CRect(0, 0, 628, 499), 2027, 1, 23);
    const CRect rcCell2(rcCell.left * 2, rcCell.top * 2, rcCell.right * 2, rcCell.bottom * 2);
    const COLORREF crBack = At(pic1, rcCell.left, rcCell.top);
    ASSERT_EQ(At(pic2, rcCell2.left, rcCell2.top), crBack);
    const CRect rcInk1 = InkBox(pic1, rcCell, crBack);
    const CRect rcInk2 = InkBox(pic2, rcCell2, crBack);
    ASSERT_GT(rcInk1.Height(), 4);
    EXPECT_NEAR(rcInk2.Height(), 2 * rcInk1.Height(), 2);
    EXPECT_NEAR(rcInk2.Width(), 2 * rcInk1.Width(), 3);
    EXPECT_GT(MixedBlocks(pic2, rcCell2), 4);
    // The fills are the classic ones doubled: the title bar's corner and the header.
    const CRect rcTitle = TitleBarsFor(CRect(0, 0, 628, 499))[5];
    EXPECT_EQ(At(pic2, rcTitle.left * 2, rcTitle.top * 2), At(pic1, rcTitle.left, rcTitle.top));
    EXPECT_EQ(At(pic2, rcTitle.left * 2 - 1, rcTitle.top * 2), At(pic1, rcTitle.left - 1, rcTitle.top));
}

// Each day cell drawn selected (filled) on its own at 1.5: the pixels it covers on the
// device.
CRect CellOnDevice(AFCDayObj& day, std::vector<uint32_t>& pixels, const AFX_SURFACE& surface)
{
    const int nScale = 6;
    CDC dc;
    dc.Attach(AfxCreateSurfaceDC(surface, POINT{0, 0}, RECT{0, 0, 628, 499}, nScale));
    const BOOL bSelected = day.m_bSelected;
    day.m_bSelected = TRUE;
    day.Draw(&dc);
    day.m_bSelected = bSelected;
    AfxDeleteSurfaceDC(dc.Detach());
    // Only around the cell: the surface is large.
    const RECT& rc = day.m_rcCell;
    CRect rcInk(surface.cx, surface.cy, 0, 0);
    for (int y = std::max(0, (rc.top - 2) * 3 / 2); y < std::min(surface.cy, (rc.bottom + 2) * 3 / 2); ++y) {
        for (int x = std::max(0, (rc.left - 2) * 3 / 2); x < std::min(surface.cx, (rc.right + 2) * 3 / 2); ++x) {
            uint32_t& px = pixels[static_cast<size_t>(y) * surface.cx + x];
            if (px != 0) {
                rcInk = CRect(std::min<int>(rcInk.left, x), std::min<int>(rcInk.top, y), std::max<int>(rcInk.right, x + 1),
                              std::max<int>(rcInk.bottom, y + 1));
                px = 0;
            }
        }
    }
    return rcInk;
}

TEST(CalendarPicture, AtOneAndAHalfCellsThatTouchLeaveNoGapAndNoOverlap)
{
    CCalendarPicture pic(628, 499, 6);
    ASSERT_EQ(pic.Width(), 942);
    ASSERT_EQ(pic.Height(), 749);
    pic.ChangeYear(2027);
    std::vector<uint32_t> pixels(942u * 749u, 0);
    const AFX_SURFACE surface = {pixels.data(), 942, 749, 942};
    int nPairs = 0;
    POSITION pos = pic.GetYearObj().m_MonthList.GetHeadPosition();
    while (pos != nullptr) {
        AFCYueObj* pMonth = pic.GetYearObj().m_MonthList.GetNext(pos);
        std::vector<AFCDayObj*> days;
        std::vector<CRect> boxes;
        for (POSITION posDay = pMonth->m_DayList.GetHeadPosition(); posDay != nullptr;) {
            days.push_back(static_cast<AFCDayObj*>(pMonth->m_DayList.GetNext(posDay)));
            boxes.push_back(CellOnDevice(*days.back(), pixels, surface));
        }
        for (size_t a = 0; a < days.size(); ++a) {
            for (size_t b = 0; b < days.size(); ++b) {
                const RECT& ra = days[a]->m_rcCell;
                const RECT& rb = days[b]->m_rcCell;
                if (ra.right == rb.left && ra.top == rb.top) {
                    EXPECT_EQ(boxes[a].right, boxes[b].left) << pMonth->m_nMonth << " " << days[a]->m_nDay;
                    ++nPairs;
                }
                if (ra.bottom == rb.top && ra.left == rb.left) {
                    EXPECT_EQ(boxes[a].bottom, boxes[b].top) << pMonth->m_nMonth << " " << days[a]->m_nDay;
                    ++nPairs;
                }
            }
        }
    }
    EXPECT_GT(nPairs, 300);
}

// A one-pixel line is the pen's width wherever it falls, though a logical pixel is one or
// two surface pixels at 1.25 and two or three at 2.25.
TEST(CalendarPicture, AtFractionalFactorsTheWeekdayLineIsEquallyThickInEveryPanel)
{
    for (int nScale : {5, 9}) {
        CCalendarPicture pic(628, 499, nScale);
        pic.ChangeYear(2027);
        int nPanels = 0;
        POSITION pos = pic.GetYearObj().m_MonthList.GetHeadPosition();
        while (pos != nullptr) {
            const AFCYueObj* pMonth = pic.GetYearObj().m_MonthList.GetNext(pos);
            const RECT& rc = pMonth->m_rcBounds;
            const int yLine = rc.top + 2 * pMonth->m_nCellHeight + 1;
            // The line's first column: the weekday row above it, an empty corner of the first
            // day cell below.
            const int x = AfxScaleToDevice(nScale, rc.left + 1);
            int nThick = 0;
            for (int y = AfxScaleToDevice(nScale, yLine - 2); y < AfxScaleToDevice(nScale, yLine + 2); ++y) {
                nThick += At(pic, x, y) == RGB(0, 0, 0) ? 1 : 0;
            }
            EXPECT_EQ(nThick, AfxScaleToDevice(nScale, 1))
                << "factor " << nScale / 4.0 << ", month " << pMonth->m_nMonth;
            ++nPanels;
        }
        EXPECT_EQ(nPanels, 12);
    }
}

}  // namespace
