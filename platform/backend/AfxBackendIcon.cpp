// Window icons: the big image goes to SDL; on X11 both sizes go to the window manager.
#include <SDL.h>
#include <SDL_syswm.h>

#include <vector>

#include "platform/backend/AfxBackend.h"
#include "platform/backend/AfxBackendWindow.h"

#ifdef AFX_BACKEND_X11
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

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

#ifdef AFX_BACKEND_X11
// _NET_WM_ICON holds any number of images: width, height, then ARGB pixels, each a long.
void SetNetWmIcon(SDL_Window* pSdl, const std::vector<const AFX_OSICON*>& images)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(pSdl, &info) || info.subsystem != SDL_SYSWM_X11)
        return;
    std::vector<unsigned long> data;
    for (const AFX_OSICON* pImage : images) {
        data.push_back(static_cast<unsigned long>(pImage->cx));
        data.push_back(static_cast<unsigned long>(pImage->cy));
        for (int i = 0; i < pImage->cx * pImage->cy; ++i)
            data.push_back(pImage->pArgb[i]);
    }
    Display* pDisplay = info.info.x11.display;
    Atom atom = XInternAtom(pDisplay, "_NET_WM_ICON", False);
    XChangeProperty(pDisplay, info.info.x11.window, atom, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(data.data()), static_cast<int>(data.size()));
    XFlush(pDisplay);
}
#endif

bool IsUsable(const AFX_OSICON* pImage) { return pImage != nullptr && pImage->pArgb != nullptr && pImage->cx > 0; }

}  // namespace

void AfxBackendSetIcons(AFX_OSWINDOW* pWindow, const AFX_OSICON* pBig, const AFX_OSICON* pSmall)
{
    if (pWindow == nullptr)
        return;
    std::vector<const AFX_OSICON*> images;
    if (IsUsable(pBig))
        images.push_back(pBig);
    if (IsUsable(pSmall))
        images.push_back(pSmall);
    if (images.empty())
        return;
    SetSdlIcon(pWindow->pSdl, *images.front());
#ifdef AFX_BACKEND_X11
    SetNetWmIcon(pWindow->pSdl, images);
#endif
}
