// The application's message box: through the installed service with the application's
// name as caption, and the real modal box with its icon, its text and its OK button.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/core/AfxScale.h"
#include "platform/gdi/AfxIcon.h"
#include "platform/wnd/AfxWindow.h"
#include "platform/wnd/CMessageBoxDlg.h"
#include "tests/hyperlink/LinkTestSupport.h"

namespace {

const char kText[] = "Unable to open hyperlink:\n\nThe specified file was not found.";
const COLORREF kYellow = RGB(255, 255, 0);

class MessageBoxTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        TestApp().m_pMainWnd = nullptr;
        DestroyAllWindows();
    }

    // The box's window while its loop runs.
    static HWND BoxWindow()
    {
        for (HWND hWnd : AfxGetTopLevelWindows()) {
            char szClass[16] = "";
            ::GetClassName(hWnd, szClass, sizeof szClass);
            if (::IsWindowVisible(hWnd) && std::string(szClass) == "#32770")
                return hWnd;
        }
        return nullptr;
    }
    static CRect ItemRect(HWND hBox, int nID)
    {
        CRect rc;
        ::GetWindowRect(::GetDlgItem(hBox, nID), &rc);
        ::ScreenToClient(hBox, reinterpret_cast<LPPOINT>(&rc.left));
        ::ScreenToClient(hBox, reinterpret_cast<LPPOINT>(&rc.right));
        return rc;
    }
};

TEST_F(MessageBoxTest, GoesThroughTheInstalledBoxCaptionedWithTheAppNameAndOwnedByTheMainWindow)
{
    CLinkServices services;
    CLinkFrame frame;
    ASSERT_NE(frame.CreateWithStatic("", 0, CRect(0, 0, 10, 10)), nullptr);
    TestApp().m_pMainWnd = &frame;
    EXPECT_EQ(AfxMessageBox("first\nsecond", MB_OK | MB_ICONEXCLAMATION), IDOK);
    ASSERT_EQ(services.m_box.m_texts.size(), 1u);
    EXPECT_EQ(services.m_box.m_texts[0], "first\nsecond");
    EXPECT_EQ(services.m_box.m_captions[0], AfxGetAppName());
    EXPECT_EQ(services.m_box.m_captions[0], "test_hyperlink");
    EXPECT_EQ(services.m_box.m_types[0], static_cast<UINT>(MB_ICONEXCLAMATION));
    EXPECT_EQ(services.m_box.m_owners[0], frame.m_hWnd);
}

TEST_F(MessageBoxTest, TheRealBoxShowsIconTextAndAFocusedDefaultOK)
{
    CMessageBoxDlg dlg(kText, "Brelvin", MB_OK | MB_ICONEXCLAMATION);
    std::string strCaption, strText, strButton;
    CRect rcIcon, rcText, rcButton, rcClient;
    COLORREF crInside = 0, crMark = 0;
    HWND hFocus = nullptr;
    DWORD dwButtonStyle = 0;
    INT_PTR nResult = AfxRunModalSteps(dlg, {
        [&] {
            HWND hBox = dlg.m_hWnd;
            char sz[256] = "";
            ::GetWindowText(hBox, sz, sizeof sz);
            strCaption = sz;
            ::GetWindowText(::GetDlgItem(hBox, AFX_IDC_MSGBOX_TEXT), sz, sizeof sz);
            strText = sz;
            ::GetWindowText(::GetDlgItem(hBox, IDOK), sz, sizeof sz);
            strButton = sz;
            rcIcon = ItemRect(hBox, AFX_IDC_MSGBOX_ICON);
            rcText = ItemRect(hBox, AFX_IDC_MSGBOX_TEXT);
            rcButton = ItemRect(hBox, IDOK);
            ::GetClientRect(hBox, &rcClient);
            crInside = AfxGetBackBufferPixel(::GetDlgItem(hBox, AFX_IDC_MSGBOX_ICON), CPoint(10, 26));
            crMark = AfxGetBackBufferPixel(::GetDlgItem(hBox, AFX_IDC_MSGBOX_ICON), CPoint(15, 12));
            hFocus = ::GetFocus();
            dwButtonStyle = static_cast<DWORD>(::GetWindowLong(::GetDlgItem(hBox, IDOK), GWL_STYLE));
        },
        [&] { AfxSimulateKey(dlg.m_hWnd, VK_RETURN); },
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(strCaption, "Brelvin");
    EXPECT_EQ(strText, kText);
    EXPECT_EQ(strButton, "OK");
    EXPECT_EQ(crInside, kYellow);
    EXPECT_EQ(crMark, RGB(0, 0, 0));
    EXPECT_EQ(rcIcon.Width(), 32);
    // Three lines of text beside the icon, the button below both, all inside the box.
    EXPECT_GE(rcText.left, rcIcon.right);
    EXPECT_GT(rcButton.top, rcText.bottom);
    EXPECT_GT(rcButton.top, rcIcon.bottom);
    EXPECT_LE(rcText.right, rcClient.right);
    EXPECT_LE(rcButton.bottom, rcClient.bottom);
    EXPECT_LE(std::abs(rcButton.left + rcButton.right - rcClient.right), 1);
    EXPECT_NE(hFocus, nullptr);
    EXPECT_EQ(dwButtonStyle & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
}

// At 4 the triangle comes from an image drawn at 128 pixels: its slanted edges step by
// single pixels, not in the 4-pixel blocks of the 32-pixel image enlarged.
TEST_F(MessageBoxTest, TheWarningIconIsDrawnAtTheScreensSize)
{
    const int nOldScale = AfxGetScreenScale();
    AfxSetScreenScale(4 * AFX_SCALE_ONE);
    HICON hIcon = CMessageBoxDlg::CreateExclamationIcon();
    AfxSetScreenScale(nOldScale);
    const AFX_ICON_IMAGE image = AfxGetIconImage(hIcon, 128);
    DestroyIcon(hIcon);
    ASSERT_EQ(image.cx, 128);
    int nSplitBlocks = 0;
    for (int by = 0; by < 128; by += 4) {
        for (int bx = 0; bx < 128; bx += 4) {
            const uint32_t first = image.bits[static_cast<size_t>(by) * 128 + bx];
            bool bSplit = false;
            for (int i = 0; i < 16; ++i)
                bSplit = bSplit || image.bits[static_cast<size_t>(by + i / 4) * 128 + bx + i % 4] != first;
            nSplitBlocks += bSplit ? 1 : 0;
        }
    }
    EXPECT_GT(nSplitBlocks, 50);
}

TEST_F(MessageBoxTest, TheTextKeepsItsLineBreaks)
{
    CMessageBoxDlg oneLine("one line", "c", MB_OK);
    CMessageBoxDlg threeLines("one\n\nthree", "c", MB_OK);
    int nOne = 0, nThree = 0;
    AfxRunModalSteps(oneLine, {[&] { nOne = ItemRect(oneLine.m_hWnd, AFX_IDC_MSGBOX_TEXT).Height(); }});
    AfxRunModalSteps(threeLines, {[&] { nThree = ItemRect(threeLines.m_hWnd, AFX_IDC_MSGBOX_TEXT).Height(); }});
    EXPECT_GT(nOne, 0);
    EXPECT_EQ(nThree, 3 * nOne);
}

TEST_F(MessageBoxTest, WithoutAnIconTypeTheTextStartsAtTheMargin)
{
    CMessageBoxDlg dlg("plain", "c", MB_OK);
    BOOL bIconVisible = TRUE;
    CRect rcText;
    AfxRunModalSteps(dlg, {[&] {
        bIconVisible = ::IsWindowVisible(::GetDlgItem(dlg.m_hWnd, AFX_IDC_MSGBOX_ICON));
        rcText = ItemRect(dlg.m_hWnd, AFX_IDC_MSGBOX_TEXT);
    }});
    EXPECT_FALSE(bIconVisible);
    EXPECT_LT(rcText.left, 32);
}

TEST_F(MessageBoxTest, EscapeAndTheCloseButtonAnswerOK)
{
    CMessageBoxDlg byEscape(kText, "c", MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(AfxRunModalSteps(byEscape, {[&] { AfxSimulateKey(byEscape.m_hWnd, VK_ESCAPE); }}), IDOK);
    CMessageBoxDlg byClose(kText, "c", MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(AfxRunModalSteps(byClose, {[&] { AfxSimulateClose(byClose.m_hWnd); }}), IDOK);
}

TEST_F(MessageBoxTest, TheDefaultServiceShowsARealModalBoxUntilItIsClosed)
{
    std::string strSeen;
    int nCalls = 0;
    AfxSetIdleHook([&]() -> BOOL {
        HWND hBox = BoxWindow();
        if (hBox != nullptr && strSeen.empty()) {
            char sz[256] = "";
            ::GetWindowText(::GetDlgItem(hBox, AFX_IDC_MSGBOX_TEXT), sz, sizeof sz);
            strSeen = sz;
            AfxSimulateKey(hBox, VK_RETURN);
        } else if (++nCalls > 100) {
            AfxEndModalLoops(-2);
        }
        return FALSE;
    });
    int nResult = AfxMessageBox(kText, MB_OK | MB_ICONEXCLAMATION);
    AfxSetIdleHook(nullptr);
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(strSeen, kText);
    EXPECT_EQ(BoxWindow(), nullptr);
}

}  // namespace
