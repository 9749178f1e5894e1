// The framework's start-up as a user meets it: the application's name comes from the
// program file, and without a display the program says so in one line and ends with 1.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/WindowTestSupport.h"

namespace {

RUN_RESULT RunProbe(const std::string& strEnv) { return RunWithoutDisplay(WND_STARTUP_PROBE, strEnv); }

TEST(StartupTest, WithoutADisplayOneLineNamesTheCauseAndTheExitCodeIsOne)
{
    RUN_RESULT result = RunProbe("");
    EXPECT_EQ(result.nExitCode, 1);
    ASSERT_FALSE(result.strOutput.empty());
    EXPECT_EQ(result.strOutput.find('\n'), result.strOutput.size() - 1) << result.strOutput;
    EXPECT_EQ(result.strOutput.rfind("wnd_startup_probe: cannot start: no display", 0), 0u) << result.strOutput;
}

TEST(StartupTest, ApplicationNameIsTheProgramFileName)
{
    RUN_RESULT result = RunProbe("SDL_VIDEODRIVER=dummy");
    EXPECT_EQ(result.nExitCode, 0);
    EXPECT_EQ(result.strOutput.substr(0, result.strOutput.find('\n') + 1), "wnd_startup_probe\n");
}

// The display start-up hides the compose table for a moment only: programs started later,
// such as the browser behind a link, see the user's environment unchanged.
TEST(StartupTest, TheUsersComposeTableSettingIsAsItWasOnceStarted)
{
    EXPECT_EQ(RunProbe("-u XCOMPOSEFILE SDL_VIDEODRIVER=dummy").strOutput, "wnd_startup_probe\nXCOMPOSEFILE unset\n");
    EXPECT_EQ(RunProbe("SDL_VIDEODRIVER=dummy XCOMPOSEFILE=/home/me/.XCompose").strOutput,
              "wnd_startup_probe\nXCOMPOSEFILE /home/me/.XCompose\n");
}

}  // namespace
