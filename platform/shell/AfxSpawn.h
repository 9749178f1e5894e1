// Starting a program from an argument vector, never through a shell.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "platform/core/WinDef.h"

// Starts args[0], searched on PATH, with args as its arguments, in pszDirectory (null or
// "": the current one). The child gets the caller's environment, no descriptors beyond
// 0, 1 and 2, an empty signal mask and default signal handling; with bNewSession it
// leads a session of its own, so that it outlives us quietly. 0 and the child's id in
// pid, or the errno of the failure (a missing program is ENOENT). The caller waits for
// or reaps the child.
int AfxSpawn(const std::vector<std::string>& args, LPCTSTR pszDirectory, bool bNewSession, pid_t& pid);

// Waits up to nTimeoutMs for the child to end: 1 with its wait status when it did, 0 while
// it still runs, -1 when it is not ours to wait for (someone else took its status).
int AfxWaitForChild(pid_t pid, int nTimeoutMs, int& nStatus);

// Reaps the child whenever it ends, without waiting for it here, so that no zombie is
// left behind.
void AfxReapLater(pid_t pid);

// Whether pszPath names an existing folder.
bool AfxIsDirectory(LPCTSTR pszPath);
