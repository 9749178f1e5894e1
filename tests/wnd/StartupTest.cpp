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
    EXPECT_EQ(result.strOutput, "wnd_startup_probe\n");
}

}  // namespace
