// The system beep.
#pragma once

#include "platform/core/WinDef.h"

// Sounds the beep for uType through the installed beep service and returns at once.
BOOL MessageBeep(UINT uType);
