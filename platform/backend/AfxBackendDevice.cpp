// Where a window is in the screen's own pixels: no rounding back to logical ones, so that
// a screen reader's rectangles meet the pixels drawn at any factor.
#include "platform/backend/AfxBackend.h"
#include "platform/backend/AfxBackendWindow.h"

POINT AfxBackendGetWindowDevicePos(AFX_OSWINDOW* pWindow)
{
    POINT pt = {0, 0};
    int x = 0, y = 0;
    if (pWindow != nullptr && AfxBackendIsReady())
        SDL_GetWindowPosition(pWindow->pSdl, &x, &y);
    pt.x = x;
    pt.y = y;
    return pt;
}
