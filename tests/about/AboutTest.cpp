// The About box as the main dialog runs it: opened by the About system command, modal
// over its owner, showing the icon, the version and the maker's address as a link with
// the main dialog's colours, and closed by Enter or Escape.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/CAboutDlg.h"
#include "platform/wnd/AfxWindow.h"
#include "tests/hyperlink/LinkTestSupport.h"

namespace {

// The About box with its link in reach; the open one is known while it runs.
class CProbeAboutDlg : public CAboutDlg {
public:
    CProbeAboutDlg() { s_nOpened++; }
    ~CProbeAboutDlg() override { s_pOpen = nullptr; }
    BOOL OnInitDialog() override
    {
        BOOL bResult = CAboutDlg::OnInitDialog();
        s_pOpen = this;
        return bResult;
    }
    CHyperLink& Link() { return m_hyperLink; }

    static CProbeAboutDlg* s_pOpen;
    static int s_nOpened;
    static INT_PTR s_nLastResult;
};

CProbeAboutDlg* CProbeAboutDlg::s_pOpen = nullptr;
int CProbeAboutDlg::s_nOpened = 0;
INT_PTR CProbeAboutDlg::s_nLastResult = 0;

const AFX_DLGITEMTEMPLATE kHostItems[] = {
    {"button", "OK", IDOK, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 10, 10, 50, 14, 0},
};
const AFX_DLGTEMPLATE kHostTemplate = {"Host", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0,
                                       0, 0, 200, 100, "MS Sans Serif", 8, kHostItems, 1};

// Stands in for the main dialog: its system menu has the About entry, and the About
// command runs the About box as a local.
class CHostDlg : public CDialog {
public:
    CHostDlg() { InitModalIndirect(&kHostTemplate); }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        CString strAboutMenu;
        strAboutMenu.LoadString(IDS_ABOUTBOX);
        CMenu* pSysMenu = GetSystemMenu(FALSE);
        pSysMenu->AppendMenu(MF_SEPARATOR);
        pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        return TRUE;
    }

protected:
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam)
    {
        if ((nID & 0xFFF0) != IDM_ABOUTBOX) {
            CDialog::OnSysCommand(nID, lParam);
            return;
        }
        CProbeAboutDlg dlgAbout;
        CProbeAboutDlg::s_nLastResult = dlgAbout.DoModal();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHostDlg, CDialog)
    ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

class AboutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CProbeAboutDlg::s_pOpen = nullptr;
        CProbeAboutDlg::s_nOpened = 0;
        CProbeAboutDlg::s_nLastResult = 0;
        TestApp().m_pMainWnd = &m_host;
    }
    void TearDown() override
    {
        TestApp().m_pMainWnd = nullptr;
        DestroyAllWindows();
    }

    void OpenAbout() { m_host.PostMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0); }
    static HWND About() { return CProbeAboutDlg::s_pOpen != nullptr ? CProbeAboutDlg::s_pOpen->m_hWnd : nullptr; }
    static CHyperLink& Link() { return CProbeAboutDlg::s_pOpen->Link(); }
    static std::string Text(HWND hWnd)
    {
        char sz[256] = "";
        ::GetWindowText(hWnd, sz, sizeof sz);
        return sz;
    }

    CLinkServices m_services;
    CHostDlg m_host;
};

TEST_F(AboutTest, TheSystemMenusEntryOpensAModalBoxWithIconVersionAndLinkAndEnterClosesIt)
{
    std::string strCaption, strLinkText, strURL;
    std::vector<std::string> texts;
    COLORREF crLink = 0, crVisited = 0, crHover = 0;
    BOOL bHostEnabledInside = TRUE, bFocusOnOK = FALSE, bHostEnabledAfter = FALSE;
    CRect rcIcon;
    HWND hAboutAfter = nullptr;
    AfxRunModalSteps(m_host, {
        // A right click on the dialog's own surface opens its system menu.
        [&] { AfxSimulateClick(m_host.m_hWnd, CPoint(250, 120), AFX_BUTTON_RIGHT); },
        [&] {
            HWND hPopup = AfxGetTrackedMenuWindow();
            ASSERT_NE(hPopup, nullptr);
            AfxSimulateKey(hPopup, 'A');
        },
        [&] {
            HWND hAbout = About();
            ASSERT_NE(hAbout, nullptr);
            strCaption = Text(hAbout);
            for (HWND hChild : hAbout->children)
                texts.push_back(Text(hChild));
            for (HWND hChild : hAbout->children) {
                if ((hChild->dwStyle & SS_TYPEMASK) == SS_ICON && hChild->pClass->strName == "static")
                    ::GetClientRect(hChild, &rcIcon);
            }
            strLinkText = Text(::GetDlgItem(hAbout, IDC_HYPERLINK));
            strURL = static_cast<LPCTSTR>(Link().GetURL());
            crLink = Link().GetLinkColour();
            crVisited = Link().GetVisitedColour();
            crHover = Link().GetHoverColour();
            bHostEnabledInside = m_host.IsWindowEnabled();
            bFocusOnOK = ::GetFocus() == ::GetDlgItem(hAbout, IDOK);
            AfxSimulateKey(hAbout, VK_RETURN);
        },
        [&] {
            hAboutAfter = About();
            bHostEnabledAfter = m_host.IsWindowEnabled();
        },
    });
    EXPECT_EQ(CProbeAboutDlg::s_nOpened, 1);
    EXPECT_EQ(CProbeAboutDlg::s_nLastResult, IDOK);
    EXPECT_EQ(strCaption, "About Brelvin");
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<std::string>{"", "Brelvin Version 1.0", "OK", BRELVIN_WEB_ADDRESS}));
    EXPECT_EQ(rcIcon.Width(), GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(rcIcon.Height(), GetSystemMetrics(SM_CYICON));
    EXPECT_EQ(strLinkText, BRELVIN_WEB_ADDRESS);
    EXPECT_EQ(strURL, BRELVIN_WEB_ADDRESS);
    EXPECT_EQ(crLink, 0xFF0000u);
    EXPECT_EQ(crVisited, 0xFF0000u);
    EXPECT_EQ(crHover, 0x996633u);
    EXPECT_FALSE(bHostEnabledInside);
    EXPECT_TRUE(bFocusOnOK);
    EXPECT_EQ(hAboutAfter, nullptr);
    EXPECT_TRUE(bHostEnabledAfter);
}

TEST_F(AboutTest, TheTemplatePlacesIconVersionOKAndLinkWithTheirStyles)
{
    CRect rcClient;
    DWORD dwStyle = 0, dwExStyle = 0;
    std::vector<std::string> seen;
    AfxRunModalSteps(m_host, {
        [&] { OpenAbout(); },
        [&] {
            HWND hAbout = About();
            ASSERT_NE(hAbout, nullptr);
            ::GetClientRect(hAbout, &rcClient);
            dwStyle = hAbout->dwStyle;
            dwExStyle = hAbout->dwExStyle;
            // Each control: its id, its style and its place in the client area.
            for (HWND hChild : hAbout->children) {
                CRect rc;
                ::GetWindowRect(hChild, &rc);
                CPoint ptTopLeft = rc.TopLeft(), ptBottomRight = rc.BottomRight();
                ::ScreenToClient(hAbout, &ptTopLeft);
                ::ScreenToClient(hAbout, &ptBottomRight);
                char sz[160];
                snprintf(sz, sizeof sz, "%d %08lX (%ld, %ld, %ld, %ld)", static_cast<int>(hChild->nID),
                         static_cast<unsigned long>(hChild->dwStyle & ~static_cast<DWORD>(SS_NOTIFY)),
                         static_cast<long>(ptTopLeft.x), static_cast<long>(ptTopLeft.y),
                         static_cast<long>(ptBottomRight.x), static_cast<long>(ptBottomRight.y));
                seen.push_back(sz);
            }
            AfxSimulateKey(hAbout, VK_ESCAPE);
        },
    });
    // Dialog units to pixels: x * 6 / 4, y * 13 / 8, each edge rounded half away from zero.
    EXPECT_EQ(rcClient, CRect(0, 0, 369, 143));
    EXPECT_EQ(dwStyle & ~static_cast<DWORD>(WS_VISIBLE), 0x80C800C0u);
    EXPECT_EQ(dwExStyle, 0u);
    // The icon takes the icon's size; the link fits itself to its text, so only its
    // top-left corner is the template's.
    const std::string strLinkStart = "1001 50020000 (11, 106, ";
    for (std::string& str : seen) {
        if (str.rfind(strLinkStart, 0) == 0)
            str = strLinkStart + "...";
    }
    std::sort(seen.begin(), seen.end());
    std::vector<std::string> expected = {"-1 50000003 (17, 28, 49, 60)", "-1 50020080 (60, 16, 239, 29)",
                                         "1 50030001 (284, 11, 359, 34)", strLinkStart + "..."};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(seen, expected);
}

TEST_F(AboutTest, EscapeClosesIt)
{
    HWND hAboutAfter = reinterpret_cast<HWND>(1);
    AfxRunModalSteps(m_host, {
        [&] { OpenAbout(); },
        [&] {
            ASSERT_NE(About(), nullptr);
            AfxSimulateKey(About(), VK_ESCAPE);
        },
        [&] { hAboutAfter = About(); },
    });
    EXPECT_EQ(CProbeAboutDlg::s_nLastResult, IDCANCEL);
    EXPECT_EQ(hAboutAfter, nullptr);
}

TEST_F(AboutTest, TheLinkTurnsSteelBlueUnderThePointerAndAClickOpensTheMakersPage)
{
    m_services.m_shell.m_nResult = 42;
    int nBlue = 0, nSteelBlue = 0;
    BOOL bStillOpen = FALSE, bVisited = FALSE;
    AfxRunModalSteps(m_host, {
        [&] { OpenAbout(); },
        [&] {
            ASSERT_NE(About(), nullptr);
            nBlue = CountPixels(&Link(), RGB(0, 0, 255));
            AfxSimulateMouseMove(Link().m_hWnd, CPoint(2, 2));
        },
        [&] {
            nSteelBlue = CountPixels(&Link(), RGB(0x33, 0x66, 0x99));
            AfxSimulateClick(Link().m_hWnd, CPoint(2, 2));
        },
        [&] {
            bStillOpen = About() != nullptr;
            bVisited = bStillOpen && Link().GetVisited();
            if (bStillOpen)
                AfxSimulateKey(About(), VK_ESCAPE);
        },
    });
    EXPECT_GT(nBlue, 0);
    EXPECT_GT(nSteelBlue, 0);
    EXPECT_TRUE(bStillOpen);
    EXPECT_TRUE(bVisited);
    EXPECT_EQ(Events(), std::vector<std::string>{std::string("shell open ") + BRELVIN_WEB_ADDRESS});
}

TEST_F(AboutTest, EachOpeningMakesANewBoxWhoseLinkIsNotVisited)
{
    m_services.m_shell.m_nResult = 42;
    BOOL bVisitedFirst = FALSE, bVisitedSecond = TRUE;
    AfxRunModalSteps(m_host, {
        [&] { OpenAbout(); },
        [&] { AfxSimulateClick(Link().m_hWnd, CPoint(2, 2)); },
        [&] {
            bVisitedFirst = Link().GetVisited();
            AfxSimulateKey(About(), VK_ESCAPE);
        },
        [&] { OpenAbout(); },
        [&] {
            bVisitedSecond = Link().GetVisited();
            AfxSimulateKey(About(), VK_ESCAPE);
        },
    });
    EXPECT_EQ(CProbeAboutDlg::s_nOpened, 2);
    EXPECT_TRUE(bVisitedFirst);
    EXPECT_FALSE(bVisitedSecond);
}

}  // namespace
