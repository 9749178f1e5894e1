#include "tests/gui/CChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

extern char** environ;

CChildProcess::~CChildProcess() { Stop(); }

bool CChildProcess::Start(const std::vector<std::string>& argv, const std::vector<std::string>& env, int nKeepFd,
                          const std::string& strErrorFile)
{
    // A variable given here replaces the inherited one: a DISPLAY of the test's own must
    // win over the desktop's.
    auto isGiven = [&env](const std::string& strVar) {
        std::string strName = strVar.substr(0, strVar.find('='));
        for (const std::string& strGiven : env) {
            if (strGiven == strName || strGiven.compare(0, strName.size() + 1, strName + "=") == 0)
                return true;
        }
        return false;
    };
    std::vector<std::string> allEnv;
    for (char** pp = environ; *pp != nullptr; ++pp) {
        if (!isGiven(*pp))
            allEnv.push_back(*pp);
    }
    for (const std::string& strVar : env) {
        if (strVar.find('=') != std::string::npos)
            allEnv.push_back(strVar);
    }
    std::vector<char*> args, envp;
    for (const std::string& s : argv)
        args.push_back(const_cast<char*>(s.c_str()));
    args.push_back(nullptr);
    for (const std::string& s : allEnv)
        envp.push_back(const_cast<char*>(s.c_str()));
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // Only the descriptor the child needs: the test's pipes stay with the test.
    for (int fd = 3; fd < 64; ++fd) {
        if (fd != nKeepFd)
            posix_spawn_file_actions_addclose(&actions, fd);
    }
    if (!strErrorFile.empty())
        posix_spawn_file_actions_addopen(&actions, 2, strErrorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int nError = posix_spawn(&m_pid, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (nError != 0)
        m_pid = -1;
    return m_pid > 0;
}

int CChildProcess::Wait(int nTimeoutMs)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(nTimeoutMs);
    while (m_pid > 0) {
        int nStatus = 0;
        pid_t pid = waitpid(m_pid, &nStatus, WNOHANG);
        if (pid == m_pid) {
            m_nExitCode = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
            m_pid = -1;
            return m_nExitCode;
        }
        if (pid < 0 || std::chrono::steady_clock::now() >= end)
            return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return m_nExitCode;
}

bool CChildProcess::IsRunning() { return m_pid > 0 && Wait(0) == -1 && m_pid > 0; }

void CChildProcess::Stop()
{
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    if (Wait(2000) == -1 && m_pid > 0) {
        kill(m_pid, SIGKILL);
        Wait(5000);
    }
}
