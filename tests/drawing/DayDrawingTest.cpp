// A day cell's two looks: plain (with its optional fill) and selected.
#include "tests/drawing/TestSurface.h"

#include "calendar/AFCDayObj.h"

namespace {

const CRect kCell(10, 10, 42, 32);

void SetUpDay(AFCDayObj& day, int nDay, int nColorCode, BOOL bSelected)
{
    day.m_rcCell = kCell;
    day.m_strText.Format("%2d", nDay);
    day.m_nColorCode = nColorCode;
    day.m_bSelected = bSelected;
}

// The cell's corners, where the centred digits never reach.
std::vector<CPoint> Corners(const CRect& rc)
{
    return {CPoint(rc.left, rc.top), CPoint(rc.right - 1, rc.top), CPoint(rc.left, rc.bottom - 1),
            CPoint(rc.right - 1, rc.bottom - 1)};
}

TEST(DayDrawing, DefaultCellDrawsNothingAndChangesNoAttribute)
{
    for (int nMode : {OPAQUE, TRANSPARENT}) {
        TestSurface s(60, 40);
        CDC* pDC = s.DC();
        CFont font;
        LOGFONT lf = StockGuiLogFont();
        font.CreateFontIndirect(&lf);
        CFont* pOld = pDC->SelectObject(&font);
        pDC->SetBkMode(nMode);
        pDC->SetTextColor(RGB(1, 2, 3));
        pDC->SetBkColor(RGB(4, 5, 6));

        AFCDayObj day;
        day.Draw(pDC);

        EXPECT_TRUE(s.ChangedBox().IsRectEmpty()) << nMode;
        EXPECT_EQ(pDC->GetBkMode(), nMode);
        EXPECT_EQ(pDC->GetTextColor(), RGB(1, 2, 3));
        EXPECT_EQ(pDC->GetBkColor(), RGB(4, 5, 6));
        EXPECT_EQ(pDC->GetCurrentFont(), &font);
        pDC->SelectObject(pOld);
    }
}

TEST(DayDrawing, PlainCellDrawsItsDigitsTransparentlyInTheCurrentColour)
{
    TestSurface s(60, 40);
    CDC* pDC = s.DC();
    pDC->FillSolidRect(CRect(0, 0, 60, 40), kWhite);
    pDC->SetBkColor(RGB(0, 0, 255));  // would show behind opaque text
    const COLORREF crText = RGB(0, 128, 0);
    pDC->SetTextColor(crText);
    AFCDayObj day;
    SetUpDay(day, 28, 99, FALSE);

    day.Draw(pDC);

    EXPECT_GT(s.CountInk(kCell, kWhite, crText), 0);
    EXPECT_EQ(s.Count(CRect(0, 0, 60, 40), RGB(0, 0, 255)), 0);
    // Ink only inside the cell, never on its corners.
    const CRect rcInk = s.Box(CRect(0, 0, 60, 40), kWhite, false);
    CRect rcInside;
    rcInside.IntersectRect(rcInk, kCell);
    EXPECT_FALSE(rcInk.IsRectEmpty());
    EXPECT_EQ(rcInside, rcInk);
    for (const CPoint& pt : Corners(kCell)) {
        EXPECT_EQ(s.Pixel(pt.x, pt.y), kWhite);
    }
    EXPECT_EQ(pDC->GetBkMode(), OPAQUE);
    EXPECT_EQ(pDC->GetTextColor(), crText);
}

TEST(DayDrawing, FillCodesColourThePlainCell)
{
    struct {
        int nCode;
        COLORREF crFill;
    } const cases[] = {{98, kWhite},           {99, kWhite},
                       {100, RGB(255, 0, 0)},  {101, RGB(0, 255, 0)},
                       {102, kWhite},          {103, RGB(0, 0, 255)},
                       {104, RGB(0, 128, 128)}, {105, RGB(128, 0, 0)},
                       {106, RGB(0, 128, 0)},  {107, kWhite}};
    for (const auto& c : cases) {
        TestSurface s(60, 40);
        s.DC()->FillSolidRect(CRect(0, 0, 60, 40), kWhite);
        AFCDayObj day;
    SetUpDay(day, 7, c.nCode, FALSE);
        day.Draw(s.DC());
        for (const CPoint& pt : Corners(kCell)) {
            EXPECT_EQ(s.Pixel(pt.x, pt.y), c.crFill) << "code " << c.nCode;
        }
        // Nothing around the cell, and the digit is drawn over the fill.
        EXPECT_EQ(s.Pixel(kCell.left - 1, kCell.top), kWhite) << c.nCode;
        EXPECT_EQ(s.Pixel(kCell.right, kCell.bottom - 1), kWhite) << c.nCode;
        EXPECT_GT(s.CountInk(kCell, c.crFill, kBlack), 0) << c.nCode;
    }
}

TEST(DayDrawing, SelectedCellIsHighlightedWithWhiteDigitsWhateverItsCode)
{
    const COLORREF crHighlight = GetSysColor(COLOR_HIGHLIGHT);
    for (int nCode : {99, 100}) {
        TestSurface s(60, 40);
        CDC* pDC = s.DC();
        pDC->FillSolidRect(CRect(0, 0, 60, 40), kWhite);
        pDC->SetTextColor(RGB(9, 9, 9));
        AFCDayObj day;
    SetUpDay(day, 15, nCode, TRUE);

        day.Draw(pDC);

        for (const CPoint& pt : Corners(kCell)) {
            EXPECT_EQ(s.Pixel(pt.x, pt.y), crHighlight) << nCode;
        }
        EXPECT_GT(s.CountInk(kCell, crHighlight, kWhite), 0);
        EXPECT_EQ(s.CountInk(kCell, crHighlight, RGB(9, 9, 9)), 0);
        EXPECT_EQ(s.Box(CRect(0, 0, 60, 40), kWhite, false), kCell);
        // The caller's text colour and background mode are back.
        EXPECT_EQ(pDC->GetTextColor(), RGB(9, 9, 9));
        EXPECT_EQ(pDC->GetBkMode(), OPAQUE);
    }
}

}  // namespace
