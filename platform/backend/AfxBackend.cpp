// Top-level windows on SDL2 with a plain software window surface.
#include "platform/backend/AfxBackend.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/backend/AfxBackendWindow.h"
#include "platform/backend/AfxBackendX11.h"
#include "platform/backend/CHiddenSessionBus.h"
#include "platform/core/AfxAlloc.h"
#include "platform/core/AfxPrintable.h"
#include "platform/core/WinError.h"

namespace {

bool g_bReady = false;
const Uint32 kTooltipFlags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_TOOLTIP | SDL_WINDOW_SKIP_TASKBAR | SDL_WINDOW_ALWAYS_ON_TOP;
SDL_Cursor* g_cursors[AFX_OSCURSOR_COUNT] = {};
int g_nCursorShape = -1;
SDL_Cursor* g_pImageCursor = nullptr;
const void* g_pImageCursorKey = nullptr;

SDL_SystemCursor SdlCursorOf(int nShape)
{
    switch (nShape) {
    case AFX_OSCURSOR_IBEAM: return SDL_SYSTEM_CURSOR_IBEAM;
    case AFX_OSCURSOR_WAIT: return SDL_SYSTEM_CURSOR_WAIT;
    case AFX_OSCURSOR_CROSS: return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case AFX_OSCURSOR_HAND: return SDL_SYSTEM_CURSOR_HAND;
    case AFX_OSCURSOR_NO: return SDL_SYSTEM_CURSOR_NO;
    case AFX_OSCURSOR_SIZEALL: return SDL_SYSTEM_CURSOR_SIZEALL;
    case AFX_OSCURSOR_APPSTARTING: return SDL_SYSTEM_CURSOR_WAITARROW;
    default: return SDL_SYSTEM_CURSOR_ARROW;
    }
}

// Copies rows of 0x00RRGGBB pixels into an SDL surface of any format.
void CopyToSurface(SDL_Surface* pDst, const AFX_SURFACE& src, const SDL_Rect& r)
{
    const uint32_t* pSrc = src.pBits + r.y * src.nPitch + r.x;
    Uint8* pOut = static_cast<Uint8*>(pDst->pixels) + r.y * pDst->pitch + r.x * pDst->format->BytesPerPixel;
    if (pDst->format->format == SDL_PIXELFORMAT_RGB888 || pDst->format->format == SDL_PIXELFORMAT_ARGB8888) {
        for (int y = 0; y < r.h; ++y)
            std::memcpy(pOut + y * pDst->pitch, pSrc + y * src.nPitch, static_cast<size_t>(r.w) * 4);
        return;
    }
    SDL_ConvertPixels(r.w, r.h, SDL_PIXELFORMAT_RGB888, pSrc, src.nPitch * 4, pDst->format->format, pOut,
                      pDst->pitch);
}

// A window's side on the screen: never empty.
int DeviceSize(int n) { return n > 0 ? std::max(1, AfxDevicePixels(n)) : 1; }

bool IsSet(const char* pszName)
{
    const char* pszValue = SDL_getenv(pszName);
    return pszValue != nullptr && *pszValue != 0;
}

// X11 alone, natively or through Xwayland: SDL's Wayland driver cannot place popups and
// shows nothing with a software window surface, and SDL must never fall back on it or on
// an off-screen driver. SDL_VIDEODRIVER may still ask for the dummy driver (the tests do).
const char* ChooseVideoDriver(LPCTSTR lpszProgram, CString& strError)
{
    const char* pszAsked = SDL_getenv("SDL_VIDEODRIVER");
    if (pszAsked != nullptr && *pszAsked != 0 && std::strcmp(pszAsked, "x11") != 0) {
        if (std::strcmp(pszAsked, "dummy") == 0)
            return "dummy";
        strError.Format("%s needs an X11 display; SDL_VIDEODRIVER=%s asks for another video driver: unset it",
                        lpszProgram, static_cast<LPCTSTR>(AfxPrintable(pszAsked)));
        return nullptr;
    }
    if (IsSet("DISPLAY"))
        return "x11";
    if (IsSet("WAYLAND_DISPLAY"))
        strError.Format("%s needs an X11 display; this Wayland session has none: start Xwayland or run it under an "
                        "X11 session",
                        lpszProgram);
    else
        strError = "no display: neither DISPLAY nor WAYLAND_DISPLAY is set";
    return nullptr;
}

// SDL opens the X input method at start, which reads the whole compose table of the
// locale (some thousand lines): a fifth of the time to the first frame. Nothing here takes
// typed text, so it gets an empty table, unless the user names one; the variable goes again
// at once, so programs started from here see the user's own environment.
int InitVideo(bool bX11)
{
    const CHiddenSessionBus hiddenBus;
    const bool bEmptyCompose = bX11 && SDL_getenv("XCOMPOSEFILE") == nullptr;
    if (bEmptyCompose)
        setenv("XCOMPOSEFILE", "/dev/null", 0);
    const int nResult = SDL_Init(SDL_INIT_VIDEO);
    if (bEmptyCompose)
        unsetenv("XCOMPOSEFILE");
    return nResult;
}

void SetHints()
{
    // Every pixel is ours: a plain software surface, no OpenGL stack behind it.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    // The pointer is grabbed only for a window that captures it, never behind our back
    // while a button is down.
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
    // A dialog left open must not keep the screen from blanking.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
}

// FALSE with the one-line reason in strError.
BOOL OpenDisplay(LPCTSTR lpszProgram, CString& strError)
{
    const char* pszDriver = ChooseVideoDriver(lpszProgram, strError);
    if (pszDriver == nullptr)
        return FALSE;
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, pszDriver, SDL_HINT_OVERRIDE);
    const bool bX11 = std::strcmp(pszDriver, "x11") == 0;
    std::string strRefusal;
    if (bX11 && !AfxX11ProbeDisplay(strRefusal)) {
        strError.Format("no display: cannot open display \"%s\" (%s)",
                        static_cast<LPCTSTR>(AfxPrintable(SDL_getenv("DISPLAY"))), strRefusal.c_str());
        return FALSE;
    }
    if (InitVideo(bX11) != 0) {
        if (AfxIsMemoryShort())
            strError = "out of memory while opening the display";
        else
            strError.Format("no display: cannot open the %s display (%s)", pszDriver, SDL_GetError());
        return FALSE;
    }
    return TRUE;
}

}  // namespace

BOOL AfxBackendInit(LPCTSTR lpszProgram, const char** ppszError)
{
    if (g_bReady)
        return TRUE;
    static CString s_strError;
    SetHints();
    if (!OpenDisplay(lpszProgram, s_strError)) {
        if (ppszError != nullptr)
            *ppszError = s_strError;
        return FALSE;
    }
    SDL_StopTextInput();
    g_bReady = true;
    return TRUE;
}

BOOL AfxBackendIsReady() { return g_bReady; }

int AfxBackendChooseScale(LPCTSTR lpszOwnVariable, CString& strWarning, CString& strSource)
{
    const char* pszDriver = g_bReady ? SDL_GetCurrentVideoDriver() : nullptr;
    // Only an X display has X resources.
    const std::string strDpi = pszDriver != nullptr && std::strcmp(pszDriver, "x11") == 0 ? AfxX11GetXftDpi() : "";
    const AFX_SCALE_SOURCES sources = {lpszOwnVariable, lpszOwnVariable != nullptr ? SDL_getenv(lpszOwnVariable) : nullptr,
                                       SDL_getenv("GDK_SCALE"), strDpi.c_str()};
    return AfxChooseScale(sources, strWarning, &strSource);
}

void AfxBackendTerm()
{
    if (!g_bReady)
        return;
    for (SDL_Cursor*& pCursor : g_cursors) {
        if (pCursor != nullptr)
            SDL_FreeCursor(pCursor);
        pCursor = nullptr;
    }
    g_nCursorShape = -1;
    if (g_pImageCursor != nullptr)
        SDL_FreeCursor(g_pImageCursor);
    g_pImageCursor = nullptr;
    g_pImageCursorKey = nullptr;
    AfxX11Forget();
    SDL_Quit();
    g_bReady = false;
}

AFX_OSWINDOW* AfxBackendCreateWindow(LPCTSTR lpszTitle, int x, int y, int cx, int cy, const AFX_OSWINDOW_STYLE& style)
{
    if (!g_bReady)
        return nullptr;
    int nX = x == AFX_POS_CENTERED ? static_cast<int>(SDL_WINDOWPOS_CENTERED) : AfxDevicePixels(x);
    int nY = y == AFX_POS_CENTERED ? static_cast<int>(SDL_WINDOWPOS_CENTERED) : AfxDevicePixels(y);
    Uint32 nFlags = SDL_WINDOW_HIDDEN | (style.nKind == AFX_OSWINDOW_TOOLTIP ? kTooltipFlags : 0u);
    AFX_OSWINDOW* pWindow = new (std::nothrow) AFX_OSWINDOW{nullptr, style.nKind};
    if (pWindow == nullptr) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    pWindow->pSdl = SDL_CreateWindow(lpszTitle != nullptr ? lpszTitle : "", nX, nY, DeviceSize(cx), DeviceSize(cy),
                                     nFlags);
    if (pWindow->pSdl == nullptr) {
        // SDL says so in its own words when its memory ran out.
        if (std::strcmp(SDL_GetError(), "Out of memory") == 0)
            SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        delete pWindow;
        return nullptr;
    }
    SDL_SetWindowData(pWindow->pSdl, "afx", pWindow);
    AfxX11NoteWindow(pWindow->pSdl);
    if (style.pOwner != nullptr && style.nKind != AFX_OSWINDOW_TOOLTIP)
        SDL_SetWindowModalFor(pWindow->pSdl, style.pOwner->pSdl);
    AfxX11DescribeWindow(pWindow->pSdl, style);
    return pWindow;
}

void AfxBackendDestroyWindow(AFX_OSWINDOW* pWindow)
{
    if (pWindow == nullptr)
        return;
    SDL_DestroyWindow(pWindow->pSdl);
    delete pWindow;
}

// A tooltip is mapped by hand on X11: without a window manager SDL would give it the
// input focus, which goes nowhere once it hides.
void AfxBackendShowWindow(AFX_OSWINDOW* pWindow, BOOL bShow)
{
    if (pWindow->nKind == AFX_OSWINDOW_TOOLTIP && AfxX11ShowWithoutFocus(pWindow->pSdl, bShow))
        return;
    if (bShow)
        SDL_ShowWindow(pWindow->pSdl);
    else
        SDL_HideWindow(pWindow->pSdl);
}

void AfxBackendSetTitle(AFX_OSWINDOW* pWindow, LPCTSTR lpszTitle)
{
    SDL_SetWindowTitle(pWindow->pSdl, lpszTitle != nullptr ? lpszTitle : "");
}

void AfxBackendMoveWindow(AFX_OSWINDOW* pWindow, int x, int y, int cx, int cy)
{
    SDL_SetWindowPosition(pWindow->pSdl, AfxDevicePixels(x), AfxDevicePixels(y));
    SDL_SetWindowSize(pWindow->pSdl, DeviceSize(cx), DeviceSize(cy));
}

void AfxBackendMinimize(AFX_OSWINDOW* pWindow) { SDL_MinimizeWindow(pWindow->pSdl); }

void AfxBackendRaise(AFX_OSWINDOW* pWindow)
{
    SDL_RaiseWindow(pWindow->pSdl);
    // Without a window manager nobody else hands the keyboard to the window.
    if (AfxX11IsActive() && !AfxX11HasWindowManager())
        SDL_SetWindowInputFocus(pWindow->pSdl);
}

void AfxBackendFocusOnClick(AFX_OSWINDOW* pWindow)
{
    if (AfxX11IsActive() && !AfxX11HasWindowManager() && !AfxX11HasInputFocus(pWindow->pSdl))
        SDL_SetWindowInputFocus(pWindow->pSdl);
}

void AfxBackendGetWorkArea(RECT* prcWork, RECT* prcFrame)
{
    if (AfxX11GetWorkArea(prcWork, prcFrame))
        return;
    *prcWork = RECT{0, 0, 1024, 768};
    *prcFrame = RECT{0, 0, 0, 0};
    SDL_DisplayMode mode;
    if (g_bReady && SDL_GetCurrentDisplayMode(0, &mode) == 0)
        *prcWork = RECT{0, 0, mode.w, mode.h};
}

SIZE AfxBackendGetScreenSize()
{
    SIZE size = {1024, 768};
    SDL_DisplayMode mode;
    if (g_bReady && SDL_GetCurrentDisplayMode(0, &mode) == 0) {
        size.cx = AfxLogicalPixels(mode.w);
        size.cy = AfxLogicalPixels(mode.h);
    }
    return size;
}

void AfxBackendPresent(AFX_OSWINDOW* pWindow, const AFX_SURFACE& surface, const RECT& rc)
{
    SDL_Surface* pDst = SDL_GetWindowSurface(pWindow->pSdl);
    if (pDst == nullptr)
        return;
    RECT rcAll = {0, 0, surface.cx < pDst->w ? surface.cx : pDst->w, surface.cy < pDst->h ? surface.cy : pDst->h};
    RECT rcCopy;
    if (!IntersectRect(&rcCopy, &rc, &rcAll))
        return;
    SDL_Rect r = {rcCopy.left, rcCopy.top, rcCopy.right - rcCopy.left, rcCopy.bottom - rcCopy.top};
    if (SDL_MUSTLOCK(pDst))
        SDL_LockSurface(pDst);
    CopyToSurface(pDst, surface, r);
    if (SDL_MUSTLOCK(pDst))
        SDL_UnlockSurface(pDst);
    SDL_UpdateWindowSurfaceRects(pWindow->pSdl, &r, 1);
}

BOOL AfxBackendReadScreenPixel(AFX_OSWINDOW* pWindow, int x, int y, uint32_t* pPixel)
{
    SDL_Surface* pSrc = SDL_GetWindowSurface(pWindow->pSdl);
    if (pSrc == nullptr || x < 0 || y < 0 || x >= pSrc->w || y >= pSrc->h)
        return FALSE;
    if (SDL_MUSTLOCK(pSrc))
        SDL_LockSurface(pSrc);
    Uint32 value = 0;
    std::memcpy(&value, static_cast<const Uint8*>(pSrc->pixels) + y * pSrc->pitch + x * pSrc->format->BytesPerPixel,
                pSrc->format->BytesPerPixel);
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(value, pSrc->format, &r, &g, &b);
    if (SDL_MUSTLOCK(pSrc))
        SDL_UnlockSurface(pSrc);
    *pPixel = (static_cast<uint32_t>(r) << 16) | (static_cast<uint32_t>(g) << 8) | b;
    return TRUE;
}

void AfxBackendSetCursor(int nShape)
{
    if (!g_bReady || nShape < 0 || nShape >= AFX_OSCURSOR_COUNT || nShape == g_nCursorShape)
        return;
    if (g_cursors[nShape] == nullptr)
        g_cursors[nShape] = SDL_CreateSystemCursor(SdlCursorOf(nShape));
    if (g_cursors[nShape] != nullptr)
        SDL_SetCursor(g_cursors[nShape]);
    g_nCursorShape = nShape;
}

void AfxBackendSetImageCursor(const AFX_OSICON& image, int xHotspot, int yHotspot, const void* pKey)
{
    if (!g_bReady || image.pArgb == nullptr || image.cx <= 0 || image.cy <= 0)
        return;
    if (pKey != g_pImageCursorKey || g_pImageCursor == nullptr) {
        SDL_Surface* pSurface = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(image.pArgb), image.cx,
                                                                    image.cy, 32, image.cx * 4, SDL_PIXELFORMAT_ARGB8888);
        SDL_Cursor* pCursor = pSurface != nullptr ? SDL_CreateColorCursor(pSurface, xHotspot, yHotspot) : nullptr;
        SDL_FreeSurface(pSurface);
        if (pCursor == nullptr)
            return;
        if (g_pImageCursor != nullptr)
            SDL_FreeCursor(g_pImageCursor);
        g_pImageCursor = pCursor;
        g_pImageCursorKey = pKey;
    }
    SDL_SetCursor(g_pImageCursor);
    g_nCursorShape = -1;
}

void AfxBackendCaptureMouse(BOOL bCapture)
{
    if (g_bReady)
        SDL_CaptureMouse(bCapture ? SDL_TRUE : SDL_FALSE);
}

// The window that holds the capture keeps it inside the program; only the grab goes.
void AfxBackendBeginExternalWait()
{
    if (!g_bReady)
        return;
    SDL_CaptureMouse(SDL_FALSE);
    AfxX11Flush();
}

DWORD AfxBackendGetTicks() { return SDL_GetTicks(); }
