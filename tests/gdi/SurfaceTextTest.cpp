// Text on the drawing surface: fonts, selection, measuring, DrawText geometry, opaque
// backgrounds. Faces differ between machines, so only geometry and colours are checked.
#include "tests/gdi/SurfaceFixture.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/gdi/AfxFontEngine.h"
#include "platform/gdi/CFont.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

LOGFONT GuiLogFont()
{
    LOGFONT lf;
    std::memset(&lf, 0, sizeof(lf));
    GetObject(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    return lf;
}

class SurfaceText : public SurfaceFixture {
protected:
    void SetUp() override
    {
        SurfaceFixture::SetUp();
        LOGFONT lf = GuiLogFont();
        ASSERT_TRUE(m_font.CreateFontIndirect(&lf));
        m_pOldFont = m_dc.SelectObject(&m_font);
    }
    void TearDown() override
    {
        m_dc.SelectObject(m_pOldFont);
        SurfaceFixture::TearDown();
    }

    // Darkness of the ink inside rc on a white background.
    long Ink(const CRect& rc) const
    {
        long n = 0;
        for (int y = rc.top; y < rc.bottom; ++y) {
            for (int x = rc.left; x < rc.right; ++x) {
                n += 255 - GetGValue(Pixel(x, y));
            }
        }
        return n;
    }

    CFont m_font;
    CFont* m_pOldFont = nullptr;
};

TEST(StockFonts, GuiFontIsEightPointMsSansSerif)
{
    const LOGFONT lf = GuiLogFont();
    EXPECT_EQ(lf.lfHeight, -11);
    EXPECT_EQ(lf.lfWeight, FW_NORMAL);
    EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
    // Stock objects survive DeleteObject.
    EXPECT_TRUE(DeleteObject(GetStockObject(DEFAULT_GUI_FONT)));
    EXPECT_EQ(GetObject(GetStockObject(DEFAULT_GUI_FONT), sizeof(LOGFONT), nullptr), static_cast<int>(sizeof(LOGFONT)));
    EXPECT_NE(GetStockObject(ANSI_VAR_FONT), nullptr);
    EXPECT_EQ(GetStockObject(9), nullptr);
}

TEST(StockFonts, StartupCheckFindsAFont)
{
    CString strError;
    EXPECT_TRUE(AfxCheckFonts(strError));
    EXPECT_TRUE(strError.IsEmpty()) << static_cast<LPCTSTR>(strError);
}

TEST(StockFontsDeathTest, StartupCheckNamesTheCauseWhenThereIsNoFont)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            char szConf[] = "/tmp/brelvin-nofonts-XXXXXX";
            const int fd = mkstemp(szConf);
            const char szEmpty[] = "<?xml version=\"1.0\"?><fontconfig></fontconfig>\n";
            const bool bWritten = fd >= 0 && write(fd, szEmpty, sizeof(szEmpty) - 1) > 0;
            close(fd);
            setenv("FONTCONFIG_FILE", szConf, 1);
            CString strError;
            const BOOL bOk = bWritten && AfxCheckFonts(strError);
            unlink(szConf);
            fprintf(stderr, "%s\n", static_cast<LPCTSTR>(strError));
            std::_Exit(bOk ? 0 : 3);
        },
        ::testing::ExitedWithCode(3), "No usable font");
}

TEST_F(SurfaceText, FontsSelectedBackAreTheCallers)
{
    LOGFONT lf = GuiLogFont();
    lf.lfWeight = 600;
    CFont title;
    title.CreateFontIndirect(&lf);
    CFont* pCallers = m_dc.SelectObject(&title);
    EXPECT_EQ(pCallers, &m_font);
    EXPECT_EQ(m_dc.SelectObject(pCallers), &title);
    EXPECT_EQ(m_dc.GetCurrentFont(), &m_font);

    // A font deleted while selected stays valid until it is replaced.
    m_dc.SelectObject(&title);
    EXPECT_TRUE(title.DeleteObject());
    m_dc.TextOut(0, 0, "abc");
    EXPECT_EQ(m_dc.SelectObject(&m_font), nullptr);
}

TEST_F(SurfaceText, CreatedFontKeepsItsDescription)
{
    LOGFONT lf = GuiLogFont();
    lf.lfHeight = lf.lfHeight + lf.lfHeight / 10;
    lf.lfWeight = 600;
    CFont font;
    font.CreateFontIndirect(&lf);
    LOGFONT back;
    ASSERT_EQ(font.GetLogFont(&back), static_cast<int>(sizeof(back)));
    EXPECT_EQ(std::memcmp(&back, &lf, sizeof(lf)), 0);
    EXPECT_EQ(back.lfHeight, -12);

    CFont wrapper;
    wrapper.Attach(GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(CFont::FromHandle(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))), &wrapper);
    wrapper.DeleteObject();
    EXPECT_EQ(GetObject(GetStockObject(DEFAULT_GUI_FONT), 0, nullptr), static_cast<int>(sizeof(LOGFONT)));
}

TEST_F(SurfaceText, ExtentIsMeasuredTheSameWayEverywhere)
{
    const CSize size = m_dc.GetTextExtent("September", 9);
    SIZE size32;
    ASSERT_TRUE(GetTextExtentPoint32(m_dc.GetSafeHdc(), "September", 9, &size32));
    EXPECT_EQ(size, CSize(size32));
    EXPECT_GT(size.cx, 0);
    EXPECT_GE(size.cy, 11);

    CRect rc(10, 10, 10, 10);
    EXPECT_EQ(m_dc.DrawText("September", -1, &rc, DT_SINGLELINE | DT_CALCRECT), size.cy);
    EXPECT_EQ(rc.Size(), size);
    EXPECT_TRUE(ChangedBox().IsRectEmpty());

    TEXTMETRIC tm;
    ASSERT_TRUE(m_dc.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, size.cy);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);

    EXPECT_EQ(m_dc.GetTextExtent("", 0).cx, 0);
    // Control characters take no room on a single line.
    EXPECT_EQ(m_dc.GetTextExtent("Sep\r\ntember", 11), size);
    const CSize sizeWhole = m_dc.GetTextExtent("Sept", 4);
    EXPECT_LT(sizeWhole.cx, size.cx);
}

TEST_F(SurfaceText, SizeAndWeightFollowTheLogFont)
{
    const CSize sizeNormal = m_dc.GetTextExtent("2000", 4);
    LOGFONT lf = GuiLogFont();
    lf.lfHeight = -22;
    CFont big;
    big.CreateFontIndirect(&lf);
    m_dc.SelectObject(&big);
    const CSize sizeBig = m_dc.GetTextExtent("2000", 4);
    EXPECT_GT(sizeBig.cx, sizeNormal.cx);
    EXPECT_GT(sizeBig.cy, sizeNormal.cy);

    // Positive heights are cell heights.
    lf.lfHeight = sizeBig.cy;
    CFont cell;
    cell.CreateFontIndirect(&lf);
    m_dc.SelectObject(&cell);
    EXPECT_NEAR(m_dc.GetTextExtent("2000", 4).cy, sizeBig.cy, 1);

    lf = GuiLogFont();
    lf.lfWeight = FW_BOLD;
    CFont bold;
    bold.CreateFontIndirect(&lf);
    m_dc.SelectObject(&m_font);
    m_dc.FillSolidRect(0, 0, kWidth, kHeight, kWhite);
    m_dc.TextOut(10, 10, "Brelvin");
    m_dc.SelectObject(&bold);
    m_dc.TextOut(10, 50, "Brelvin");
    m_dc.SelectObject(&m_font);
    EXPECT_GT(Ink(CRect(0, 40, 200, 80)), Ink(CRect(0, 0, 200, 40)));
}

TEST_F(SurfaceText, OpaqueTextAfterAFillHasTheFillColourBehindIt)
{
    m_dc.FillSolidRect(0, 0, kWidth, kHeight, RGB(0, 255, 0));
    m_dc.FillSolidRect(300, 200, 10, 10, RGB(0, 0, 255));
    m_dc.SetTextColor(RGB(255, 0, 0));
    ASSERT_EQ(m_dc.GetBkMode(), OPAQUE);
    m_dc.TextOut(20, 30, "Sun");
    const CSize size = m_dc.GetTextExtent("Sun", 3);
    int nBack = 0;
    for (int y = 30; y < 30 + size.cy; ++y) {
        for (int x = 20; x < 20 + size.cx; ++x) {
            ASSERT_EQ(GetGValue(Pixel(x, y)), 0) << "white or green behind the text at " << x << "," << y;
            nBack += Pixel(x, y) == RGB(0, 0, 255);
        }
    }
    EXPECT_GT(nBack, 0);
    EXPECT_EQ(Pixel(19, 30), RGB(0, 255, 0));
    EXPECT_EQ(Pixel(20 + size.cx, 30), RGB(0, 255, 0));
    EXPECT_EQ(Pixel(20, 30 + size.cy), RGB(0, 255, 0));
}

TEST_F(SurfaceText, TransparentTextOnlyAddsInkInTheTextColour)
{
    m_dc.FillSolidRect(0, 0, kWidth, kHeight, kWhite);
    m_dc.SetBkMode(TRANSPARENT);
    m_dc.SetBkColor(RGB(0, 255, 0));
    m_dc.SetTextColor(RGB(0, 0, 255));
    m_dc.TextOut(20, 30, "Mon");
    const CSize size = m_dc.GetTextExtent("Mon", 3);
    const CRect rcInk = InkBox(CRect(0, 0, kWidth, kHeight), kWhite);
    EXPECT_FALSE(rcInk.IsRectEmpty());
    EXPECT_GE(rcInk.left, 19);
    EXPECT_LE(rcInk.right, 20 + size.cx + 1);
    EXPECT_GE(rcInk.top, 30);
    EXPECT_LE(rcInk.bottom, 30 + size.cy);
    for (int y = rcInk.top; y < rcInk.bottom; ++y) {
        for (int x = rcInk.left; x < rcInk.right; ++x) {
            ASSERT_EQ(GetBValue(Pixel(x, y)), 255);  // blends of white and blue only
        }
    }
}

TEST_F(SurfaceText, DrawTextCentresInItsRectangle)
{
    m_dc.FillSolidRect(0, 0, kWidth, kHeight, kWhite);
    m_dc.SetBkMode(TRANSPARENT);
    CRect rc(0, 0, 400, 25);
    const CSize size = m_dc.GetTextExtent("2000", 4);
    m_dc.DrawText("2000", 4, &rc, kCentred);
    const CRect rcInk = InkBox(rc, kWhite);
    const int xText = (400 - size.cx) / 2;
    const int yText = (25 - size.cy) / 2;
    EXPECT_GE(rcInk.left, xText - 1);
    EXPECT_LE(rcInk.right, xText + size.cx + 1);
    EXPECT_GE(rcInk.top, yText);
    EXPECT_LE(rcInk.bottom, yText + size.cy);
    EXPECT_NEAR(rcInk.CenterPoint().x, 200, 3);
}

TEST_F(SurfaceText, DrawTextAlignsLeftRightAndBottom)
{
    m_dc.FillSolidRect(0, 0, kWidth, kHeight, kWhite);
    const CSize size = m_dc.GetTextExtent("Fri", 3);
    m_dc.DrawText("Fri", 3, CRect(100, 100, 200, 200), DT_SINGLELINE | DT_LEFT);
    m_dc.DrawText("Fri", 3, CRect(100, 100, 200, 200), DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
    // Opaque mode paints the full extents, white on white, so look at the ink.
    const CRect rcTopLeft = InkBox(CRect(100, 100, 150, 150), kWhite);
    const CRect rcBottomRight = InkBox(CRect(150, 150, 200, 200), kWhite);
    EXPECT_GE(rcTopLeft.left, 100);
    EXPECT_LE(rcTopLeft.right, 100 + size.cx + 1);
    EXPECT_LE(rcTopLeft.bottom, 100 + size.cy);
    EXPECT_GE(rcBottomRight.left, 200 - size.cx - 1);
    EXPECT_LE(rcBottomRight.right, 200);
    EXPECT_GE(rcBottomRight.top, 200 - size.cy);
    EXPECT_LE(rcBottomRight.bottom, 200);
}

TEST_F(SurfaceText, DrawTextClipsToItsRectangleUnlessToldNotTo)
{
    const CRect rc(50, 50, 60, 55);
    m_dc.DrawText("September", -1, CRect(rc), kCentred);
    const CRect rcChanged = ChangedBox();
    EXPECT_FALSE(rcChanged.IsRectEmpty());
    EXPECT_TRUE(rcChanged.left >= rc.left && rcChanged.right <= rc.right && rcChanged.top >= rc.top &&
                rcChanged.bottom <= rc.bottom);

    Reset(RECT{0, 0, kWidth, kHeight});
    m_dc.SelectObject(&m_font);
    m_dc.DrawText("September", -1, CRect(rc), kCentred | DT_NOCLIP);
    const CRect rcFree = ChangedBox();
    EXPECT_LT(rcFree.left, rc.left);
    EXPECT_GT(rcFree.right, rc.right);
    m_dc.SelectObject(m_pOldFont);
    m_pOldFont = m_dc.SelectObject(&m_font);
}

TEST_F(SurfaceText, MnemonicsAreUnderlinedAndNotMeasured)
{
    CRect rcPrefix(0, 0, 0, 0);
    CRect rcPlain(0, 0, 0, 0);
    m_dc.DrawText("&Close", -1, &rcPrefix, DT_SINGLELINE | DT_CALCRECT);
    m_dc.DrawText("Close", -1, &rcPlain, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(rcPrefix, rcPlain);
    CRect rcLiteral(0, 0, 0, 0);
    m_dc.DrawText("&Close", -1, &rcLiteral, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    EXPECT_GT(rcLiteral.Width(), rcPlain.Width());

    m_dc.FillSolidRect(0, 0, kWidth, kHeight, kWhite);
    m_dc.SetBkMode(TRANSPARENT);
    m_dc.DrawText("&Close", -1, CRect(0, 0, 100, 40), DT_SINGLELINE);
    m_dc.DrawText("Close", -1, CRect(0, 50, 100, 90), DT_SINGLELINE);
    m_dc.DrawText("&Close", -1, CRect(0, 100, 100, 140), DT_SINGLELINE | DT_HIDEPREFIX);
    const CRect rcUnderlined = InkBox(CRect(0, 0, 100, 40), kWhite);
    const CRect rcText = InkBox(CRect(0, 50, 100, 90), kWhite);
    const CRect rcHidden = InkBox(CRect(0, 100, 100, 140), kWhite);
    EXPECT_GT(rcUnderlined.bottom, rcText.bottom - 50);
    EXPECT_EQ(rcHidden.bottom - 100, rcText.bottom - 50);
    // The underline runs under the first letter only.
    EXPECT_LT(InkBox(CRect(0, rcUnderlined.bottom - 1, 100, rcUnderlined.bottom), kWhite).right, rcText.right);
}

TEST_F(SurfaceText, UnderlinedFontUnderlinesTheWholeExtent)
{
    LOGFONT lf = GuiLogFont();
    lf.lfUnderline = TRUE;
    CFont underlined;
    underlined.CreateFontIndirect(&lf);
    m_dc.SelectObject(&underlined);
    m_dc.SetBkMode(TRANSPARENT);
    m_dc.FillSolidRect(0, 0, kWidth, kHeight, kWhite);
    m_dc.TextOut(10, 10, "Click here");
    const CSize size = m_dc.GetTextExtent("Click here", 10);
    bool bFullRow = false;
    for (int y = 10; y < 10 + size.cy && !bFullRow; ++y) {
        bFullRow = true;
        for (int x = 10; x < 10 + size.cx; ++x) {
            bFullRow = bFullRow && Pixel(x, y) == kBlack;
        }
    }
    EXPECT_TRUE(bFullRow);
    m_dc.SelectObject(&m_font);
}

TEST_F(SurfaceText, WordBreakWrapsAtBlanks)
{
    const CSize sizeWord = m_dc.GetTextExtent("Version", 7);
    CRect rc(0, 0, sizeWord.cx + 2, 0);
    const int cy = m_dc.DrawText("Brelvin Version 1.0", -1, &rc, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(cy, 3 * sizeWord.cy);
    EXPECT_EQ(rc.Height(), cy);
    EXPECT_LE(rc.Width(), sizeWord.cx + 2);

    CRect rcLines(0, 0, 400, 0);
    EXPECT_EQ(m_dc.DrawText("one\r\ntwo", -1, &rcLines, DT_CALCRECT), 2 * sizeWord.cy);
}

TEST_F(SurfaceText, SameLogFontReusesTheCachedFace)
{
    LOGFONT lf = GuiLogFont();
    lf.lfHeight = -13;
    lf.lfWeight = 700;
    {
        CFont first;
        first.CreateFontIndirect(&lf);
        m_dc.SelectObject(&first);
        m_dc.TextOut(0, 0, "0123456789");
        m_dc.SelectObject(&m_font);
    }
    const AFX_FONT_CACHE_STATS before = AfxFontEngine::Instance().GetStats();
    for (int i = 0; i < 50; ++i) {
        CFont again;
        again.CreateFontIndirect(&lf);
        m_dc.SelectObject(&again);
        m_dc.TextOut(0, 0, "9876543210");
        m_dc.SelectObject(&m_font);
    }
    const AFX_FONT_CACHE_STATS after = AfxFontEngine::Instance().GetStats();
    EXPECT_EQ(after.nFaces, before.nFaces);
    EXPECT_EQ(after.nMatches, before.nMatches);
    EXPECT_EQ(after.nGlyphs, before.nGlyphs);

    lf.lfHeight = -31;
    CFont other;
    other.CreateFontIndirect(&lf);
    m_dc.SelectObject(&other);
    m_dc.TextOut(0, 0, "0");
    m_dc.SelectObject(&m_font);
    EXPECT_EQ(AfxFontEngine::Instance().GetStats().nFaces, after.nFaces + 1);
}

}  // namespace
