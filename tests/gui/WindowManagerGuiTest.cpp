// The real program under a window manager (openbox), as on a desktop: after the dialog
// is dragged elsewhere, its tooltip shows just below the pointer and the About box opens
// centred on the dialog; each window tells the manager what it is; and the OK button
// shows its focus rectangle only while the dialog is the active window.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/gui/CGuiProgram.h"

namespace {

const int kLinkX = 30;  // in the main dialog's link, at (11, 520)
const int kLinkY = 527;
const int kBareX = 300;  // the dialog's own surface below the link
const int kBareY = 552;
const int kBelowPointer = 20;
const XRECT kOkButton = {486, 523, 75, 23};  // in the dialog's client area
const uint32_t kFace = 0xC0C0C0;
// Motif's window manager functions.
const unsigned long kFuncMove = 1ul << 2;
const unsigned long kFuncMinimize = 1ul << 3;
const unsigned long kFuncClose = 1ul << 5;

bool Has(const std::vector<std::string>& names, const std::string& strName)
{
    return std::find(names.begin(), names.end(), strName) != names.end();
}

unsigned long MotifFunctions(CXScreen& screen, unsigned long nWindow)
{
    std::vector<unsigned long> hints = screen.GetCardinals(nWindow, "_MOTIF_WM_HINTS");
    return hints.size() >= 2 && (hints[0] & 1ul) != 0 ? hints[1] : ~0ul;
}

class WindowManagerGuiTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_gui.Start(true)) << m_gui.m_strError; }

    unsigned long WaitForWindow(const std::string& strTitle)
    {
        unsigned long nWindow = 0;
        CGuiProgram::WaitUntil([&]() { return (nWindow = m_gui.m_screen.FindWindow(strTitle)) != 0; });
        return nWindow;
    }
    // The frame, the text and the dots of the focus rectangle.
    size_t MarksOnOkButton()
    {
        std::vector<uint32_t> pixels = m_gui.Grab(kOkButton.x, kOkButton.y, kOkButton.cx, kOkButton.cy);
        return static_cast<size_t>(pixels.size() - std::count(pixels.begin(), pixels.end(), kFace));
    }

    CGuiProgram m_gui;
};

TEST_F(WindowManagerGuiTest, AfterADragTheTooltipAndTheAboutBoxLandOnTheDialogsRealPlace)
{
    const XRECT rcStart = m_gui.m_rcWindow;
    ASSERT_TRUE(m_gui.Xdotool({"windowmove", std::to_string(m_gui.m_nWindow), "101", "120"}));
    ASSERT_TRUE(CGuiProgram::WaitUntil([&]() { return m_gui.m_screen.GetWindowRect(m_gui.m_nWindow).x != rcStart.x; }));
    m_gui.WaitUntilSettled();
    const unsigned long nMain = m_gui.m_nWindow;
    EXPECT_EQ(m_gui.m_screen.GetAtomNames(nMain, "_NET_WM_WINDOW_TYPE"),
              std::vector<std::string>{"_NET_WM_WINDOW_TYPE_NORMAL"});
    EXPECT_EQ(MotifFunctions(m_gui.m_screen, nMain), kFuncMove | kFuncMinimize | kFuncClose);

    ASSERT_TRUE(m_gui.MoveTo(kLinkX, kLinkY));
    unsigned long nTip = 0;
    ASSERT_TRUE(CGuiProgram::WaitUntil(
        [&]() { return (nTip = m_gui.m_screen.FindWindowOfType("_NET_WM_WINDOW_TYPE_TOOLTIP")) != 0; }));
    const XRECT rcTip = m_gui.m_screen.GetWindowRect(nTip);
    EXPECT_EQ(rcTip.x, m_gui.m_rcWindow.x + kLinkX);
    EXPECT_EQ(rcTip.y, m_gui.m_rcWindow.y + kLinkY + kBelowPointer);
    EXPECT_TRUE(Has(m_gui.m_screen.GetAtomNames(nTip, "_NET_WM_STATE"), "_NET_WM_STATE_SKIP_TASKBAR"));

    ASSERT_TRUE(m_gui.Click(kBareX, kBareY, 3));
    ASSERT_TRUE(m_gui.Xdotool({"key", "a"}));
    const unsigned long nAbout = WaitForWindow("About Brelvin");
    ASSERT_NE(nAbout, 0u);
    const XRECT rcAbout = m_gui.m_screen.GetWindowRect(nAbout);
    EXPECT_NEAR(rcAbout.x + rcAbout.cx / 2, m_gui.m_rcWindow.x + m_gui.m_rcWindow.cx / 2, 1);
    EXPECT_NEAR(rcAbout.y + rcAbout.cy / 2, m_gui.m_rcWindow.y + m_gui.m_rcWindow.cy / 2, 1);
    EXPECT_EQ(m_gui.m_screen.GetAtomNames(nAbout, "_NET_WM_WINDOW_TYPE"),
              std::vector<std::string>{"_NET_WM_WINDOW_TYPE_DIALOG"});
    EXPECT_TRUE(Has(m_gui.m_screen.GetAtomNames(nAbout, "_NET_WM_STATE"), "_NET_WM_STATE_MODAL"));
    EXPECT_EQ(m_gui.m_screen.GetCardinals(nAbout, "WM_TRANSIENT_FOR"), std::vector<unsigned long>{nMain});
    EXPECT_EQ(MotifFunctions(m_gui.m_screen, nAbout), kFuncMove | kFuncClose);
}

TEST_F(WindowManagerGuiTest, TheFocusRectangleShowsOnlyWhileTheDialogIsActive)
{
    const size_t nActive = MarksOnOkButton();
    m_gui.m_screen.CreateWindow("Another program", XRECT{0, 0, 120, 80});
    const unsigned long nOther = WaitForWindow("Another program");
    ASSERT_NE(nOther, 0u);
    ASSERT_TRUE(m_gui.Xdotool({"windowactivate", "--sync", std::to_string(nOther)}));
    EXPECT_TRUE(CGuiProgram::WaitUntil([&]() { return MarksOnOkButton() < nActive; })) << "still shown inactive";
    ASSERT_TRUE(m_gui.Xdotool({"windowactivate", "--sync", std::to_string(m_gui.m_nWindow)}));
    EXPECT_TRUE(CGuiProgram::WaitUntil([&]() { return MarksOnOkButton() == nActive; })) << "not shown again";
}

}  // namespace
