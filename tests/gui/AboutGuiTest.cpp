// The About box of the real program: a right click on the dialog's own surface opens the
// system menu, its "About Brelvin..." entry opens a window titled "About Brelvin", and
// Escape closes it again. Without a window manager the program hands the keyboard on itself.
#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include "tests/gui/CGuiProgram.h"

namespace {

TEST(AboutGuiTest, TheSystemMenusAboutEntryOpensTheAboutBoxAndEscapeClosesIt)
{
    CGuiProgram program;
    ASSERT_TRUE(program.Start()) << program.m_strError;
    // Below the link and between the buttons' column and the left edge: the bare surface.
    ASSERT_TRUE(program.Click(300, 552, 3));
    ASSERT_TRUE(program.Xdotool({"key", "a"}));
    unsigned long nAbout = 0;
    ASSERT_TRUE(CGuiProgram::WaitUntil([&]() { return (nAbout = program.m_screen.FindWindow("About Brelvin")) != 0; }))
        << "no About box";
    ASSERT_TRUE(program.Xdotool({"windowfocus", "--sync", std::to_string(nAbout), "key", "Escape"}));
    EXPECT_TRUE(CGuiProgram::WaitUntil([&]() { return program.m_screen.FindWindow("About Brelvin") == 0; }));
    EXPECT_TRUE(program.m_program.IsRunning());
    EXPECT_NE(program.m_screen.FindWindow("Brelvin"), 0u);
}

// The window that has the keyboard, as the X server sees it.
unsigned long FocusedWindow(CGuiProgram& program)
{
    Window focus = None;
    int nRevert = 0;
    XGetInputFocus(program.m_screen.Display(), &focus, &nRevert);
    return focus;
}

TEST(AboutGuiTest, WithoutAWindowManagerTheKeyboardComesBackAfterTheBoxAndWithAClick)
{
    CGuiProgram program;
    ASSERT_TRUE(program.Start(false)) << program.m_strError;
    ASSERT_TRUE(CGuiProgram::WaitUntil([&]() { return FocusedWindow(program) == program.m_nWindow; }));
    // Keys only, each to whatever window has the keyboard.
    ASSERT_TRUE(program.Xdotool({"key", "shift+F10"}));
    ASSERT_TRUE(program.Xdotool({"key", "a"}));
    unsigned long nAbout = 0;
    ASSERT_TRUE(CGuiProgram::WaitUntil([&]() { return (nAbout = program.m_screen.FindWindow("About Brelvin")) != 0; }));
    EXPECT_TRUE(CGuiProgram::WaitUntil([&]() { return FocusedWindow(program) == nAbout; }));
    ASSERT_TRUE(program.Xdotool({"key", "Escape"}));
    ASSERT_TRUE(CGuiProgram::WaitUntil([&]() { return program.m_screen.FindWindow("About Brelvin") == 0; }));
    EXPECT_TRUE(CGuiProgram::WaitUntil([&]() { return FocusedWindow(program) == program.m_nWindow; }));

    // The keyboard lost to nowhere comes back with a click on the dialog's bare surface.
    XSetInputFocus(program.m_screen.Display(), None, RevertToNone, CurrentTime);
    XSync(program.m_screen.Display(), False);
    ASSERT_TRUE(program.Click(300, 552));
    EXPECT_TRUE(CGuiProgram::WaitUntil([&]() { return FocusedWindow(program) == program.m_nWindow; }));
    ASSERT_TRUE(program.Xdotool({"key", "Escape"}));
    EXPECT_EQ(program.m_program.Wait(30000), 0);
}

}  // namespace
