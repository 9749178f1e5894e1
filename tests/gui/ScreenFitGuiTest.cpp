// Every window on the screen: a factor that would make the dialog larger than a 1920x1080
// screen is lowered to the largest that fits, and said; a box of a dialog near the corner
// opens inside the screen.
#include <gtest/gtest.h>

#include "tests/gui/CGuiProgram.h"

namespace {

const int kScreenWidth = 1920;
const int kScreenHeight = 1080;

bool IsOnScreen(const XRECT& rc)
{
    return rc.cx > 0 && rc.x >= 0 && rc.y >= 0 && rc.x + rc.cx <= kScreenWidth && rc.y + rc.cy <= kScreenHeight;
}

// The window with the window manager's frame around it, where there is one.
XRECT Framed(CGuiProgram& program, unsigned long nWindow)
{
    XRECT rc = program.m_screen.GetWindowRect(nWindow);
    const std::vector<unsigned long> frame = program.m_screen.GetCardinals(nWindow, "_NET_FRAME_EXTENTS");
    if (frame.size() == 4)
        rc = XRECT{rc.x - static_cast<int>(frame[0]), rc.y - static_cast<int>(frame[2]),
                   rc.cx + static_cast<int>(frame[0] + frame[1]), rc.cy + static_cast<int>(frame[2] + frame[3])};
    return rc;
}

void ExpectFitted(const std::string& strVariable, bool bWindowManager, const std::string& strSaid)
{
    CGuiProgram program;
    program.m_xvfb.m_strScreen = std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) + "x24";
    program.m_env = {strVariable};
    ASSERT_TRUE(program.Start(bWindowManager)) << program.m_strError;
    // 651 x 557 at 1.75 is the largest that leaves room for a title bar.
    EXPECT_EQ(program.m_rcWindow.cx, 1139) << strVariable;
    EXPECT_TRUE(IsOnScreen(Framed(program, program.m_nWindow))) << strVariable;
    EXPECT_EQ(program.ErrorOutput(), "brelvin: at a factor of " + strSaid + " the window does not fit the screen; using 1.75\n");
}

TEST(ScreenFitGuiTest, AFactorTooLargeForTheScreenIsLoweredAndSaidAndBoxesStayOnIt)
{
    ExpectFitted("BRELVIN_SCALE=4", false, "4 (from BRELVIN_SCALE)");
    ExpectFitted("GDK_SCALE=2", true, "2 (from GDK_SCALE)");

    CGuiProgram program;
    program.m_xvfb.m_strScreen = std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) + "x24";
    ASSERT_TRUE(program.Start(false)) << program.m_strError;
    const std::string strDialog = std::to_string(program.m_nWindow);
    ASSERT_TRUE(program.Xdotool({"windowmove", "--sync", strDialog, std::to_string(kScreenWidth - 120),
                                 std::to_string(kScreenHeight - 90)}));
    ASSERT_TRUE(CGuiProgram::WaitUntil([&]() { return program.m_screen.GetWindowRect(program.m_nWindow).y > 900; }));
    ASSERT_TRUE(program.Xdotool({"windowfocus", "--sync", strDialog, "key", "shift+F10", "a"}));
    unsigned long nAbout = 0;
    ASSERT_TRUE(CGuiProgram::WaitUntil([&]() { return (nAbout = program.m_screen.FindWindow("About Brelvin")) != 0; }));
    EXPECT_TRUE(IsOnScreen(program.m_screen.GetWindowRect(nAbout)));
}

}  // namespace
