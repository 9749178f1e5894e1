// Opens documents and addresses with xdg-open, the desktop's own "open".
#pragma once

#include "platform/shell/IAfxShell.h"

class CXdgShell : public IAfxShell {
public:
    // Runs "xdg-open pszFile" in pszDirectory and waits for it, about 2 s at most: one
    // still running then has started the program that opens the file, and is reaped when
    // it ends. Only the verb "open" (or null) is known; parameters and the show command
    // have no meaning for xdg-open.
    INT_PTR Execute(LPCTSTR pszVerb, LPCTSTR pszFile, LPCTSTR pszParameters, LPCTSTR pszDirectory,
                    int nShowCmd) override;

    // The value of a successful open.
    static const INT_PTR c_nSuccess = 42;

    // xdg-open's wait status as a shell result: exit 0 is success, 2 (file not found) is
    // SE_ERR_FNF, 3 (no tool) and 4 (action failed) are SE_ERR_NOASSOC; its syntax error
    // and any other end are SE_ERR_ASSOCINCOMPLETE.
    static INT_PTR ResultFromStatus(int nStatus);
    // A failure to start xdg-open as a shell result: missing is SE_ERR_NOASSOC, not
    // executable SE_ERR_ACCESSDENIED, not a program ERROR_BAD_FORMAT, out of memory
    // SE_ERR_OOM, anything else (such as too many processes) 0.
    static INT_PTR ResultFromSpawnError(int nError);
};
