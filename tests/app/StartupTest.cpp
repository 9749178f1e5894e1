// Start-up as a user meets it on the real program: no display, or no usable font, each
// one line on stderr naming the cause and exit code 1; the command line, answered without
// a display and without a window.
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

// Each run has no display: a program that tried to open its window would end with
// "cannot start: no display" and exit code 1 instead.
RUN_RESULT RunWithArgs(const std::string& strArgs, const std::string& strStreams)
{
    return RunWithoutDisplay(BRELVIN_PROGRAM, "", strArgs, strStreams);
}

TEST(CommandLineTest, HelpAndVersionAnswerOnStandardOutputAndEndWithZero)
{
    RUN_RESULT help = RunWithArgs("--help", "2>/dev/null");
    EXPECT_EQ(help.nExitCode, 0);
    EXPECT_EQ(help.strOutput.rfind("Usage: brelvin [--help] [--version]\n", 0), 0u) << help.strOutput;
    EXPECT_NE(help.strOutput.find("  --version "), std::string::npos) << help.strOutput;
    EXPECT_EQ(RunWithArgs("--help", "2>&1 >/dev/null").strOutput, "");

    RUN_RESULT version = RunWithArgs("--version", "2>&1");
    EXPECT_EQ(version.nExitCode, 0);
    EXPECT_EQ(version.strOutput, "brelvin " BRELVIN_PROJECT_VERSION "\n");
    // The first of the two answers.
    EXPECT_EQ(RunWithArgs("--version --help", "2>&1").strOutput, version.strOutput);

    RUN_RESULT unwritten = RunWithArgs("--version", "2>&1 >/dev/full");
    EXPECT_EQ(unwritten.nExitCode, 1);
    EXPECT_EQ(unwritten.strOutput, "brelvin: cannot write to standard output: No space left on device\n");
}

TEST(CommandLineTest, AnyOtherArgumentIsRefusedInOneLineNamingHelpWithExitCodeTwo)
{
    const struct {
        const char* pszArgs;
        const char* pszLine;
    } kCases[] = {
        {"--verbose", "brelvin: unknown option '--verbose'; try 'brelvin --help'\n"},
        {"-h", "brelvin: unexpected argument '-h'; try 'brelvin --help'\n"},
        {"--help 2027", "brelvin: unexpected argument '2027'; try 'brelvin --help'\n"},
        {"\"$(printf 'a\\033[2Jb')\" --version", "brelvin: unexpected argument 'a\\x1b[2Jb'; try 'brelvin --help'\n"},
    };
    for (const auto& c : kCases) {
        RUN_RESULT refused = RunWithArgs(c.pszArgs, "2>&1 >/dev/null");
        EXPECT_EQ(refused.nExitCode, 2) << c.pszArgs;
        EXPECT_EQ(refused.strOutput, c.pszLine) << c.pszArgs;
        EXPECT_EQ(RunWithArgs(c.pszArgs, "2>/dev/null").strOutput, "") << c.pszArgs;
    }
}

}  // namespace
