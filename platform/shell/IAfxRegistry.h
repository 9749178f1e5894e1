// Where the read-only registry gets its values. The desktop's MIME database by default;
// a test installs its own, and puts the previous one back afterwards.
#pragma once

#include "platform/core/CString.h"
#include "platform/core/WinDef.h"

struct IAfxRegistry {
    virtual ~IAfxRegistry() = default;
    // The default value of key pszKey (names joined by backslashes, "" for the root itself)
    // under the predefined root hRoot: ERROR_SUCCESS and the value ("" when the key has
    // none), or an error such as ERROR_FILE_NOT_FOUND when there is no such key.
    virtual LONG QueryValue(HKEY hRoot, LPCTSTR pszKey, CString& strValue) = 0;
};

// Installs pRegistry (null: the default) and returns the one it replaces (null when that
// was the default). The caller keeps pRegistry alive while it is installed.
IAfxRegistry* AfxSetRegistry(IAfxRegistry* pRegistry);
IAfxRegistry* AfxGetRegistry();
