// Construction and attaching: the fields' first values, what subclassing takes from the
// template (text, font, style), the cursor, the tooltip, calls through the virtual
// table, and what goes with the control.
#include <gtest/gtest.h>

#include "tests/hyperlink/LinkTestSupport.h"

namespace {

const char kTemplateText[] = "Click here to check if a newer version is available.";
const char kAddress[] = "https://www.example.com/brelvin/";

LOGFONT WindowLogFont(CWnd& wnd)
{
    LOGFONT lf = {};
    ::GetObject(reinterpret_cast<HGDIOBJ>(wnd.SendMessage(WM_GETFONT)), sizeof lf, &lf);
    return lf;
}

TEST(LinkConstruction, StartsAsAnUnvisitedLinkWithoutWindowFontOrCursor)
{
    CProbeLink link;
    EXPECT_EQ(link.GetLinkColour(), 0x00EE0000u);
    EXPECT_EQ(link.GetVisitedColour(), 0x008B1A55u);
    EXPECT_EQ(link.GetHoverColour(), ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_FALSE(link.m_bMouseOver);
    EXPECT_FALSE(link.GetVisited());
    EXPECT_TRUE(link.GetUnderline());
    EXPECT_TRUE(link.GetAutoSize());
    EXPECT_TRUE(link.GetURL().IsEmpty());
    EXPECT_EQ(link.m_fontLink.m_hObject, nullptr);
    EXPECT_EQ(link.GetLinkCursor(), nullptr);
    EXPECT_EQ(link.m_wndToolTip.m_hWnd, nullptr);
    EXPECT_EQ(link.m_hWnd, nullptr);
    // No class record of its own: it answers as a static control.
    EXPECT_EQ(link.GetRuntimeClass(), RUNTIME_CLASS(CStatic));
}

TEST(LinkConstruction, SettersBeforeAttachingOnlyStore)
{
    CProbeLink link;
    link.SetURL(kAddress);
    link.SetColours(RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9));
    link.SetVisited();
    link.SetUnderline(FALSE);
    link.SetAutoSize(FALSE);
    EXPECT_EQ(link.GetURL(), kAddress);
    EXPECT_EQ(link.GetLinkColour(), RGB(1, 2, 3));
    EXPECT_EQ(link.GetVisitedColour(), RGB(4, 5, 6));
    EXPECT_EQ(link.GetHoverColour(), RGB(7, 8, 9));
    EXPECT_TRUE(link.GetVisited());
    EXPECT_FALSE(link.GetUnderline());
    EXPECT_FALSE(link.GetAutoSize());
    EXPECT_EQ(link.m_hWnd, nullptr);
    EXPECT_EQ(link.m_wndToolTip.m_hWnd, nullptr);
    EXPECT_EQ(link.m_fontLink.m_hObject, nullptr);
}

TEST(LinkConstruction, AHoverColourOfMinusOneIsTheHighlightColour)
{
    CProbeLink link;
    link.SetColours(RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9));
    link.SetColours(RGB(1, 2, 3), RGB(4, 5, 6));
    EXPECT_EQ(link.GetHoverColour(), ::GetSysColor(COLOR_HIGHLIGHT));
    link.SetColours(RGB(1, 2, 3), RGB(4, 5, 6), 0xFFFFFFFF);
    EXPECT_EQ(link.GetHoverColour(), ::GetSysColor(COLOR_HIGHLIGHT));
}

class SubclassTest : public ::testing::Test {
protected:
    void TearDown() override { DestroyAllWindows(); }

    void Attach(CProbeLink& link, LPCTSTR lpszText, DWORD dwStyle = 0, LONG lFontHeight = -11)
    {
        HWND hStatic = m_frame.CreateWithStatic(lpszText, dwStyle, CRect(10, 10, 380, 40), lFontHeight);
        ASSERT_NE(hStatic, nullptr);
        ASSERT_TRUE(link.SubclassWindow(hStatic));
        AfxPumpUntilIdle();
    }
    CString Text()
    {
        CString str;
        m_link.GetWindowText(str);
        return str;
    }

    CLinkFrame m_frame;
    CProbeLink m_link;
};

TEST_F(SubclassTest, TemplateTextBecomesTheAddressAndTheTipUntilSetURL)
{
    Attach(m_link, kTemplateText);
    EXPECT_EQ(m_link.GetURL(), kTemplateText);
    EXPECT_EQ(m_link.ToolTipText(), kTemplateText);
    EXPECT_EQ(Text(), kTemplateText);

    m_link.SetURL(kAddress);
    EXPECT_EQ(m_link.GetURL(), kAddress);
    EXPECT_EQ(m_link.ToolTipText(), kAddress);
    EXPECT_EQ(Text(), kTemplateText);
}

TEST_F(SubclassTest, AnEmptyTextShowsTheAddressSetBeforehand)
{
    m_link.SetURL(kAddress);
    Attach(m_link, "");
    EXPECT_EQ(Text(), kAddress);
    EXPECT_EQ(m_link.GetURL(), kAddress);
    EXPECT_EQ(m_link.ToolTipText(), kAddress);
}

TEST_F(SubclassTest, EmptyTextAndEmptyAddressStayEmpty)
{
    Attach(m_link, "");
    EXPECT_TRUE(Text().IsEmpty());
    EXPECT_TRUE(m_link.GetURL().IsEmpty());
}

TEST_F(SubclassTest, ClicksAreReportedAndTheRestOfTheStyleStays)
{
    Attach(m_link, kTemplateText, SS_CENTERIMAGE | WS_GROUP);
    EXPECT_EQ(m_link.GetStyle(), static_cast<DWORD>(WS_CHILD | WS_VISIBLE | WS_GROUP | SS_CENTERIMAGE | SS_NOTIFY));
}

struct FONT_CASE {
    LONG lDialogHeight;
    LONG lLinkHeight;
};

class LinkFontTest : public SubclassTest, public ::testing::WithParamInterface<FONT_CASE> {
};

TEST_P(LinkFontTest, IsBoldAFifthLargerAndUnderlined)
{
    Attach(m_link, kTemplateText, 0, GetParam().lDialogHeight);
    LOGFONT lf = WindowLogFont(m_link);
    EXPECT_EQ(m_link.SendMessage(WM_GETFONT), reinterpret_cast<LRESULT>(m_link.m_fontLink.m_hObject));
    EXPECT_EQ(lf.lfHeight, GetParam().lLinkHeight);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfUnderline, 1);
    EXPECT_STREQ(lf.lfFaceName, "MS Sans Serif");
}

INSTANTIATE_TEST_SUITE_P(Heights, LinkFontTest,
                         ::testing::Values(FONT_CASE{-11, -13}, FONT_CASE{-8, -9}, FONT_CASE{16, 19}));

TEST_F(SubclassTest, NoUnderlineWhenSoToldBeforeAttaching)
{
    m_link.SetUnderline(FALSE);
    Attach(m_link, kTemplateText);
    EXPECT_EQ(WindowLogFont(m_link).lfUnderline, 0);
    EXPECT_EQ(WindowLogFont(m_link).lfHeight, -13);
}

TEST_F(SubclassTest, SetUnderlineRebuildsTheFontAndKeepsHeightWeightAndSize)
{
    Attach(m_link, kTemplateText);
    CRect rcBefore = RectInParent(&m_link);
    m_link.SetUnderline(FALSE);
    LOGFONT lf = WindowLogFont(m_link);
    EXPECT_EQ(lf.lfUnderline, 0);
    EXPECT_EQ(lf.lfHeight, -13);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(m_link.SendMessage(WM_GETFONT), reinterpret_cast<LRESULT>(m_link.m_fontLink.m_hObject));
    EXPECT_EQ(RectInParent(&m_link), rcBefore);
    EXPECT_FALSE(m_link.GetUnderline());

    m_link.SetUnderline(TRUE);
    lf = WindowLogFont(m_link);
    EXPECT_EQ(lf.lfUnderline, 1);
    EXPECT_EQ(lf.lfHeight, -13);
}

TEST_F(SubclassTest, TheTooltipIsAPopupOfTheTooltipClassWithOneTool)
{
    Attach(m_link, kTemplateText);
    HWND hTip = m_link.m_wndToolTip.m_hWnd;
    ASSERT_TRUE(::IsWindow(hTip));
    char szClass[64] = "";
    ::GetClassName(hTip, szClass, sizeof szClass);
    EXPECT_STREQ(szClass, TOOLTIPS_CLASS);
    EXPECT_EQ(static_cast<DWORD>(::GetWindowLong(hTip, GWL_STYLE)) & ~static_cast<DWORD>(WS_VISIBLE),
              static_cast<DWORD>(WS_POPUP));
    EXPECT_EQ(m_link.m_wndToolTip.GetToolCount(), 1);
    EXPECT_EQ(::GetWindowOwner(hTip), m_frame.m_hWnd);
}

TEST_F(SubclassTest, TheTipShowsTheAddressWhenThePointerRestsOnTheLink)
{
    Attach(m_link, kTemplateText);
    m_link.SetURL(kAddress);
    m_link.m_wndToolTip.SetDelayTime(TTDT_INITIAL, 1);
    AfxSimulateMouseMove(m_link.m_hWnd, CPoint(3, 3));
    AfxPumpUntilIdle();
    for (int i = 0; i < 200 && !m_link.m_wndToolTip.IsWindowVisible(); ++i) {
        ::WaitMessage();
        AfxPumpUntilIdle();
    }
    ASSERT_TRUE(m_link.m_wndToolTip.IsWindowVisible());
    CString strTip;
    m_link.m_wndToolTip.GetWindowText(strTip);
    EXPECT_EQ(strTip, kAddress);
}

TEST_F(SubclassTest, TheTipsAreaIsTheFittedTextAndLaterSizesLeaveIt)
{
    Attach(m_link, "Brelvin on the web");
    m_link.m_wndToolTip.SetDelayTime(TTDT_INITIAL, 1);
    CSize text = m_link.TextSize();
    CRect rc = RectInParent(&m_link);
    ASSERT_EQ(rc.Size(), text);
    m_link.SetAutoSize(FALSE);
    m_link.MoveWindow(rc.left, rc.top, text.cx + 60, text.cy + 10);

    AfxSimulateMouseMove(m_link.m_hWnd, CPoint(text.cx - 1, text.cy - 1));
    AfxPumpUntilIdle();
    for (int i = 0; i < 200 && !m_link.m_wndToolTip.IsWindowVisible(); ++i) {
        ::WaitMessage();
        AfxPumpUntilIdle();
    }
    ASSERT_TRUE(m_link.m_wndToolTip.IsWindowVisible());
    // Inside the window as it is now, beyond the area the tool was given.
    AfxSimulateMouseMove(m_link.m_hWnd, CPoint(text.cx + 30, 3));
    AfxPumpUntilIdle();
    EXPECT_TRUE(m_link.m_bMouseOver);
    EXPECT_FALSE(m_link.m_wndToolTip.IsWindowVisible());
}

TEST_F(SubclassTest, TheLinkOwnsACopyOfTheHandCursorAndShowsIt)
{
    Attach(m_link, kTemplateText);
    HCURSOR hCursor = m_link.GetLinkCursor();
    ASSERT_NE(hCursor, nullptr);
    EXPECT_EQ(hCursor->nSystemCursor, static_cast<UINT>(AFX_CURSOR_HAND));
    EXPECT_NE(hCursor, ::LoadCursor(nullptr, IDC_HAND));
    EXPECT_FALSE(hCursor->bShared);

    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    AfxSimulateMouseMove(m_link.m_hWnd, CPoint(3, 3));
    AfxPumpUntilIdle();
    EXPECT_EQ(::GetCursor(), hCursor);
}

TEST_F(SubclassTest, SetLinkCursorTakesTheCursorAndNullBringsAFreshHand)
{
    Attach(m_link, kTemplateText);
    HCURSOR hHand = m_link.GetLinkCursor();
    HCURSOR hCross = ::CopyIcon(::LoadCursor(nullptr, IDC_CROSS));
    m_link.SetLinkCursor(hCross);
    EXPECT_EQ(m_link.GetLinkCursor(), hCross);
    // The replaced cursor is not the control's any more.
    ::DestroyCursor(hHand);

    m_link.SetLinkCursor(nullptr);
    HCURSOR hFresh = m_link.GetLinkCursor();
    ASSERT_NE(hFresh, nullptr);
    EXPECT_NE(hFresh, hCross);
    EXPECT_EQ(hFresh->nSystemCursor, static_cast<UINT>(AFX_CURSOR_HAND));
    ::DestroyCursor(hCross);
}

class CNoCursorLink : public CProbeLink {
protected:
    void SetDefaultCursor() override {}
};

TEST_F(SubclassTest, WithoutACursorThePointerKeepsItsShape)
{
    CNoCursorLink link;
    Attach(link, kTemplateText);
    EXPECT_EQ(link.GetLinkCursor(), nullptr);
    HCURSOR hCross = ::LoadCursor(nullptr, IDC_CROSS);
    ::SetCursor(hCross);
    EXPECT_EQ(link.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(link.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
              0);
    AfxSimulateMouseMove(link.m_hWnd, CPoint(3, 3));
    AfxPumpUntilIdle();
    EXPECT_EQ(::GetCursor(), hCross);
}

// Every call the link makes to its own operations goes through the virtual table.
class CCountingLink : public CProbeLink {
public:
    int m_nPositions = 0;
    int m_nDefaultCursors = 0;

protected:
    void PositionWindow() override
    {
        ++m_nPositions;
        CProbeLink::PositionWindow();
    }
    void SetDefaultCursor() override
    {
        ++m_nDefaultCursors;
        CProbeLink::SetDefaultCursor();
    }
};

TEST_F(SubclassTest, OverridesOfItsOwnOperationsAreCalledFromEveryPlace)
{
    CCountingLink link;
    link.SetLinkCursor(nullptr);
    EXPECT_EQ(link.m_nDefaultCursors, 1);
    HCURSOR hFirst = link.GetLinkCursor();
    Attach(link, kTemplateText);
    EXPECT_EQ(link.m_nPositions, 1);
    EXPECT_EQ(link.m_nDefaultCursors, 2);
    EXPECT_EQ(link.GetLinkCursor(), hFirst);
    link.SetURL(kAddress);
    EXPECT_EQ(link.m_nPositions, 2);
    link.SetAutoSize(TRUE);
    EXPECT_EQ(link.m_nPositions, 3);
}

TEST_F(SubclassTest, DestroyingTheLinkDestroysItsWindowAndItsTooltip)
{
    CProbeLink* pLink = new CProbeLink;
    Attach(*pLink, kTemplateText);
    HWND hWnd = pLink->m_hWnd;
    HWND hTip = pLink->m_wndToolTip.m_hWnd;
    ASSERT_TRUE(::IsWindow(hWnd));
    ASSERT_TRUE(::IsWindow(hTip));
    delete pLink;
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_FALSE(::IsWindow(hTip));
    EXPECT_TRUE(::IsWindow(m_frame.m_hWnd));
}

}  // namespace
