// The system menu: its items, the popup that the dialog opens itself (right click on
// its own surface, Alt+Space, Shift+F10, the Menu key) and WM_SYSCOMMAND with the ids.
#include <gtest/gtest.h>

#include "tests/wnd/WndTestSupport.h"

namespace {

const AFX_DLGITEMTEMPLATE kItems[] = {
    {"button", "OK", IDOK, 0x50010001, 0, 100, 80, 50, 14, 0},
    {"button", "Cancel", IDCANCEL, 0x50010000, 0, 160, 80, 50, 14, 0},
};
const AFX_DLGTEMPLATE kTemplate = {"Menu", 0x90C800C0, 0, 0, 0, 220, 100, "MS Sans Serif", 8, kItems, 2};

const UINT kAboutId = 0x0010;

class CMenuDlg : public CDialog {
public:
    CMenuDlg() { InitModalIndirect(&kTemplate); }
    std::vector<UINT> m_commands;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        CMenu* pMenu = GetSystemMenu(FALSE);
        pMenu->AppendMenu(MF_SEPARATOR);
        pMenu->AppendMenu(MF_STRING, kAboutId, "&About Test...");
        return TRUE;
    }
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam)
    {
        m_commands.push_back(nID);
        CDialog::OnSysCommand(nID, lParam);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuDlg, CDialog)
    ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

class MenuTest : public ::testing::Test {
protected:
    void TearDown() override { DestroyAllWindows(); }

    void RightClick(int x, int y) { AfxSimulateClick(m_dlg.m_hWnd, Pt(x, y), AFX_BUTTON_RIGHT); }
    void Key(UINT nVirtKey, UINT nFlags = 0) { AfxSimulateKey(m_dlg.m_hWnd, nVirtKey, nFlags); }
    // Clicks the popup's third row: Close, separator, About.
    void ClickAbout()
    {
        HWND hPopup = AfxGetTrackedMenuWindow();
        ASSERT_NE(hPopup, nullptr);
        AfxSimulateClick(hPopup, Pt(20, 3 + 18 + 8 + 9));
    }

    CMenuDlg m_dlg;
};

TEST_F(MenuTest, SystemMenuHoldsCloseThenWhatWasAppended)
{
    std::vector<std::string> items;
    RunModal(m_dlg, {[&]() {
        CMenu* pMenu = m_dlg.GetSystemMenu(FALSE);
        for (int i = 0; i < pMenu->GetMenuItemCount(); ++i) {
            CString strText;
            pMenu->GetMenuString(static_cast<UINT>(i), strText, MF_BYPOSITION);
            BOOL bSeparator = (pMenu->GetMenuState(static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) != 0;
            items.push_back(bSeparator ? "-" : std::string(strText) + "=" + std::to_string(pMenu->GetMenuItemID(i)));
        }
        m_dlg.EndDialog(IDOK);
    }});
    EXPECT_EQ(items, (std::vector<std::string>{"&Close=" + std::to_string(SC_CLOSE), "-", "&About Test...=16"}));
}

TEST_F(MenuTest, RightClickOnTheSurfaceOpensThePopupAndAnItemSendsItsId)
{
    BOOL bOpen = FALSE;
    INT_PTR nResult = RunModal(m_dlg, {[&]() { RightClick(20, 20); },
                                       [&]() {
                                           bOpen = AfxGetTrackedMenuWindow() != nullptr;
                                           ClickAbout();
                                       },
                                       [&]() { Key(VK_ESCAPE); }});
    EXPECT_TRUE(bOpen);
    EXPECT_EQ(m_dlg.m_commands, (std::vector<UINT>{kAboutId}));
    EXPECT_EQ(nResult, IDCANCEL);
}

TEST_F(MenuTest, RightClickOnAControlOpensNothing)
{
    BOOL bOpen = TRUE;
    RunModal(m_dlg, {[&]() { AfxSimulateClick(::GetDlgItem(m_dlg.m_hWnd, IDOK), Pt(5, 5), AFX_BUTTON_RIGHT); },
                     [&]() {
                         bOpen = AfxGetTrackedMenuWindow() != nullptr;
                         m_dlg.EndDialog(IDOK);
                     }});
    EXPECT_FALSE(bOpen);
}

TEST_F(MenuTest, AltSpaceAndAMnemonicChooseClose)
{
    BOOL bOpen = FALSE;
    INT_PTR nResult = RunModal(m_dlg, {[&]() { Key(VK_SPACE, AFX_KEY_ALT); },
                                       [&]() {
                                           bOpen = AfxGetTrackedMenuWindow() != nullptr;
                                           Key('C');
                                       }});
    EXPECT_TRUE(bOpen);
    EXPECT_EQ(m_dlg.m_commands, (std::vector<UINT>{SC_KEYMENU, SC_CLOSE}));
    EXPECT_EQ(nResult, IDCANCEL);
}

TEST_F(MenuTest, MenuKeyAndShiftF10OpenItAndEscapeClosesOnlyThePopup)
{
    std::vector<BOOL> open;
    auto record = [&]() { open.push_back(AfxGetTrackedMenuWindow() != nullptr); };
    INT_PTR nResult = RunModal(m_dlg, {[&]() { Key(VK_APPS); }, record, [&]() { Key(VK_ESCAPE); }, record,
                                       [&]() { Key(VK_F10, AFX_KEY_SHIFT); }, record,
                                       [&]() { Key(VK_DOWN); },
                                       [&]() { Key(VK_RETURN); }, record, [&]() { m_dlg.EndDialog(IDOK); }});
    EXPECT_EQ(open, (std::vector<BOOL>{TRUE, FALSE, TRUE, FALSE}));
    EXPECT_EQ(m_dlg.m_commands, (std::vector<UINT>{kAboutId}));
    EXPECT_EQ(nResult, IDOK);
}

TEST_F(MenuTest, ClickOutsideThePopupCancelsIt)
{
    std::vector<BOOL> open;
    auto record = [&]() { open.push_back(AfxGetTrackedMenuWindow() != nullptr); };
    RunModal(m_dlg, {[&]() { RightClick(20, 20); }, record,
                     [&]() { AfxSimulateClick(m_dlg.m_hWnd, Pt(300, 140)); }, record,
                     [&]() { m_dlg.EndDialog(IDOK); }});
    EXPECT_EQ(open, (std::vector<BOOL>{TRUE, FALSE}));
    EXPECT_TRUE(m_dlg.m_commands.empty());
}

}  // namespace

namespace {

TEST(DriverTest, RunningOutOfStepsEndsAnOpenMenuAndTheDialog)
{
    CMenuDlg dlg;
    BOOL bOpen = FALSE;
    INT_PTR nResult = AfxRunModalSteps(dlg, {[&]() { AfxSimulateClick(dlg.m_hWnd, Pt(20, 20), AFX_BUTTON_RIGHT); },
                                             [&]() { bOpen = AfxGetTrackedMenuWindow() != nullptr; }});
    EXPECT_TRUE(bOpen);
    EXPECT_EQ(nResult, -2);
    EXPECT_EQ(AfxGetTrackedMenuWindow(), nullptr);
    EXPECT_TRUE(dlg.m_commands.empty());
    DestroyAllWindows();
}

}  // namespace
