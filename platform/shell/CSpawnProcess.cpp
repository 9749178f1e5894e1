#include "platform/shell/CSpawnProcess.h"

#include <cerrno>

#include "platform/shell/AfxCommandLine.h"
#include "platform/shell/AfxSpawn.h"
#include "platform/core/WinError.h"

LONG CSpawnProcess::Start(LPCTSTR pszCommandLine, LPCTSTR pszDirectory, DWORD& dwProcessId)
{
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
    AfxReapLater(pid);
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
