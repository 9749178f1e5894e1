#include "tools/brelvin-render/CInterruptCleanup.h"

#include <unistd.h>

namespace {

const int kSignals[] = {SIGINT, SIGTERM};

const char* volatile s_pszPath = nullptr;

sigset_t WatchedSignals()
{
    sigset_t set;
    sigemptyset(&set);
    for (int nSignal : kSignals) {
        sigaddset(&set, nSignal);
    }
    return set;
}

extern "C" void RemoveAndEnd(int nSignal)
{
    const char* pszPath = s_pszPath;
    if (pszPath != nullptr) {
        unlink(pszPath);
    }
    // Delivered again as the handler returns, now with the default action.
    signal(nSignal, SIG_DFL);
    raise(nSignal);
}

}  // namespace

CInterruptCleanup::CInterruptCleanup()
{
    const sigset_t set = WatchedSignals();
    sigprocmask(SIG_BLOCK, &set, &m_oldMask);
    for (int i = 0; i < 2; ++i) {
        sigaction(kSignals[i], nullptr, &m_oldActions[i]);
    }
}

CInterruptCleanup::~CInterruptCleanup()
{
    Hold();
    for (int i = 0; i < 2; ++i) {
        sigaction(kSignals[i], &m_oldActions[i], nullptr);
    }
    sigprocmask(SIG_SETMASK, &m_oldMask, nullptr);
}

void CInterruptCleanup::Watch(LPCTSTR lpszPath)
{
    s_pszPath = lpszPath;
    struct sigaction action = {};
    action.sa_handler = RemoveAndEnd;
    action.sa_mask = WatchedSignals();
    for (int i = 0; i < 2; ++i) {
        if (m_oldActions[i].sa_handler != SIG_IGN) {
            sigaction(kSignals[i], &action, nullptr);
        }
    }
    sigprocmask(SIG_SETMASK, &m_oldMask, nullptr);
}

void CInterruptCleanup::Hold()
{
    const sigset_t set = WatchedSignals();
    sigprocmask(SIG_BLOCK, &set, nullptr);
    s_pszPath = nullptr;
}
