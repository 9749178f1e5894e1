// What the backend keeps for one top-level window. Private to platform/backend.
#pragma once

#include <SDL.h>

#include "platform/core/AfxScale.h"

struct AFX_OSWINDOW {
    SDL_Window* pSdl;
    int nKind;  // AFX_OSWINDOW_*
};

// The window an SDL event belongs to, or null.
AFX_OSWINDOW* AfxBackendWindowFromId(Uint32 nWindowId);

// SDL counts device pixels; everything above the backend counts logical ones.
inline int AfxDevicePixels(int v) { return AfxScaleToDevice(AfxGetScreenScale(), v); }
inline int AfxLogicalPixels(int d) { return AfxScaleToLogical(AfxGetScreenScale(), d); }
