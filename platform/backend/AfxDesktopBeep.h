// The beep as the desktop sounds it: the sound theme's event through libcanberra, as GTK's
// message dialogs sound, and the X bell beside it, so that a desktop set to a visual bell
// shows one.
#pragma once

#include <cstddef>

#include "platform/core/WinDef.h"

// Starts the beep for uType (MB_OK, MB_ICONHAND, ...) and returns at once. The theme's
// sound is skipped where the user turned event sounds off; nothing is ever printed, also
// without a sound card. FALSE when neither a sound nor the bell could be started.
BOOL AfxDesktopBeep(UINT uType);

// The sound theme's event for a beep type: "dialog-warning" for MB_ICONEXCLAMATION.
LPCTSTR AfxBeepEventId(UINT uType);

// The integer setting lpszName of an XSETTINGS block (the _XSETTINGS_SETTINGS property of
// the desktop's settings manager), in either byte order. FALSE when it holds no such
// integer or is not well formed.
BOOL AfxFindXSetting(const unsigned char* pData, size_t nSize, LPCTSTR lpszName, int* pnValue);
