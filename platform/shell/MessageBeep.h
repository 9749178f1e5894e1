// The system beep.
#pragma once

#include "platform/core/WinDef.h"

// Beep and message box types; the message box uses the same values.
#ifndef MB_OK
#define MB_OK 0x00000000
#endif
#ifndef MB_ICONHAND
#define MB_ICONHAND 0x00000010
#endif
#ifndef MB_ICONQUESTION
#define MB_ICONQUESTION 0x00000020
#endif
#ifndef MB_ICONEXCLAMATION
#define MB_ICONEXCLAMATION 0x00000030
#endif
#ifndef MB_ICONASTERISK
#define MB_ICONASTERISK 0x00000040
#endif

// Sounds the beep for uType through the installed beep service and returns at once.
BOOL MessageBeep(UINT uType);
