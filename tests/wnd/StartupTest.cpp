// The framework's start-up as a user meets it: the application's name comes from the
// program file, and without a display the program says so in one line and ends with 1.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct RUN_RESULT {
    int nExitCode;
    std::string strOutput;
};

RUN_RESULT RunProbe(const std::string& strEnv)
{
    std::string strCommand = "env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER " + strEnv + " '" +
                             WND_STARTUP_PROBE + "' 2>&1";
    RUN_RESULT result = {-1, ""};
    FILE* pPipe = popen(strCommand.c_str(), "r");
    if (pPipe == nullptr)
        return result;
    char szBuffer[512];
    while (std::fgets(szBuffer, sizeof szBuffer, pPipe) != nullptr)
        result.strOutput += szBuffer;
    int nStatus = pclose(pPipe);
    result.nExitCode = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    return result;
}

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
