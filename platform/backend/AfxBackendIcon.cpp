// Window icons: the big image goes to SDL; both sizes are handed to the window manager.
#include <SDL.h>

#include <vector>

#include "platform/backend/AfxBackend.h"
#include "platform/backend/AfxBackendWindow.h"

namespace {

void SetSdlIcon(SDL_Window* pSdl, const AFX_OSICON& image)
{
    std::vector<uint32_t> pixels(image.pArgb, image.pArgb + image.cx * image.cy);
    SDL_Surface* pSurface = SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), image.cx, image.cy, 32, image.cx * 4,
                                                                SDL_PIXELFORMAT_ARGB8888);
    if (pSurface == nullptr)
        return;
    SDL_SetWindowIcon(pSdl, pSurface);
    SDL_FreeSurface(pSurface);
}

}  // namespace

void AfxBackendSetIcons(AFX_OSWINDOW* pWindow, const AFX_OSICON* pBig, const AFX_OSICON* pSmall)
{
    if (pWindow == nullptr)
        return;
    const AFX_OSICON* pImage = pBig != nullptr ? pBig : pSmall;
    if (pImage != nullptr && pImage->pArgb != nullptr)
        SetSdlIcon(pWindow->pSdl, *pImage);
}
