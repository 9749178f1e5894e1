// Static controls and push buttons: click notification and its reflection, colour
// messages and their reflection, and buttons that click only on a release inside.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/core/AfxResource.h"

#include "tests/wnd/WndTestSupport.h"

namespace {

CMsgLog g_log;
const COLORREF kGreen = RGB(0, 200, 0);
const COLORREF kRed = RGB(255, 0, 0);

class CParentProbe : public CTestFrame {
public:
    CBrush m_brGreen;
    CParentProbe() { m_brGreen.CreateSolidBrush(kGreen); }

protected:
    afx_msg void OnStaticClicked() { g_log.Add("parent clicked"); }
    afx_msg void OnButtonClicked() { g_log.Add("parent button"); }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        g_log.Add("parent colour " + std::to_string(pWnd->GetDlgCtrlID()) + " type " + std::to_string(nCtlColor));
        pDC->SetBkMode(TRANSPARENT);
        return static_cast<HBRUSH>(m_brGreen.GetSafeHandle());
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentProbe, CTestFrame)
    ON_STN_CLICKED(1001, OnStaticClicked)
    ON_STN_CLICKED(1002, OnStaticClicked)
    ON_BN_CLICKED(IDOK, OnButtonClicked)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

class CReflectingStatic : public CStatic {
public:
    BOOL m_bDecide = TRUE;

protected:
    afx_msg void OnClicked() { g_log.Add("control clicked"); }
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT)
    {
        g_log.Add("control colour");
        if (!m_bDecide)
            return nullptr;
        pDC->SetTextColor(kRed);
        pDC->SetBkMode(TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingStatic, CStatic)
    ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_log.lines.clear();
        ASSERT_TRUE(m_parent.CreateFrame(400, 200));
        m_font.CreatePointFont(80, "MS Sans Serif");
    }
    void TearDown() override { DestroyAllWindows(); }

    HWND MakeStatic(CStatic& ctl, DWORD dwStyle, UINT nID, const RECT& rc)
    {
        EXPECT_TRUE(ctl.Create("WWWW", WS_CHILD | WS_VISIBLE | dwStyle, rc, &m_parent, nID));
        ctl.SetFont(&m_font);
        return ctl.m_hWnd;
    }
    std::string ClickAndLog(HWND hWnd)
    {
        g_log.lines.clear();
        AfxSimulateClick(hWnd, Pt(2, 2));
        AfxPumpUntilIdle();
        return g_log.Joined();
    }

    CParentProbe m_parent;
    CFont m_font;
};

TEST_F(ControlTest, NotifyingStaticTellsItsParent)
{
    CStatic plain;
    MakeStatic(plain, SS_NOTIFY, 1002, CRect(10, 10, 110, 30));
    AfxPumpUntilIdle();
    EXPECT_EQ(ClickAndLog(plain.m_hWnd), "parent clicked");
}

TEST_F(ControlTest, ClickIsReflectedToTheControlFirst)
{
    CReflectingStatic link;
    MakeStatic(link, SS_NOTIFY, 1001, CRect(10, 10, 110, 30));
    AfxPumpUntilIdle();
    EXPECT_EQ(ClickAndLog(link.m_hWnd), "control clicked");
}

TEST_F(ControlTest, StaticWithoutNotifyStaysQuietUntilTheStyleIsAdded)
{
    CReflectingStatic link;
    MakeStatic(link, 0, 1001, CRect(10, 10, 110, 30));
    AfxPumpUntilIdle();
    EXPECT_EQ(ClickAndLog(link.m_hWnd), "");
    ::SetWindowLong(link.m_hWnd, GWL_STYLE, ::GetWindowLong(link.m_hWnd, GWL_STYLE) | SS_NOTIFY);
    EXPECT_EQ(ClickAndLog(link.m_hWnd), "control clicked");
}

TEST_F(ControlTest, ReflectedColourHandlerDecidesAndNullBrushFillsNothing)
{
    CReflectingStatic link;
    MakeStatic(link, 0, 1001, CRect(10, 10, 210, 40));
    g_log.lines.clear();
    AfxPumpUntilIdle();
    EXPECT_EQ(g_log.Joined(), "control colour");
    // No fill: the parent's face colour stays where there is no text.
    EXPECT_EQ(AfxGetBackBufferPixel(link.m_hWnd, Pt(195, 25)), GetSysColor(COLOR_3DFACE));
    int nRed = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 60; ++x) {
            COLORREF cr = AfxGetBackBufferPixel(link.m_hWnd, Pt(x, y));
            nRed += GetRValue(cr) > 200 && GetGValue(cr) < 100 ? 1 : 0;
        }
    }
    EXPECT_GT(nRed, 10);
}

TEST_F(ControlTest, WithoutAReflectedBrushTheParentDecides)
{
    CReflectingStatic link;
    link.m_bDecide = FALSE;
    MakeStatic(link, 0, 1001, CRect(10, 10, 210, 40));
    CStatic plain;
    MakeStatic(plain, 0, 1002, CRect(10, 50, 210, 80));
    g_log.lines.clear();
    AfxPumpUntilIdle();
    std::sort(g_log.lines.begin(), g_log.lines.end());
    EXPECT_EQ(g_log.Joined(), "control colour; parent colour 1001 type 6; parent colour 1002 type 6");
    EXPECT_EQ(AfxGetBackBufferPixel(link.m_hWnd, Pt(195, 25)), kGreen);
    EXPECT_EQ(AfxGetBackBufferPixel(plain.m_hWnd, Pt(195, 25)), kGreen);
}

TEST_F(ControlTest, TextAndFontAreKeptAndFramesDrawn)
{
    CStatic frame;
    MakeStatic(frame, SS_BLACKFRAME, 1003, CRect(250, 10, 300, 60));
    AfxPumpUntilIdle();
    EXPECT_EQ(AfxGetBackBufferPixel(frame.m_hWnd, Pt(0, 0)), RGB(0, 0, 0));
    EXPECT_EQ(AfxGetBackBufferPixel(frame.m_hWnd, Pt(49, 49)), RGB(0, 0, 0));
    EXPECT_EQ(AfxGetBackBufferPixel(frame.m_hWnd, Pt(25, 25)), GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(frame.GetFont()->GetSafeHandle(), m_font.GetSafeHandle());
}

class ButtonTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        ASSERT_TRUE(m_ok.Create("button", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, CRect(10, 10, 85, 33),
                                &m_parent, IDOK));
        ASSERT_TRUE(m_other.Create("button", "Other", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(100, 10, 175, 33),
                                   &m_parent, 3));
        AfxPumpUntilIdle();
        g_log.lines.clear();
    }
    void Button(int x, int y, BOOL bDown) { AfxSimulateButton(m_ok.m_hWnd, Pt(x, y), AFX_BUTTON_LEFT, bDown); }
    void Move(int x, int y) { AfxSimulateMouseMove(m_ok.m_hWnd, Pt(x, y)); }

    CWnd m_ok;  // windows of the dialog's own button class
    CWnd m_other;
};

TEST_F(ButtonTest, ClickCountsOnReleaseInsideOnly)
{
    Button(10, 10, TRUE);
    AfxPumpUntilIdle();
    EXPECT_EQ(static_cast<UINT>(m_ok.SendMessage(BM_GETSTATE)) & BST_PUSHED, static_cast<UINT>(BST_PUSHED));
    EXPECT_EQ(g_log.Joined(), "");
    Button(10, 10, FALSE);
    AfxPumpUntilIdle();
    EXPECT_EQ(g_log.Joined(), "parent button");
    EXPECT_EQ(static_cast<UINT>(m_ok.SendMessage(BM_GETSTATE)) & BST_PUSHED, 0u);
}

TEST_F(ButtonTest, ReleaseOutsideCancelsAndComingBackRestores)
{
    Button(10, 10, TRUE);
    Move(120, 10);
    AfxPumpUntilIdle();
    EXPECT_EQ(static_cast<UINT>(m_ok.SendMessage(BM_GETSTATE)) & BST_PUSHED, 0u);
    Button(120, 10, FALSE);
    AfxPumpUntilIdle();
    EXPECT_EQ(g_log.Joined(), "");
    Button(10, 10, TRUE);
    Move(120, 10);
    Move(20, 10);
    Button(20, 10, FALSE);
    AfxPumpUntilIdle();
    EXPECT_EQ(g_log.Joined(), "parent button");
}

TEST_F(ButtonTest, PressElsewhereAndReleaseInsideIsNoClick)
{
    Button(-5, 30, TRUE);
    Move(10, 10);
    Button(10, 10, FALSE);
    AfxPumpUntilIdle();
    EXPECT_EQ(g_log.Joined(), "");
}

TEST_F(ButtonTest, SpaceClicksTheFocusedButton)
{
    m_ok.SetFocus();
    AfxSimulateKey(m_ok.m_hWnd, VK_SPACE);
    AfxPumpUntilIdle();
    EXPECT_EQ(g_log.Joined(), "parent button");
}

TEST_F(ButtonTest, DefaultButtonHasTheBlackFrameAndFocusTheDottedRectangle)
{
    EXPECT_EQ(AfxGetBackBufferPixel(m_ok.m_hWnd, Pt(0, 0)), RGB(0, 0, 0));
    EXPECT_EQ(AfxGetBackBufferPixel(m_ok.m_hWnd, Pt(1, 1)), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(AfxGetBackBufferPixel(m_other.m_hWnd, Pt(0, 0)), GetSysColor(COLOR_3DHILIGHT));
    EXPECT_EQ(AfxGetBackBufferPixel(m_other.m_hWnd, Pt(74, 22)), GetSysColor(COLOR_3DDKSHADOW));
    int nBefore = 0;
    for (int x = 3; x < 72; ++x)
        nBefore += AfxGetBackBufferPixel(m_other.m_hWnd, Pt(x, 3)) != GetSysColor(COLOR_3DFACE) ? 1 : 0;
    m_other.SetFocus();
    AfxPumpUntilIdle();
    int nAfter = 0;
    for (int x = 3; x < 72; ++x)
        nAfter += AfxGetBackBufferPixel(m_other.m_hWnd, Pt(x, 3)) != GetSysColor(COLOR_3DFACE) ? 1 : 0;
    EXPECT_EQ(nBefore, 0);
    EXPECT_GT(nAfter, 20);
}

}  // namespace

namespace {

const char* const kIconRows[2] = {"RR", "RR"};
const COLORREF kIconPalette[1] = {RGB(255, 0, 0)};
const AFX_ICON_RES_IMAGE kIconImages[1] = {{2, 2, kIconRows}};
const AFX_ICON_RES kIcon = {"R", kIconPalette, kIconImages, 1, {0, 0}};
const AFX_RESOURCE kResources[] = {{RT_ICON_GROUP, 9128, &kIcon}};
const AFX_RESOURCE_INIT kRegister(kResources, 1);

const AFX_DLGITEMTEMPLATE kIconItems[] = {
    {"static", "", -1, 0x50000003, 0, 11, 17, 21, 23, 9128},
    {"button", "OK", IDOK, 0x50030001, 0, 189, 7, 50, 14, 0},
};
const AFX_DLGTEMPLATE kIconTemplate = {"Icon", 0x80C800C0, 0, 0, 0, 246, 88, "MS Sans Serif", 8, kIconItems, 2};

TEST(IconStaticTest, TakesTheIconsSizeAndShowsIt)
{
    CDialog dlg;
    dlg.InitModalIndirect(&kIconTemplate);
    CRect rcIcon;
    COLORREF crInside = CLR_INVALID;
    RunModal(dlg, {[&]() {
        HWND hIcon = ::GetDlgItem(dlg.m_hWnd, -1);
        ::GetWindowRect(hIcon, &rcIcon);
        dlg.ScreenToClient(&rcIcon);
        crInside = AfxGetBackBufferPixel(hIcon, Pt(16, 16));
        dlg.EndDialog(IDOK);
    }});
    EXPECT_EQ(RectText(rcIcon), RectText(CRect(CPoint(17, 28), CSize(32, 32))));
    EXPECT_EQ(crInside, RGB(255, 0, 0));
    DestroyAllWindows();
}

}  // namespace
