// How a command line becomes a running process. posix_spawnp without a shell by default;
// a test installs its own, and puts the previous one back afterwards.
#pragma once

#include "platform/core/WinDef.h"

struct IAfxProcess {
    virtual ~IAfxProcess() = default;
    // Starts pszCommandLine in pszDirectory (null: the current one) and does not wait for
    // it: ERROR_SUCCESS and the process id, or an error code (ERROR_FILE_NOT_FOUND when
    // the program does not exist).
    virtual LONG Start(LPCTSTR pszCommandLine, LPCTSTR pszDirectory, DWORD& dwProcessId) = 0;
};

// Installs pProcess (null: the default) and returns the one it replaces (null when that
// was the default). The caller keeps pProcess alive while it is installed.
IAfxProcess* AfxSetProcess(IAfxProcess* pProcess);
IAfxProcess* AfxGetProcess();
