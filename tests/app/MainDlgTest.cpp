// The main dialog as the user meets it: the keys and buttons that end it, the system
// menu and its About entry, the icons, the icon drawn when minimized, the calendar
// window gone with the dialog, and the application object running it all.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/CBrelvinApp.h"
#include "platform/core/AfxAlloc.h"
#include "platform/wnd/AfxMessageBox.h"
#include "platform/wnd/AfxWindow.h"
#include "tests/app/AppTestSupport.h"

namespace {

class MainDlgTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        theApp.m_pMainWnd = nullptr;
        DestroyAllWindows();
    }
    void Key(UINT nVirtKey, UINT nFlags = 0) { AfxSimulateKey(m_dlg.m_hWnd, nVirtKey, nFlags); }

    CProbeDlg m_dlg;
};

// The caption of the window that has the keyboard.
std::string ActiveCaption()
{
    HWND hFocus = ::GetFocus();
    if (hFocus == nullptr)
        return "";
    CString strCaption;
    CWnd::FromHandle(::GetTopLevelWindow(hFocus))->GetWindowText(strCaption);
    return static_cast<LPCTSTR>(strCaption);
}

// A control's rectangle in the dialog's client area, and its style.
struct CONTROL_SEEN {
    CRect rc;
    DWORD dwStyle = 0;
};

CONTROL_SEEN SeeControl(CDialog& dlg, int nID)
{
    CONTROL_SEEN seen;
    CWnd* pItem = dlg.GetDlgItem(nID);
    if (pItem == nullptr)
        return seen;
    pItem->GetWindowRect(&seen.rc);
    dlg.ScreenToClient(&seen.rc);
    seen.dwStyle = pItem->GetStyle();
    return seen;
}

TEST_F(MainDlgTest, TemplateGivesTheCaptionStylesAndPlacesOfTheDialogAndItsButtons)
{
    CString strCaption;
    DWORD dwStyle = 0, dwExStyle = 0;
    CONTROL_SEEN ok, cancel, frame, link;
    RunModal(m_dlg, {[&]() {
        m_dlg.GetWindowText(strCaption);
        dwStyle = m_dlg.GetStyle();
        dwExStyle = m_dlg.GetExStyle();
        ok = SeeControl(m_dlg, IDOK);
        cancel = SeeControl(m_dlg, IDCANCEL);
        frame = SeeControl(m_dlg, IDC_CALENDAR_FRAME);
        link = SeeControl(m_dlg, IDC_HYPERLINK);
        m_dlg.EndDialog(IDOK);
    }});
    EXPECT_STREQ(strCaption, "Brelvin");
    EXPECT_EQ(dwStyle, 0x90C800C0u);
    EXPECT_EQ(dwExStyle & WS_EX_APPWINDOW, static_cast<DWORD>(WS_EX_APPWINDOW));
    // Dialog units to pixels: x * 6 / 4, y * 13 / 8, each edge rounded half away from zero.
    EXPECT_EQ(ok.rc, CRect(486, 523, 561, 546));
    EXPECT_EQ(ok.dwStyle, 0x50010001u);
    EXPECT_EQ(cancel.rc, CRect(566, 523, 641, 546));
    EXPECT_EQ(cancel.dwStyle, 0x50010000u);
    EXPECT_EQ(frame.rc, CRect(11, 11, 641, 512));
    EXPECT_EQ(frame.dwStyle, 0x40000007u);
    // The link sizes itself to its text from the template's top-left corner.
    EXPECT_EQ(link.rc.TopLeft(), CPoint(11, 520));
    EXPECT_EQ(link.dwStyle & ~static_cast<DWORD>(SS_NOTIFY), 0x50020000u);
}

TEST_F(MainDlgTest, EnterEndsWithOkWhichHasTheFocusFromTheStart)
{
    HWND hFocus = nullptr, hOK = nullptr;
    EXPECT_EQ(RunModal(m_dlg, {[&]() {
                  hFocus = ::GetFocus();
                  hOK = m_dlg.GetDlgItem(IDOK)->m_hWnd;
                  Key(VK_RETURN);
              }}),
              IDOK);
    EXPECT_EQ(hFocus, hOK);
}

TEST_F(MainDlgTest, EscapeAndTheCloseButtonEndWithCancel)
{
    EXPECT_EQ(RunModal(m_dlg, {[&]() { Key(VK_ESCAPE); }}), IDCANCEL);
    CProbeDlg second;
    EXPECT_EQ(RunModal(second, {[&]() { AfxSimulateClose(second.m_hWnd); }}), IDCANCEL);
}

TEST_F(MainDlgTest, OkAndCancelButtonsEndTheDialog)
{
    EXPECT_EQ(RunModal(m_dlg, {[&]() { AfxSimulateClick(m_dlg.GetDlgItem(IDOK)->m_hWnd, CPoint(5, 5)); }}), IDOK);
    CProbeDlg second;
    EXPECT_EQ(RunModal(second, {[&]() { AfxSimulateClick(second.GetDlgItem(IDCANCEL)->m_hWnd, CPoint(5, 5)); }}),
              IDCANCEL);
}

TEST_F(MainDlgTest, SystemMenuEndsWithASeparatorAndTheAboutEntry)
{
    std::vector<std::string> tail;
    RunModal(m_dlg, {[&]() {
        CMenu* pMenu = m_dlg.GetSystemMenu(FALSE);
        int nCount = pMenu->GetMenuItemCount();
        for (int i = nCount >= 2 ? nCount - 2 : 0; i < nCount; ++i) {
            const UINT nPos = static_cast<UINT>(i);
            if (pMenu->GetMenuState(nPos, MF_BYPOSITION) & MF_SEPARATOR) {
                tail.push_back("separator");
                continue;
            }
            CString strText;
            pMenu->GetMenuString(nPos, strText, MF_BYPOSITION);
            tail.push_back(std::string(strText) + " " + std::to_string(pMenu->GetMenuItemID(i)));
        }
        m_dlg.EndDialog(IDOK);
    }});
    EXPECT_EQ(tail, (std::vector<std::string>{"separator", "&About Brelvin... 16"}));
}

TEST_F(MainDlgTest, SystemCommands16To31OpenTheAboutBoxAnd32DoesNot)
{
    theApp.m_pMainWnd = &m_dlg;
    std::vector<std::string> seen;
    std::vector<std::function<void()>> steps;
    for (UINT nID = 16; nID <= 32; ++nID) {
        steps.push_back([&, nID]() { m_dlg.SendMessage(WM_SYSCOMMAND, nID, 0); });
        // Runs inside the About box's own loop while it is open.
        steps.push_back([&]() {
            seen.push_back(ActiveCaption());
            if (seen.back() != "Brelvin")
                AfxSimulateKey(::GetFocus(), VK_ESCAPE);
        });
    }
    steps.push_back([&]() { m_dlg.EndDialog(IDOK); });
    EXPECT_EQ(RunModal(m_dlg, steps), IDOK);
    std::vector<std::string> expected(16, "About Brelvin");
    expected.push_back("Brelvin");
    EXPECT_EQ(seen, expected);
}

TEST_F(MainDlgTest, AboutEntryChosenFromTheOpenedSystemMenuOpensTheAboutBox)
{
    theApp.m_pMainWnd = &m_dlg;
    std::string strInside, strAfter;
    RunModal(m_dlg, {[&]() { Key(VK_SPACE, AFX_KEY_ALT); },
                     [&]() {
                         HWND hPopup = AfxGetTrackedMenuWindow();
                         ASSERT_NE(hPopup, nullptr);
                         AfxSimulateKey(hPopup, 'A');
                     },
                     [&]() {
                         strInside = ActiveCaption();
                         AfxSimulateKey(::GetFocus(), VK_RETURN);
                     },
                     [&]() {
                         strAfter = ActiveCaption();
                         m_dlg.EndDialog(IDOK);
                     }});
    EXPECT_EQ(strInside, "About Brelvin");
    EXPECT_EQ(strAfter, "Brelvin");
}

TEST_F(MainDlgTest, LinkTextStaysWhileTheLinkOpensTheMakersPageInBlue)
{
    CString strText;
    DWORD dwStyle = 0;
    RunModal(m_dlg, {[&]() {
        m_dlg.Link().GetWindowText(strText);
        dwStyle = m_dlg.Link().GetStyle();
        m_dlg.EndDialog(IDOK);
    }});
    EXPECT_STREQ(strText, "Click here to check if a newer version is available.");
    EXPECT_STREQ(m_dlg.Link().GetURL(), BRELVIN_WEB_ADDRESS);
    EXPECT_EQ(m_dlg.Link().GetLinkColour(), 0xFF0000u);
    EXPECT_EQ(m_dlg.Link().GetVisitedColour(), 0xFF0000u);
    EXPECT_EQ(m_dlg.Link().GetHoverColour(), 0x996633u);
    EXPECT_TRUE(dwStyle & SS_NOTIFY);
}

TEST_F(MainDlgTest, IconOfBothSizesIsSetAndGivenWhileDragging)
{
    HICON hBig = nullptr, hSmall = nullptr, hDrag = nullptr;
    RunModal(m_dlg, {[&]() {
        hBig = m_dlg.GetIcon(TRUE);
        hSmall = m_dlg.GetIcon(FALSE);
        hDrag = reinterpret_cast<HICON>(m_dlg.SendMessage(WM_QUERYDRAGICON));
        m_dlg.EndDialog(IDOK);
    }});
    ASSERT_NE(m_dlg.Icon(), nullptr);
    EXPECT_EQ(hBig, m_dlg.Icon());
    EXPECT_EQ(hSmall, m_dlg.Icon());
    EXPECT_EQ(hDrag, m_dlg.Icon());
    EXPECT_EQ(m_dlg.Icon()->imageLarge.cx, 32);
    EXPECT_EQ(m_dlg.Icon()->imageSmall.cx, 16);
}

// Minimizes the dialog with a client area of nSide x nSide and returns how many of the
// icon's opaque pixels are found at (x, y) + their place in the icon.
int IconPixelsFoundAt(int nSide, int x, int y, int* pnOpaque)
{
    CProbeDlg dlg;
    int nFound = 0;
    RunModal(dlg, {[&]() {
                       // Only the dialog's own paint is looked at.
                       dlg.Calendar()->ShowWindow(SW_HIDE);
                       dlg.GetDlgItem(IDOK)->ShowWindow(SW_HIDE);
                       dlg.GetDlgItem(IDCANCEL)->ShowWindow(SW_HIDE);
                       dlg.GetDlgItem(IDC_HYPERLINK)->ShowWindow(SW_HIDE);
                       dlg.SetWindowPos(nullptr, 0, 0, nSide, nSide, SWP_NOMOVE | SWP_NOZORDER);
                       dlg.ShowWindow(SW_MINIMIZE);
                   },
                   [&]() {
                       CRect rcClient;
                       dlg.GetClientRect(&rcClient);
                       EXPECT_EQ(rcClient, CRect(0, 0, nSide, nSide));
                       EXPECT_TRUE(dlg.IsIconic());
                       EXPECT_GT(dlg.m_nIconErases, 0);
                       const AFX_ICON_IMAGE& image = dlg.Icon()->imageLarge;
                       *pnOpaque = 0;
                       for (int j = 0; j < image.cy; ++j) {
                           for (int i = 0; i < image.cx; ++i) {
                               uint32_t nArgb = image.bits[j * image.cx + i];
                               if ((nArgb >> 24) != 0xFF)
                                   continue;
                               ++*pnOpaque;
                               if (BufferPixel(&dlg, CPoint(x + i, y + j)) == (nArgb & 0xFFFFFF))
                                   ++nFound;
                           }
                       }
                       dlg.EndDialog(IDOK);
                   }});
    return nFound;
}

TEST(MinimizedDialog, DrawsTheIconCentredInItsClientArea)
{
    for (int nSide : {36, 35}) {
        int nOpaque = 0;
        EXPECT_EQ(IconPixelsFoundAt(nSide, 2, 2, &nOpaque), nOpaque) << nSide;
        EXPECT_GT(nOpaque, 0);
        // One pixel off in any direction no longer matches the whole icon.
        EXPECT_LT(IconPixelsFoundAt(nSide, 1, 2, &nOpaque), nOpaque) << nSide;
        EXPECT_LT(IconPixelsFoundAt(nSide, 3, 2, &nOpaque), nOpaque) << nSide;
        EXPECT_LT(IconPixelsFoundAt(nSide, 2, 1, &nOpaque), nOpaque) << nSide;
        EXPECT_LT(IconPixelsFoundAt(nSide, 2, 3, &nOpaque), nOpaque) << nSide;
    }
    DestroyAllWindows();
}

TEST_F(MainDlgTest, CalendarWindowIsGoneWithTheDialog)
{
    HWND hCalendar = nullptr;
    RunModal(m_dlg, {[&]() {
        hCalendar = m_dlg.Calendar()->m_hWnd;
        m_dlg.EndDialog(IDOK);
    }});
    ASSERT_NE(hCalendar, nullptr);
    EXPECT_FALSE(::IsWindow(hCalendar));
    EXPECT_EQ(m_dlg.Calendar(), nullptr);
}

TEST_F(MainDlgTest, ApplicationRunsTheDialogAsItsMainWindowAndThenEnds)
{
    std::string strCaption;
    BOOL bVisible = FALSE;
    AfxSetIdleHook([&]() -> BOOL {
        CWnd* pMain = AfxGetMainWnd();
        if (pMain == nullptr || !pMain->IsWindowVisible())
            return FALSE;
        bVisible = TRUE;
        CString strText;
        pMain->GetWindowText(strText);
        strCaption = static_cast<LPCTSTR>(strText);
        AfxSimulateKey(pMain->m_hWnd, VK_ESCAPE);
        AfxSetIdleHook(nullptr);
        return FALSE;
    });
    EXPECT_FALSE(theApp.InitInstance());
    AfxSetIdleHook(nullptr);
    EXPECT_TRUE(bVisible);
    EXPECT_EQ(strCaption, "Brelvin");
}

// Every allocation is numbered; the one numbered g_lRefused is refused.
LONG g_lLastRequest = 0;
LONG g_lRefused = -1;
BOOL NumberingHook(size_t, BOOL, LONG lRequest)
{
    g_lLastRequest = lRequest;
    return lRequest != g_lRefused;
}

struct CReportLog : IAfxMessageBox {
    std::vector<std::string> m_texts;
    int Show(HWND, LPCTSTR lpszText, LPCTSTR, UINT) override
    {
        m_texts.push_back(lpszText);
        return IDOK;
    }
};

HWND AboutBox()
{
    for (HWND hTop : AfxGetTopLevelWindows()) {
        CString strCaption;
        CWnd::FromHandle(hTop)->GetWindowText(strCaption);
        if (strCaption == "About Brelvin")
            return hTop;
    }
    return nullptr;
}

// What one opening of the About box left behind.
struct ABOUT_ATTEMPT {
    BOOL bOpened = FALSE;
    std::vector<std::string> reports;
    BOOL bOwnerEnabled = FALSE;
    size_t nTopLevelBefore = 0;
    size_t nTopLevelAfter = 0;
    int nYearAfterPlus = 0;
};

// Opens the About box with allocation number nStep of its making refused (0: none), closes
// it if it came, then clicks "+"; *pnSteps gets how many allocations the opening made.
std::vector<std::function<void()>> AttemptAbout(CProbeDlg& dlg, CReportLog& log, LONG nStep, ABOUT_ATTEMPT& attempt,
                                                LONG* pnSteps)
{
    auto nBase = std::make_shared<LONG>(0);
    auto nReports = std::make_shared<size_t>(0);
    return {[&dlg, &log, &attempt, nStep, nBase, nReports] {
                attempt.nTopLevelBefore = AfxGetTopLevelWindows().size();
                *nBase = g_lLastRequest;
                *nReports = log.m_texts.size();
                g_lRefused = nStep > 0 ? g_lLastRequest + nStep : -1;
                dlg.PostMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
            },
            [&log, &attempt, pnSteps, nBase, nReports] {
                g_lRefused = -1;
                if (pnSteps != nullptr)
                    *pnSteps = g_lLastRequest - *nBase;
                attempt.bOpened = AboutBox() != nullptr;
                attempt.reports.assign(log.m_texts.begin() + static_cast<long>(*nReports), log.m_texts.end());
                if (attempt.bOpened)
                    AfxSimulateKey(AboutBox(), VK_ESCAPE);
            },
            [&dlg, &attempt] {
                attempt.bOwnerEnabled = dlg.IsWindowEnabled();
                attempt.nTopLevelAfter = AfxGetTopLevelWindows().size();
                CRect rcNext(dlg.Calendar()->m_pYearObj->m_rcNextButton);
                AfxSimulateClick(dlg.Calendar()->m_hWnd, rcNext.CenterPoint());
            },
            [&dlg, &attempt] { attempt.nYearAfterPlus = dlg.Calendar()->m_nYear; }};
}

TEST_F(MainDlgTest, AnAboutBoxThatCannotBeMadeLeavesTheDialogWorkingAtEveryStep)
{
    CReportLog log;
    IAfxMessageBox* pOldBox = AfxSetMessageBox(&log);
    AFX_ALLOC_HOOK pfnOldHook = AfxSetAllocHook(NumberingHook);
    theApp.m_pMainWnd = &m_dlg;
    LONG nSteps = 0;
    ABOUT_ATTEMPT counted;
    RunModal(m_dlg, AttemptAbout(m_dlg, log, 0, counted, &nSteps));
    ASSERT_TRUE(counted.bOpened);
    ASSERT_GT(nSteps, 10);

    CProbeDlg dlg;
    theApp.m_pMainWnd = &dlg;
    std::vector<ABOUT_ATTEMPT> attempts(static_cast<size_t>(nSteps));
    std::vector<std::function<void()>> steps;
    for (LONG nStep = 1; nStep <= nSteps; ++nStep) {
        std::vector<std::function<void()>> more = AttemptAbout(dlg, log, nStep, attempts[nStep - 1], nullptr);
        steps.insert(steps.end(), more.begin(), more.end());
    }
    steps.push_back([&dlg] { AfxSimulateKey(dlg.m_hWnd, VK_ESCAPE); });
    const INT_PTR nResult = RunModal(dlg, steps);
    AfxSetAllocHook(pfnOldHook);
    AfxSetMessageBox(pOldBox);

    for (LONG nStep = 1; nStep <= nSteps; ++nStep) {
        const ABOUT_ATTEMPT& attempt = attempts[nStep - 1];
        if (!attempt.bOpened) {
            EXPECT_EQ(attempt.reports, std::vector<std::string>{"Out of memory."}) << "step " << nStep;
        }
        EXPECT_LE(attempt.reports.size(), 1u) << "step " << nStep;
        EXPECT_TRUE(attempt.bOwnerEnabled) << "step " << nStep;
        EXPECT_EQ(attempt.nTopLevelAfter, attempt.nTopLevelBefore) << "step " << nStep;
        EXPECT_EQ(attempt.nYearAfterPlus, 2000 + nStep) << "step " << nStep;
    }
    EXPECT_EQ(nResult, IDCANCEL);
}

}  // namespace
