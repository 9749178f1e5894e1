// Window icons: on X11 every size goes to the window manager; elsewhere SDL gets the
// largest.
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
bool SetNetWmIcon(SDL_Window* pSdl, const std::vector<const AFX_OSICON*>& images)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(pSdl, &info) || info.subsystem != SDL_SYSWM_X11)
        return false;
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
    return true;
}
#endif

bool IsUsable(const AFX_OSICON& image) { return image.pArgb != nullptr && image.cx > 0 && image.cy > 0; }

}  // namespace

void AfxBackendSetIcons(AFX_OSWINDOW* pWindow, const AFX_OSICON* pImages, int nImages)
{
    if (pWindow == nullptr || pImages == nullptr)
        return;
    std::vector<const AFX_OSICON*> images;
    const AFX_OSICON* pLargest = nullptr;
    for (int i = 0; i < nImages; ++i) {
        if (!IsUsable(pImages[i]))
            continue;
        images.push_back(&pImages[i]);
        if (pLargest == nullptr || pImages[i].cx > pLargest->cx)
            pLargest = &pImages[i];
    }
    if (images.empty())
        return;
#ifdef AFX_BACKEND_X11
    // SDL would hand X11 one image only, and it would be replaced at once.
    if (SetNetWmIcon(pWindow->pSdl, images))
        return;
#endif
    SetSdlIcon(pWindow->pSdl, *pLargest);
}
