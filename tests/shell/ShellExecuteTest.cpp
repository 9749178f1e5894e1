#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/shell/ShellAPI.h"
#include "platform/core/WinError.h"
#include "tests/shell/CEnvOverride.h"
#include "tests/shell/CTempDir.h"

namespace {

const int c_nShow = 5;

// A stand-in xdg-open, alone on PATH, that records its arguments and folder and exits
// with a chosen code.
class ShellExecuteTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.IsValid()); }

    void InstallXdgOpen(const std::string& strExit, bool bExecutable = true)
    {
        m_dir.Write("bin/xdg-open",
                    "#!/bin/sh\n"
                    "printf '%s' \"$#\" > '" + m_dir.Path("argc") + "'\n"
                    "printf '%s' \"$1\" > '" + m_dir.Path("arg") + "'\n"
                    "pwd > '" + m_dir.Path("cwd") + "'\n" +
                        strExit + "\n",
                    bExecutable);
    }

    INT_PTR Open(LPCTSTR pszFile, LPCTSTR pszDirectory = nullptr, LPCTSTR pszVerb = "open")
    {
        return reinterpret_cast<INT_PTR>(ShellExecute(nullptr, pszVerb, pszFile, nullptr, pszDirectory, c_nShow));
    }

    CTempDir m_dir;
    CEnvOverride m_path{"PATH", m_dir.Path("bin")};
};

TEST_F(ShellExecuteTest, OpensTheAddressAsOneArgumentWithoutAShell)
{
    InstallXdgOpen("exit 0");
    const char c_szAddress[] = "http://example.org/a b?q=$(touch x)&r=`id`;s='t' \"u\"";
    EXPECT_GT(Open(c_szAddress), 32);
    EXPECT_EQ(m_dir.Read("argc"), "1");
    EXPECT_EQ(m_dir.Read("arg"), c_szAddress);
    EXPECT_FALSE(m_dir.Exists("bin/x"));
}

TEST_F(ShellExecuteTest, ExitCodesBecomeShellResults)
{
    struct {
        const char* pszExit;
        INT_PTR nExpected;
    } const cases[] = {
        {"exit 2", SE_ERR_FNF},
        {"exit 3", SE_ERR_NOASSOC},
        {"exit 4", SE_ERR_NOASSOC},
        {"exit 1", SE_ERR_ASSOCINCOMPLETE},
        {"exit 9", SE_ERR_ASSOCINCOMPLETE},
        {"kill -KILL $$", SE_ERR_ASSOCINCOMPLETE},
    };
    for (const auto& c : cases) {
        InstallXdgOpen(c.pszExit);
        EXPECT_EQ(Open("http://example.org/"), c.nExpected) << c.pszExit;
    }
}

TEST_F(ShellExecuteTest, XdgOpenThatCannotRun)
{
    EXPECT_EQ(Open("http://example.org/"), SE_ERR_NOASSOC);  // not on PATH at all
    InstallXdgOpen("exit 0", false);
    EXPECT_EQ(Open("http://example.org/"), SE_ERR_ACCESSDENIED);
    m_dir.Write("bin/xdg-open", "no interpreter line\n", true);
    EXPECT_EQ(Open("http://example.org/"), ERROR_BAD_FORMAT);
}

TEST_F(ShellExecuteTest, RunsInTheGivenFolder)
{
    InstallXdgOpen("exit 0");
    m_dir.Write("docs/page.htm", "<p>");
    EXPECT_GT(Open("page.htm", m_dir.Path("docs").c_str()), 32);
    EXPECT_EQ(m_dir.Read("cwd"), m_dir.Path("docs") + "\n");
}

TEST_F(ShellExecuteTest, RefusesWithoutRunningXdgOpen)
{
    InstallXdgOpen("exit 0");
    EXPECT_EQ(Open("page.htm", m_dir.Path("missing").c_str()), SE_ERR_PNF);
    EXPECT_EQ(Open("http://example.org/", nullptr, "print"), SE_ERR_NOASSOC);
    EXPECT_EQ(Open(""), SE_ERR_FNF);
    EXPECT_EQ(Open(nullptr), SE_ERR_FNF);
    EXPECT_FALSE(m_dir.Exists("arg"));
    EXPECT_GT(Open("http://example.org/", nullptr, nullptr), 32);  // no verb is "open"
}

// A browser that xdg-open runs in the foreground: the open counts as done while it still
// runs, and it is reaped, never left a zombie, once it ends.
TEST_F(ShellExecuteTest, AnOpenerStillRunningCountsAsStartedAndIsReapedWhenItEnds)
{
    InstallXdgOpen("echo $$ > '" + m_dir.Path("pid") + "'; exec /bin/sleep 60");
    EXPECT_GT(Open("http://example.org/"), 32);
    const pid_t pid = static_cast<pid_t>(std::stol(m_dir.Read("pid")));
    const std::string strProc = "/proc/" + std::to_string(pid);
    EXPECT_TRUE(std::filesystem::exists(strProc)) << "the opener was waited for to its end";
    kill(pid, SIGTERM);
    bool bGone = false;
    for (int i = 0; i < 500 && !bGone; ++i) {
        bGone = !std::filesystem::exists(strProc);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(bGone) << "the ended opener was left a zombie";
}

}  // namespace
