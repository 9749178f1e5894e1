// Where the system beep sounds. The desktop's beep by default (AfxDesktopBeep); a test
// installs its own, and puts the previous one back afterwards.
#pragma once

#include "platform/core/WinDef.h"

struct IAfxBeep {
    virtual ~IAfxBeep() = default;
    // Sounds the beep for uType (MB_OK, MB_ICONHAND, ...) without waiting for it to end.
    virtual BOOL Beep(UINT uType) = 0;
};

// Installs pBeep (null: the default) and returns the one it replaces (null when that was
// the default). The caller keeps pBeep alive while it is installed.
IAfxBeep* AfxSetBeep(IAfxBeep* pBeep);
IAfxBeep* AfxGetBeep();
