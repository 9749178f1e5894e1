// Start-up failures a user can meet, on the real program: no display, or no usable
// font. Each gives one line on stderr naming the cause and exit code 1.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/WindowTestSupport.h"

namespace {

RUN_RESULT RunProgram(const std::string& strEnv) { return RunWithoutDisplay(BRELVIN_PROGRAM, strEnv); }

void ExpectOneLineStartingWith(const RUN_RESULT& result, const std::string& strStart)
{
    EXPECT_EQ(result.nExitCode, 1) << result.strOutput;
    ASSERT_FALSE(result.strOutput.empty());
    EXPECT_EQ(result.strOutput.find('\n'), result.strOutput.size() - 1) << result.strOutput;
    EXPECT_EQ(result.strOutput.rfind(strStart, 0), 0u) << result.strOutput;
}

// An empty fontconfig configuration: fontconfig then knows no font at all.
class CEmptyFontConfig {
public:
    CEmptyFontConfig()
    {
        char szPath[] = "/tmp/brelvin-nofonts-XXXXXX";
        int fd = mkstemp(szPath);
        if (fd >= 0) {
            const char szEmpty[] = "<?xml version=\"1.0\"?><fontconfig></fontconfig>\n";
            m_bWritten = write(fd, szEmpty, sizeof szEmpty - 1) == static_cast<ssize_t>(sizeof szEmpty - 1);
            close(fd);
            m_strPath = szPath;
        }
    }
    ~CEmptyFontConfig()
    {
        if (!m_strPath.empty())
            unlink(m_strPath.c_str());
    }
    bool m_bWritten = false;
    std::string m_strPath;
};

TEST(StartupTest, WithoutADisplayOneLineNamesTheCause)
{
    ExpectOneLineStartingWith(RunProgram(""), "brelvin: cannot start: no display");
}

TEST(StartupTest, WithoutAUsableFontOneLineNamesTheCause)
{
    CEmptyFontConfig config;
    ASSERT_TRUE(config.m_bWritten);
    RUN_RESULT result = RunProgram("SDL_VIDEODRIVER=dummy FONTCONFIG_FILE='" + config.m_strPath + "'");
    ExpectOneLineStartingWith(result, "brelvin: cannot start: No usable font");
}

}  // namespace
