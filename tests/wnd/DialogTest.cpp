// Dialogs from templates in dialog units, run modally through the real event path:
// geometry, initialisation order, the keys and buttons that end them, Tab order and the
// owner being disabled.
#include <gtest/gtest.h>

#include "tests/wnd/WndTestSupport.h"

namespace {

const AFX_DLGITEMTEMPLATE kItems[] = {
    {"button", "OK", IDOK, 0x50010001, 0, 324, 322, 50, 14, 0},
    {"button", "Cancel", IDCANCEL, 0x50010000, 0, 377, 322, 50, 14, 0},
    {"static", "", 1000, 0x40000007, 0, 7, 7, 420, 308, 0},
    {"static", "Some text", 1001, 0x50020000, 0, 7, 320, 312, 16, 0},
};
const AFX_DLGTEMPLATE kTemplate = {"Test", 0x90C800C0, 0x00040000, 0, 0, 434, 343,
                                   "MS Sans Serif", 8, kItems, 4};

const AFX_DLGITEMTEMPLATE kSmallItems[] = {
    {"button", "OK", IDOK, 0x50030001, 0, 189, 7, 50, 14, 0},
};
const AFX_DLGTEMPLATE kSmallTemplate = {"Small", 0x80C800C0, 0, 0, 0, 246, 88, "MS Sans Serif", 8, kSmallItems, 1};

CMsgLog g_log;

class CBoundStatic : public CStatic {
protected:
    void PreSubclassWindow() override
    {
        CString strText;
        GetWindowText(strText);
        g_log.Add(std::string("presubclass ") + static_cast<LPCTSTR>(strText));
    }
};

class CTestDlg : public CDialog {
public:
    CTestDlg() { InitModalIndirect(&kTemplate); }
    CBoundStatic m_text;
    INT_PTR m_nInnerResult = 0;
    HWND m_hInner = nullptr;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        g_log.Add("exchange");
        DDX_Control(pDX, 1001, m_text);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        g_log.Add(std::string("init ") + (IsWindowVisible() ? "visible" : "hidden"));
        return TRUE;
    }
    afx_msg LRESULT OnOpenInner(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
    ON_MESSAGE(WM_USER + 7, OnOpenInner)
END_MESSAGE_MAP()

class CInnerDlg : public CDialog {
public:
    explicit CInnerDlg(CWnd* pParent) { InitModalIndirect(&kSmallTemplate, pParent); }
};

LRESULT CTestDlg::OnOpenInner(WPARAM, LPARAM)
{
    CInnerDlg inner(this);
    m_nInnerResult = inner.DoModal();
    return 0;
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { g_log.lines.clear(); }
    void TearDown() override { DestroyAllWindows(); }

    CTestDlg m_dlg;
    HWND Item(int nID) { return ::GetDlgItem(m_dlg.m_hWnd, nID); }
    void Key(UINT nVirtKey, UINT nFlags = 0) { AfxSimulateKey(m_dlg.m_hWnd, nVirtKey, nFlags); }
};

TEST(DialogUnits, ConvertWithBaseUnitsRoundingHalfAwayFromZero)
{
    EXPECT_EQ(RectText(AfxDialogUnitsToPixels(CRect(0, 0, 434, 343))), "(0, 0, 651, 557)");
    EXPECT_EQ(RectText(AfxDialogUnitsToPixels(CRect(7, 7, 427, 315))), "(11, 11, 641, 512)");
    EXPECT_EQ(RectText(AfxDialogUnitsToPixels(CRect(-1, -1, 1, 1))), "(-2, -2, 2, 2)");
    EXPECT_EQ(RectText(AfxDialogUnitsToPixels(CRect(2, 8, 4, 16))), "(3, 13, 6, 26)");
}

TEST_F(DialogTest, WindowAndControlsTakeTheTemplateGeometry)
{
    CRect rcClient, rcFrame, rcOk;
    INT_PTR nResult = RunModal(m_dlg, {[&]() {
        m_dlg.GetClientRect(&rcClient);
        m_dlg.GetDlgItem(1000)->GetWindowRect(&rcFrame);
        m_dlg.ScreenToClient(&rcFrame);
        m_dlg.GetDlgItem(IDOK)->GetWindowRect(&rcOk);
        m_dlg.ScreenToClient(&rcOk);
        m_dlg.EndDialog(IDOK);
    }});
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(RectText(rcClient), "(0, 0, 651, 557)");
    EXPECT_EQ(RectText(rcFrame), "(11, 11, 641, 512)");
    EXPECT_EQ(RectText(rcOk), RectText(AfxDialogUnitsToPixels(CRect(324, 322, 374, 336))));
}

TEST_F(DialogTest, DataExchangeSubclassesBeforeTheDialogIsShown)
{
    BOOL bAttached = FALSE;
    RunModal(m_dlg, {[&]() {
        bAttached = m_dlg.m_text.m_hWnd == Item(1001) && CWnd::FromHandlePermanent(Item(1001)) == &m_dlg.m_text;
        g_log.Add(std::string("running ") + (m_dlg.IsWindowVisible() ? "visible" : "hidden"));
        m_dlg.EndDialog(IDOK);
    }});
    EXPECT_TRUE(bAttached);
    EXPECT_EQ(g_log.Joined(), "exchange; presubclass Some text; init hidden; running visible");
    EXPECT_EQ(m_dlg.m_text.m_hWnd, nullptr);
}

TEST_F(DialogTest, EnterEndsWithOk)
{
    EXPECT_EQ(RunModal(m_dlg, {[&]() { Key(VK_RETURN); }}), IDOK);
}

TEST_F(DialogTest, EscapeEndsWithCancel)
{
    EXPECT_EQ(RunModal(m_dlg, {[&]() { Key(VK_ESCAPE); }}), IDCANCEL);
}

TEST_F(DialogTest, CloseButtonAndAltF4EndWithCancel)
{
    EXPECT_EQ(RunModal(m_dlg, {[&]() { AfxSimulateClose(m_dlg.m_hWnd); }}), IDCANCEL);
    CTestDlg second;
    EXPECT_EQ(RunModal(second, {[&]() { AfxSimulateKey(second.m_hWnd, VK_F4, AFX_KEY_ALT); }}), IDCANCEL);
}

TEST_F(DialogTest, ClickingCancelEndsWithCancel)
{
    EXPECT_EQ(RunModal(m_dlg, {[&]() { AfxSimulateClick(Item(IDCANCEL), Pt(10, 10)); }}), IDCANCEL);
}

// Three tab stops, so that forward and back land on different controls.
TEST_F(DialogTest, TabMovesAmongTabStopsAndEnterPressesTheFocusedButton)
{
    std::vector<int> focus;
    auto record = [&]() { focus.push_back(::GetDlgCtrlID(::GetFocus())); };
    auto tab = [&]() { Key(VK_TAB); };
    auto backTab = [&]() { Key(VK_TAB, AFX_KEY_SHIFT); };
    INT_PTR nResult = RunModal(m_dlg, {[&]() { ::SetWindowLong(Item(1001), GWL_STYLE, 0x50030000); }, record, tab,
                                       record, tab, record, tab, record, backTab, record, backTab, record,
                                       [&]() { Key(VK_RETURN); }});
    EXPECT_EQ(focus, (std::vector<int>{IDOK, IDCANCEL, 1001, IDOK, 1001, IDCANCEL}));
    EXPECT_EQ(nResult, IDCANCEL);
}

TEST_F(DialogTest, FocusedPushButtonCarriesTheDefaultFrame)
{
    DWORD dwOkStyle = 0, dwCancelStyle = 0;
    RunModal(m_dlg, {[&]() { Key(VK_TAB); },
                     [&]() {
                         dwOkStyle = ::GetWindowLong(Item(IDOK), GWL_STYLE) & BS_TYPEMASK;
                         dwCancelStyle = ::GetWindowLong(Item(IDCANCEL), GWL_STYLE) & BS_TYPEMASK;
                         m_dlg.EndDialog(IDOK);
                     }});
    EXPECT_EQ(dwOkStyle, static_cast<DWORD>(BS_PUSHBUTTON));
    EXPECT_EQ(dwCancelStyle, static_cast<DWORD>(BS_DEFPUSHBUTTON));
}

TEST_F(DialogTest, OwnerIsDisabledWhileAnotherDialogRuns)
{
    BOOL bOwnerEnabledInside = TRUE, bInnerEnabled = FALSE, bOwnerEnabledAfter = FALSE;
    INT_PTR nResult = RunModal(
        m_dlg, {[&]() { m_dlg.PostMessage(WM_USER + 7); },
                [&]() {
                    bOwnerEnabledInside = m_dlg.IsWindowEnabled();
                    HWND hInner = ::GetFocus() != nullptr ? ::GetTopLevelWindow(::GetFocus()) : nullptr;
                    bInnerEnabled = hInner != nullptr && hInner != m_dlg.m_hWnd && ::IsWindowEnabled(hInner);
                    AfxSimulateKey(m_dlg.m_hWnd, VK_RETURN);  // ignored: the owner is disabled
                },
                [&]() { AfxSimulateKey(::GetFocus(), VK_ESCAPE); },
                [&]() {
                    bOwnerEnabledAfter = m_dlg.IsWindowEnabled();
                    Key(VK_RETURN);
                }});
    EXPECT_FALSE(bOwnerEnabledInside);
    EXPECT_TRUE(bInnerEnabled);
    EXPECT_EQ(m_dlg.m_nInnerResult, IDCANCEL);
    EXPECT_TRUE(bOwnerEnabledAfter);
    EXPECT_EQ(nResult, IDOK);
}

TEST_F(DialogTest, RunningOutOfStepsEndsNestedDialogsToo)
{
    INT_PTR nResult = RunModal(m_dlg, {[&]() { m_dlg.PostMessage(WM_USER + 7); }, []() {}});
    EXPECT_EQ(m_dlg.m_nInnerResult, -2);
    EXPECT_EQ(nResult, -2);
}

TEST_F(DialogTest, DialogBackgroundIsTheFaceColourAndTheFrameStaysHidden)
{
    COLORREF crInside = CLR_INVALID;
    RunModal(m_dlg, {[&]() {
        crInside = AfxGetBackBufferPixel(m_dlg.m_hWnd, Pt(11, 11));
        m_dlg.EndDialog(IDOK);
    }});
    EXPECT_EQ(crInside, GetSysColor(COLOR_3DFACE));
}

}  // namespace
