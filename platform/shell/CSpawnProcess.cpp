#include "platform/shell/CSpawnProcess.h"

#include <sys/wait.h>

#include <cerrno>
#include <system_error>
#include <thread>

#include "platform/shell/AfxCommandLine.h"
#include "platform/shell/AfxSpawn.h"
#include "platform/shell/WinError.h"

namespace {

void WaitFor(pid_t pid)
{
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace

LONG CSpawnProcess::Start(LPCTSTR pszCommandLine, LPCTSTR pszDirectory, DWORD& dwProcessId)
{
    ReapPending();
    std::vector<std::string> args = AfxSplitCommandLine(pszCommandLine);
    if (args.empty()) {
        return ERROR_FILE_NOT_FOUND;
    }
    if (pszDirectory != nullptr && *pszDirectory != '\0' && !AfxIsDirectory(pszDirectory)) {
        return ERROR_PATH_NOT_FOUND;
    }
    pid_t pid = 0;
    int nError = AfxSpawn(args, pszDirectory, true, pid);
    if (nError != 0) {
        return ErrorFromSpawnError(nError);
    }
    Reap(pid);
    dwProcessId = static_cast<DWORD>(pid);
    return ERROR_SUCCESS;
}

LONG CSpawnProcess::ErrorFromSpawnError(int nError)
{
    switch (nError) {
    case ENOENT:
    case ENOTDIR:
        return ERROR_FILE_NOT_FOUND;
    case EACCES:
    case EPERM:
        return ERROR_ACCESS_DENIED;
    case ENOEXEC:
        return ERROR_BAD_FORMAT;
    case ENOMEM:
    case EAGAIN:
        return ERROR_NOT_ENOUGH_MEMORY;
    default:
        return ERROR_GEN_FAILURE;
    }
}

// A detached thread waits for each child: it is reaped the moment it ends, without a
// SIGCHLD handler that could clash with other code in the process.
void CSpawnProcess::Reap(pid_t pid)
{
    try {
        std::thread(WaitFor, pid).detach();
    } catch (const std::system_error&) {
        std::lock_guard<std::mutex> lock(m_pendingMutex);
        m_pending.push_back(pid);
    }
}

void CSpawnProcess::ReapPending()
{
    std::lock_guard<std::mutex> lock(m_pendingMutex);
    std::vector<pid_t> stillRunning;
    for (pid_t pid : m_pending) {
        if (waitpid(pid, nullptr, WNOHANG) == 0) {
            stillRunning.push_back(pid);
        }
    }
    m_pending.swap(stillRunning);
}
