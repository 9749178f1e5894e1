// SIGINT and SIGTERM while a file is being written: the file is removed first, then the
// signal ends the program as it otherwise would. From construction on, and again after
// Hold, the two signals wait, so that none falls between creating the file and watching
// it, or between letting go of it and renaming or removing it.
#pragma once

#include <signal.h>

#include "platform/core/WinDef.h"

class CInterruptCleanup {
public:
    CInterruptCleanup();
    // The signals' handlers and mask as they were; a signal that waited acts now.
    ~CInterruptCleanup();
    CInterruptCleanup(const CInterruptCleanup&) = delete;
    CInterruptCleanup& operator=(const CInterruptCleanup&) = delete;

    // From now on either signal removes lpszPath, which must stay valid until Hold. A signal
    // that the program ignores stays ignored.
    void Watch(LPCTSTR lpszPath);
    // The signals wait again, and the file is no longer removed.
    void Hold();

private:
    sigset_t m_oldMask;
    struct sigaction m_oldActions[2];
};
