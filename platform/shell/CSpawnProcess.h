// Starts command lines as processes with posix_spawnp, never through a shell, and reaps
// every child as soon as it ends, so that none is left a zombie.
#pragma once

#include "platform/shell/IAfxProcess.h"

class CSpawnProcess : public IAfxProcess {
public:
    // Splits the command line by the Windows rules and starts its program, searched on
    // PATH, in a session of its own.
    LONG Start(LPCTSTR pszCommandLine, LPCTSTR pszDirectory, DWORD& dwProcessId) override;

    // A failure to start as a system error code.
    static LONG ErrorFromSpawnError(int nError);
};
