// What the backend keeps for one top-level window. Private to platform/backend.
#pragma once

#include <SDL.h>

struct AFX_OSWINDOW {
    SDL_Window* pSdl;
    int nKind;  // AFX_OSWINDOW_*
};

// The window an SDL event belongs to, or null.
AFX_OSWINDOW* AfxBackendWindowFromId(Uint32 nWindowId);
