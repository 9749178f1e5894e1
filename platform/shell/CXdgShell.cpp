#include "platform/shell/CXdgShell.h"

#include <strings.h>

#include "platform/backend/AfxBackend.h"
#include "platform/shell/AfxSpawn.h"
#include "platform/shell/ShellAPI.h"
#include "platform/core/WinError.h"

namespace {

// xdg-open's documented exit codes.
const int c_nXdgSyntax = 1;
const int c_nXdgFileNotFound = 2;
const int c_nXdgNoTool = 3;
const int c_nXdgActionFailed = 4;

// Where xdg-open does not know the desktop it runs the browser itself and waits for it;
// an opener still running after this long has started something and counts as success.
const int c_nOpenerWaitMs = 2000;

bool IsOpenVerb(LPCTSTR pszVerb)
{
    return pszVerb == nullptr || *pszVerb == '\0' || strcasecmp(pszVerb, "open") == 0;
}

}  // namespace

INT_PTR CXdgShell::Execute(LPCTSTR pszVerb, LPCTSTR pszFile, LPCTSTR /*pszParameters*/, LPCTSTR pszDirectory,
                           int /*nShowCmd*/)
{
    if (!IsOpenVerb(pszVerb)) {
        return SE_ERR_NOASSOC;
    }
    if (pszFile == nullptr || *pszFile == '\0') {
        return SE_ERR_FNF;
    }
    if (pszDirectory != nullptr && *pszDirectory != '\0' && !AfxIsDirectory(pszDirectory)) {
        return SE_ERR_PNF;
    }
    pid_t pid = 0;
    int nError = AfxSpawn({"xdg-open", pszFile}, pszDirectory, false, pid);
    if (nError != 0) {
        return ResultFromSpawnError(nError);
    }
    AfxBackendBeginExternalWait();
    int nStatus = 0;
    switch (AfxWaitForChild(pid, c_nOpenerWaitMs, nStatus)) {
    case 1:
        return ResultFromStatus(nStatus);
    case 0:
        AfxReapLater(pid);
        return c_nSuccess;
    default:
        return 0;  // someone else took its status: the outcome is unknown
    }
}

INT_PTR CXdgShell::ResultFromStatus(int nStatus)
{
    if (!WIFEXITED(nStatus)) {
        return SE_ERR_ASSOCINCOMPLETE;
    }
    switch (WEXITSTATUS(nStatus)) {
    case 0:
        return c_nSuccess;
    case c_nXdgFileNotFound:
        return SE_ERR_FNF;
    case c_nXdgNoTool:
    case c_nXdgActionFailed:
        return SE_ERR_NOASSOC;
    case c_nXdgSyntax:
    default:
        return SE_ERR_ASSOCINCOMPLETE;
    }
}

INT_PTR CXdgShell::ResultFromSpawnError(int nError)
{
    switch (nError) {
    case ENOENT:
    case ENOTDIR:
        return SE_ERR_NOASSOC;
    case EACCES:
    case EPERM:
        return SE_ERR_ACCESSDENIED;
    case ENOEXEC:
        return ERROR_BAD_FORMAT;
    case ENOMEM:
        return SE_ERR_OOM;
    default:
        return 0;
    }
}
