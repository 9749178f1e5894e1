#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/shell/ProcessAPI.h"
#include "tests/shell/CTempDir.h"

namespace {

// Waits for a condition that a child process brings about; gives up after ten seconds so
// that a fault fails the test instead of hanging it.
template <class TCondition>
bool WaitUntil(TCondition condition)
{
    for (int i = 0; i < 1000; ++i) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return condition();
}

bool ProcessGone(DWORD dwProcessId)
{
    return access(("/proc/" + std::to_string(dwProcessId)).c_str(), F_OK) != 0;
}

BOOL Start(std::string strCommandLine, PROCESS_INFORMATION& pi, LPCTSTR pszDirectory = nullptr)
{
    STARTUPINFO si = {};
    si.cb = sizeof(si);
    return CreateProcess(nullptr, strCommandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, pszDirectory, &si, &pi);
}

TEST(CreateProcess, StartsAProgramAndGivesHandles)
{
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(Start("true", pi));
    EXPECT_GT(reinterpret_cast<UINT_PTR>(pi.hProcess), 32u);
    EXPECT_GT(reinterpret_cast<UINT_PTR>(pi.hThread), 32u);
    EXPECT_NE(pi.hProcess, pi.hThread);
    EXPECT_GT(pi.dwProcessId, 0u);
    EXPECT_TRUE(CloseHandle(pi.hThread));
    EXPECT_TRUE(CloseHandle(pi.hProcess));
    EXPECT_FALSE(CloseHandle(pi.hProcess));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(CreateProcess, ChildIsReapedWhenItEnds)
{
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(Start("true", pi));
    // A zombie keeps its /proc entry until its parent collects it.
    EXPECT_TRUE(WaitUntil([&] { return ProcessGone(pi.dwProcessId); }));
    EXPECT_EQ(waitpid(static_cast<pid_t>(pi.dwProcessId), nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

TEST(CreateProcess, ProgramThatCannotStartFails)
{
    CTempDir dir;
    ASSERT_TRUE(dir.IsValid());
    std::string strPlain = dir.Write("plain file", "not a program\n");
    PROCESS_INFORMATION pi = {};
    struct {
        std::string strCommandLine;
        DWORD dwError;
    } const cases[] = {
        {"brelvin-no-such-program --flag", ERROR_FILE_NOT_FOUND},
        {dir.Path("missing") + " x", ERROR_FILE_NOT_FOUND},
        {"\"" + strPlain + "\" x", ERROR_ACCESS_DENIED},
        {"   ", ERROR_FILE_NOT_FOUND},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(Start(c.strCommandLine, pi)) << c.strCommandLine;
        EXPECT_EQ(GetLastError(), c.dwError) << c.strCommandLine;
    }
    EXPECT_FALSE(Start("true", pi, dir.Path("no such folder").c_str()));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
}

TEST(CreateProcess, RefusesWhatItCannotHonour)
{
    char szCommand[] = "true";
    STARTUPINFO si = {};
    PROCESS_INFORMATION pi = {};
    char szEnvironment[] = "A=B\0";
    EXPECT_FALSE(CreateProcess("/bin/true", szCommand, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    EXPECT_FALSE(CreateProcess(nullptr, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    EXPECT_FALSE(CreateProcess(nullptr, szCommand, nullptr, nullptr, FALSE, 0, szEnvironment, nullptr, &si, &pi));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

// The program, with a blank in its path, writes its folder and arguments, one a line, and
// then renames the file into place so that the test sees it whole.
TEST(CreateProcess, ArgumentsArriveAsSplitWithoutAShell)
{
    CTempDir dir;
    ASSERT_TRUE(dir.IsValid());
    std::string strOut = dir.Path("out");
    std::string strProgram = dir.Write("my bin/record",
                                       "#!/bin/sh\n{ pwd; for a; do printf '%s\\n' \"$a\"; done; } > '" + strOut +
                                           ".tmp'\nmv '" + strOut + ".tmp' '" + strOut + "'\n",
                                       true);
    dir.Write("work/.keep", "");
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(Start("\"" + strProgram + "\" \"a b\" $HOME;echo `id` c\\\"d  http://example.org/x y",
                      pi, dir.Path("work").c_str()));
    ASSERT_TRUE(WaitUntil([&] { return dir.Exists("out"); }));
    EXPECT_EQ(dir.Read("out"), dir.Path("work") + "\na b\n$HOME;echo\n`id`\nc\"d\nhttp://example.org/x\ny\n");
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

}  // namespace
