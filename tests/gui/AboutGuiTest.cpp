// The About box of the real program: a right click on the dialog's own surface opens the
// system menu, its "About Brelvin..." entry opens a window titled "About Brelvin", and
// Escape closes it again.
#include <gtest/gtest.h>

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

}  // namespace
