#include "platform/shell/AfxSpawn.h"

#include "platform/backend/AfxBackend.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

extern char** environ;

namespace {

int SetUpActions(posix_spawn_file_actions_t& actions, LPCTSTR pszDirectory)
{
    // Our windows' connections and files are none of the child's business.
    int nError = posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    if (nError == 0 && pszDirectory != nullptr && *pszDirectory != '\0') {
        nError = posix_spawn_file_actions_addchdir_np(&actions, pszDirectory);
    }
    return nError;
}

int SetUpAttributes(posix_spawnattr_t& attr, bool bNewSession)
{
    sigset_t noSignals;
    sigset_t allSignals;
    sigemptyset(&noSignals);
    sigfillset(&allSignals);
    short nFlags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
    if (bNewSession) {
        nFlags |= POSIX_SPAWN_SETSID;
    }
    int nError = posix_spawnattr_setsigmask(&attr, &noSignals);
    if (nError == 0) {
        nError = posix_spawnattr_setsigdefault(&attr, &allSignals);
    }
    if (nError == 0) {
        nError = posix_spawnattr_setflags(&attr, nFlags);
    }
    return nError;
}

void WaitFor(pid_t pid)
{
    while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
    }
}

// Children whose waiting thread could not be started; collected at the next spawn.
std::mutex g_pendingMutex;
std::vector<pid_t> g_pending;

void ReapPending()
{
    std::lock_guard<std::mutex> lock(g_pendingMutex);
    std::vector<pid_t> stillRunning;
    for (pid_t pid : g_pending) {
        if (waitpid(pid, nullptr, WNOHANG) == 0) {
            stillRunning.push_back(pid);
        }
    }
    g_pending.swap(stillRunning);
}

}  // namespace

int AfxSpawn(const std::vector<std::string>& args, LPCTSTR pszDirectory, bool bNewSession, pid_t& pid)
{
    ReapPending();
    if (args.empty() || args[0].empty()) {
        return ENOENT;
    }
    std::vector<char*> argv;
    for (const std::string& strArg : args) {
        argv.push_back(const_cast<char*>(strArg.c_str()));
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attr;
    if (posix_spawn_file_actions_init(&actions) != 0) {
        return ENOMEM;
    }
    int nError = posix_spawnattr_init(&attr);
    if (nError == 0) {
        nError = SetUpActions(actions, pszDirectory);
        if (nError == 0) {
            nError = SetUpAttributes(attr, bNewSession);
        }
        if (nError == 0) {
            nError = posix_spawnp(&pid, argv[0], &actions, &attr, argv.data(), environ);
        }
        posix_spawnattr_destroy(&attr);
    }
    posix_spawn_file_actions_destroy(&actions);
    return nError;
}

bool AfxIsDirectory(LPCTSTR pszPath)
{
    struct stat st;
    return pszPath != nullptr && stat(pszPath, &st) == 0 && S_ISDIR(st.st_mode);
}

int AfxWaitForChild(pid_t pid, int nTimeoutMs, int& nStatus)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(nTimeoutMs);
    for (;;) {
        pid_t nDone = waitpid(pid, &nStatus, WNOHANG);
        if (nDone == pid) {
            return 1;
        }
        if (nDone < 0 && errno != EINTR) {
            return -1;
        }
        if (std::chrono::steady_clock::now() >= end) {
            return 0;
        }
        AfxBackendWaitOutside(5);
    }
}

// A detached thread waits for each child: it is reaped the moment it ends, without a
// SIGCHLD handler that could clash with other code in the process.
void AfxReapLater(pid_t pid)
{
    try {
        std::thread(WaitFor, pid).detach();
    } catch (const std::system_error&) {
        std::lock_guard<std::mutex> lock(g_pendingMutex);
        g_pending.push_back(pid);
    }
}
