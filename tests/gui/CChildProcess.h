// A program started for a test, with environment variables of its own (they replace the
// inherited ones of the same names; a name without "=value" only removes it); ended
// (TERM, then KILL) and reaped when the object goes, whatever the test's outcome.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

class CChildProcess {
public:
    CChildProcess() = default;
    ~CChildProcess();
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;

    // argv[0] is the program's path. nKeepFd, when >= 0, stays open in the child; with
    // strErrorFile its standard error goes to that file.
    bool Start(const std::vector<std::string>& argv, const std::vector<std::string>& env, int nKeepFd = -1,
               const std::string& strErrorFile = "");
    // Waits up to nTimeoutMs for the end; the exit code, or -1 (still running, or killed
    // by a signal).
    int Wait(int nTimeoutMs);
    bool IsRunning();
    void Stop();

    pid_t m_pid = -1;

private:
    int m_nExitCode = -1;
};
