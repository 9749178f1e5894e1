#include "platform/backend/AfxBackendX11.h"

#include "platform/backend/AfxAtspi.h"

#ifdef AFX_BACKEND_X11

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xresource.h>
#include <X11/Xutil.h>
#include <poll.h>

namespace {

Display* g_pDisplay = nullptr;

// Motif's window manager hints: which functions and decorations the frame offers.
const long kMwmHintsFunctions = 1L << 0;
const long kMwmHintsDecorations = 1L << 1;
const long kMwmFuncResize = 1L << 1;
const long kMwmFuncMove = 1L << 2;
const long kMwmFuncMinimize = 1L << 3;
const long kMwmFuncMaximize = 1L << 4;
const long kMwmFuncClose = 1L << 5;
const long kMwmDecorBorder = 1L << 1;
const long kMwmDecorResizeHandle = 1L << 2;
const long kMwmDecorTitle = 1L << 3;
const long kMwmDecorMenu = 1L << 4;
const long kMwmDecorMinimize = 1L << 5;
const long kMwmDecorMaximize = 1L << 6;

Window X11WindowOf(SDL_Window* pSdl)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (pSdl == nullptr || !SDL_GetWindowWMInfo(pSdl, &info) || info.subsystem != SDL_SYSWM_X11)
        return None;
    return info.info.x11.window;
}

Atom AtomOf(const char* pszName) { return XInternAtom(g_pDisplay, pszName, False); }

void SetAtomProperty(Window window, const char* pszProperty, const char* pszValue, int nMode)
{
    Atom value = AtomOf(pszValue);
    XChangeProperty(g_pDisplay, window, AtomOf(pszProperty), XA_ATOM, 32, nMode,
                    reinterpret_cast<const unsigned char*>(&value), 1);
}

void SetMotifHints(Window window, const AFX_OSWINDOW_STYLE& style)
{
    long functions = kMwmFuncMove | kMwmFuncClose;
    long decorations = kMwmDecorBorder | kMwmDecorTitle | kMwmDecorMenu;
    if (style.bMinimize) {
        functions |= kMwmFuncMinimize;
        decorations |= kMwmDecorMinimize;
    }
    if (style.bMaximize) {
        functions |= kMwmFuncMaximize;
        decorations |= kMwmDecorMaximize;
    }
    if (style.bResize) {
        functions |= kMwmFuncResize;
        decorations |= kMwmDecorResizeHandle;
    }
    long hints[5] = {kMwmHintsFunctions | kMwmHintsDecorations, functions, decorations, 0, 0};
    Atom motif = AtomOf("_MOTIF_WM_HINTS");
    XChangeProperty(g_pDisplay, window, motif, motif, 32, PropModeReplace, reinterpret_cast<unsigned char*>(hints), 5);
}

// The client area stays where the program puts it; the frame goes around it.
void SetStaticGravity(Window window)
{
    XSizeHints* pHints = XAllocSizeHints();
    if (pHints == nullptr)
        return;
    long nSupplied = 0;
    XGetWMNormalHints(g_pDisplay, window, pHints, &nSupplied);
    pHints->flags |= PWinGravity;
    pHints->win_gravity = StaticGravity;
    XSetWMNormalHints(g_pDisplay, window, pHints);
    XFree(pHints);
}

}  // namespace

void AfxX11NoteWindow(SDL_Window* pSdl)
{
    if (g_pDisplay != nullptr)
        return;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(pSdl, &info) && info.subsystem == SDL_SYSWM_X11)
        g_pDisplay = info.info.x11.display;
}

void AfxX11Forget() { g_pDisplay = nullptr; }

BOOL AfxX11IsActive() { return g_pDisplay != nullptr; }

// Asked before the first window exists, when SDL's connection is not reachable yet: a
// connection of its own, for the resources the desktop gave the server.
std::string AfxX11GetXftDpi()
{
    Display* pDisplay = XOpenDisplay(nullptr);
    if (pDisplay == nullptr)
        return std::string();
    std::string strDpi;
    const char* pszResources = XResourceManagerString(pDisplay);
    XrmInitialize();
    XrmDatabase db = pszResources != nullptr ? XrmGetStringDatabase(pszResources) : nullptr;
    char* pszType = nullptr;
    XrmValue value = {0, nullptr};
    if (db != nullptr && XrmGetResource(db, "Xft.dpi", "Xft.Dpi", &pszType, &value) && value.addr != nullptr)
        strDpi = value.addr;
    if (db != nullptr)
        XrmDestroyDatabase(db);
    XCloseDisplay(pDisplay);
    return strDpi;
}

BOOL AfxX11WaitForInput(int nTimeoutMs)
{
    if (g_pDisplay == nullptr)
        return FALSE;
    // Also events that came in while Xlib waited for a reply and that still sit in its
    // connection's queue: the socket has nothing more to say about them.
    if (XPending(g_pDisplay) > 0)
        return TRUE;
    AfxBackendWaitForInput(ConnectionNumber(g_pDisplay), nTimeoutMs < 0 ? -1 : nTimeoutMs);
    return TRUE;
}

void AfxX11Flush()
{
    if (g_pDisplay != nullptr)
        XFlush(g_pDisplay);
}

void AfxX11DescribeWindow(SDL_Window* pSdl, const AFX_OSWINDOW_STYLE& style)
{
    Window window = g_pDisplay != nullptr ? X11WindowOf(pSdl) : None;
    if (window == None || style.nKind == AFX_OSWINDOW_TOOLTIP)
        return;
    if (style.nKind == AFX_OSWINDOW_DIALOG) {
        SetAtomProperty(window, "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_DIALOG", PropModeReplace);
        SetAtomProperty(window, "_NET_WM_STATE", "_NET_WM_STATE_MODAL", PropModeAppend);
    }
    SetMotifHints(window, style);
    SetStaticGravity(window);
}

// A window manager that follows the desktop conventions names its own check window on
// the root window.
BOOL AfxX11HasWindowManager()
{
    if (g_pDisplay == nullptr)
        return FALSE;
    Atom type = None;
    int nFormat = 0;
    unsigned long nItems = 0, nAfter = 0;
    unsigned char* pData = nullptr;
    int nResult = XGetWindowProperty(g_pDisplay, DefaultRootWindow(g_pDisplay), AtomOf("_NET_SUPPORTING_WM_CHECK"), 0,
                                     1, False, XA_WINDOW, &type, &nFormat, &nItems, &nAfter, &pData);
    BOOL bFound = nResult == Success && type == XA_WINDOW && nItems == 1;
    if (pData != nullptr)
        XFree(pData);
    return bFound;
}

BOOL AfxX11ShowWithoutFocus(SDL_Window* pSdl, BOOL bShow)
{
    Window window = g_pDisplay != nullptr ? X11WindowOf(pSdl) : None;
    if (window == None)
        return FALSE;
    if (bShow)
        XMapRaised(g_pDisplay, window);
    else
        XUnmapWindow(g_pDisplay, window);
    return TRUE;
}

#else

void AfxX11NoteWindow(SDL_Window*) {}
void AfxX11Forget() {}
BOOL AfxX11IsActive() { return FALSE; }
std::string AfxX11GetXftDpi() { return std::string(); }
BOOL AfxX11HasWindowManager() { return FALSE; }
BOOL AfxX11WaitForInput(int) { return FALSE; }
void AfxX11Flush() {}
void AfxX11DescribeWindow(SDL_Window*, const AFX_OSWINDOW_STYLE&) {}
BOOL AfxX11ShowWithoutFocus(SDL_Window*, BOOL) { return FALSE; }

#endif
