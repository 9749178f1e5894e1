// How documents and addresses are opened with the program the desktop associates with
// them. xdg-open by default; a test installs its own so that no browser starts, and puts
// the previous one back afterwards.
#pragma once

#include "platform/core/WinDef.h"

struct IAfxShell {
    virtual ~IAfxShell() = default;
    // A value above 32 on success, otherwise 0 or one of the SE_ERR_ codes.
    virtual INT_PTR Execute(LPCTSTR pszVerb, LPCTSTR pszFile, LPCTSTR pszParameters,
                            LPCTSTR pszDirectory, int nShowCmd) = 0;
};

// Installs pShell (null: the default) and returns the one it replaces (null when that was
// the default). The caller keeps pShell alive while it is installed.
IAfxShell* AfxSetShell(IAfxShell* pShell);
IAfxShell* AfxGetShell();
