#include "platform/backend/AfxBackendX11.h"

#include "platform/backend/AfxAtspi.h"
#include "platform/backend/AfxDesktopBeep.h"

#ifdef AFX_BACKEND_X11

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xresource.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

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

namespace {

std::string g_strXftDpi;
RECT g_rcWork = {0, 0, 0, 0};
RECT g_rcFrame = {0, 0, 0, 0};

// A property of 32-bit items of the given type; empty when the window has none.
std::vector<long> ReadLongs(Display* pDisplay, Window window, const char* pszProperty, Atom type)
{
    Atom actual = None;
    int nFormat = 0;
    unsigned long nItems = 0, nAfter = 0;
    unsigned char* pData = nullptr;
    std::vector<long> values;
    if (XGetWindowProperty(pDisplay, window, XInternAtom(pDisplay, pszProperty, False), 0, 1024, False, type, &actual,
                           &nFormat, &nItems, &nAfter, &pData) == Success &&
        actual == type && nFormat == 32 && pData != nullptr)
        values.assign(reinterpret_cast<long*>(pData), reinterpret_cast<long*>(pData) + nItems);
    if (pData != nullptr)
        XFree(pData);
    return values;
}

// A window manager that follows the desktop conventions names its own check window on
// the root window.
bool HasWindowManager(Display* pDisplay)
{
    return ReadLongs(pDisplay, DefaultRootWindow(pDisplay), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW).size() == 1;
}

bool Supports(Display* pDisplay, const char* pszAtom)
{
    const std::vector<long> atoms = ReadLongs(pDisplay, DefaultRootWindow(pDisplay), "_NET_SUPPORTED", XA_ATOM);
    const long atom = static_cast<long>(XInternAtom(pDisplay, pszAtom, False));
    return std::find(atoms.begin(), atoms.end(), atom) != atoms.end();
}

// What panels leave of the screen on the current desktop; the whole screen without a
// window manager.
RECT ReadWorkArea(Display* pDisplay)
{
    const Window root = DefaultRootWindow(pDisplay);
    RECT rc = {0, 0, DisplayWidth(pDisplay, DefaultScreen(pDisplay)), DisplayHeight(pDisplay, DefaultScreen(pDisplay))};
    if (!HasWindowManager(pDisplay))
        return rc;
    const std::vector<long> area = ReadLongs(pDisplay, root, "_NET_WORKAREA", XA_CARDINAL);
    const std::vector<long> desktop = ReadLongs(pDisplay, root, "_NET_CURRENT_DESKTOP", XA_CARDINAL);
    const size_t i = desktop.size() == 1 && desktop[0] >= 0 ? static_cast<size_t>(desktop[0]) * 4 : 0;
    if (area.size() >= i + 4 && area[i + 2] > 0 && area[i + 3] > 0)
        rc = RECT{static_cast<LONG>(area[i]), static_cast<LONG>(area[i + 1]), static_cast<LONG>(area[i] + area[i + 2]),
                  static_cast<LONG>(area[i + 1] + area[i + 3])};
    return rc;
}

// The frame the window manager puts around a normal window (left, top, right, bottom),
// asked for with a window of our own that is never shown. Empty when it does not say
// within a tenth of a second.
RECT ReadFrameExtents(Display* pDisplay)
{
    RECT rc = {0, 0, 0, 0};
    if (!HasWindowManager(pDisplay) || !Supports(pDisplay, "_NET_REQUEST_FRAME_EXTENTS"))
        return rc;
    const Window root = DefaultRootWindow(pDisplay);
    const Window window = XCreateSimpleWindow(pDisplay, root, 0, 0, 100, 100, 0, 0, 0);
    XSelectInput(pDisplay, window, PropertyChangeMask);
    XEvent request = {};
    request.xclient.type = ClientMessage;
    request.xclient.window = window;
    request.xclient.message_type = XInternAtom(pDisplay, "_NET_REQUEST_FRAME_EXTENTS", False);
    request.xclient.format = 32;
    XSendEvent(pDisplay, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &request);
    XFlush(pDisplay);
    const Atom extents = XInternAtom(pDisplay, "_NET_FRAME_EXTENTS", False);
    for (int nWaited = 0; nWaited < 100; nWaited += 5) {
        XEvent e;
        if (XCheckTypedWindowEvent(pDisplay, window, PropertyNotify, &e) && e.xproperty.atom == extents)
            break;
        pollfd pfd = {ConnectionNumber(pDisplay), POLLIN, 0};
        poll(&pfd, 1, 5);
    }
    const std::vector<long> frame = ReadLongs(pDisplay, window, "_NET_FRAME_EXTENTS", XA_CARDINAL);
    if (frame.size() == 4)
        rc = RECT{static_cast<LONG>(frame[0]), static_cast<LONG>(frame[2]), static_cast<LONG>(frame[1]),
                  static_cast<LONG>(frame[3])};
    XDestroyWindow(pDisplay, window);
    return rc;
}

std::string ReadXftDpi(Display* pDisplay)
{
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
    return strDpi;
}

// The lines of text as one: blanks at the ends of each dropped, "; " between them.
std::string OneLine(const std::string& strText)
{
    std::string strLine, strPart;
    for (size_t i = 0; i <= strText.size(); ++i) {
        const char c = i < strText.size() ? strText[i] : '\n';
        if (c != '\n' && c != '\r') {
            strPart += c;
            continue;
        }
        const size_t nFirst = strPart.find_first_not_of(" \t");
        if (nFirst != std::string::npos) {
            strPart = strPart.substr(nFirst, strPart.find_last_not_of(" \t") - nFirst + 1);
            strLine += (strLine.empty() ? "" : "; ") + strPart;
        }
        strPart.clear();
    }
    return strLine;
}

// XOpenDisplay, with what the connection code writes to standard error while it runs
// (where Xlib puts the server's reason for a refusal) caught in strWritten instead.
Display* OpenCatchingErrors(std::string& strWritten)
{
    FILE* pCatch = tmpfile();
    const int nSaved = pCatch != nullptr ? dup(STDERR_FILENO) : -1;
    if (nSaved < 0) {
        if (pCatch != nullptr)
            fclose(pCatch);
        return XOpenDisplay(nullptr);
    }
    fflush(stderr);
    dup2(fileno(pCatch), STDERR_FILENO);
    Display* pDisplay = XOpenDisplay(nullptr);
    fflush(stderr);
    dup2(nSaved, STDERR_FILENO);
    close(nSaved);
    rewind(pCatch);
    char szBuffer[512];
    size_t nRead = 0;
    while ((nRead = fread(szBuffer, 1, sizeof szBuffer, pCatch)) > 0 && strWritten.size() < 4096)
        strWritten.append(szBuffer, nRead);
    fclose(pCatch);
    return pDisplay;
}

}  // namespace

BOOL AfxX11ProbeDisplay(std::string& strReason)
{
    std::string strWritten;
    Display* pDisplay = OpenCatchingErrors(strWritten);
    if (pDisplay == nullptr) {
        const std::string strServerSaid = OneLine(strWritten);
        strReason = strServerSaid.empty() ? "no X server answers there" : "the server refused it: " + strServerSaid;
        return FALSE;
    }
    // A connection that worked has nothing to hide.
    if (!strWritten.empty())
        fputs(strWritten.c_str(), stderr);
    g_strXftDpi = ReadXftDpi(pDisplay);
    g_rcWork = ReadWorkArea(pDisplay);
    g_rcFrame = ReadFrameExtents(pDisplay);
    XCloseDisplay(pDisplay);
    return TRUE;
}

BOOL AfxX11GetWorkArea(RECT* prcWork, RECT* prcFrame)
{
    if (IsRectEmpty(&g_rcWork))
        return FALSE;
    // Panels may have come or gone since the start.
    if (g_pDisplay != nullptr)
        g_rcWork = ReadWorkArea(g_pDisplay);
    *prcWork = g_rcWork;
    *prcFrame = g_rcFrame;
    return TRUE;
}

std::string AfxX11GetXftDpi() { return g_strXftDpi; }

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

BOOL AfxX11HasWindowManager() { return g_pDisplay != nullptr && HasWindowManager(g_pDisplay); }

BOOL AfxX11HasInputFocus(SDL_Window* pSdl)
{
    Window window = g_pDisplay != nullptr ? X11WindowOf(pSdl) : None;
    Window focus = None;
    int nRevert = 0;
    if (window != None)
        XGetInputFocus(g_pDisplay, &focus, &nRevert);
    return window != None && focus == window;
}

BOOL AfxX11Bell()
{
    if (g_pDisplay == nullptr)
        return FALSE;
    XkbBell(g_pDisplay, None, 0, None);
    XFlush(g_pDisplay);
    return TRUE;
}

// The settings manager owns the screen's XSETTINGS selection and keeps its settings in a
// property of its window.
BOOL AfxX11EventSoundsEnabled()
{
    if (g_pDisplay == nullptr)
        return TRUE;
    const std::string strSelection = "_XSETTINGS_S" + std::to_string(DefaultScreen(g_pDisplay));
    const Window manager = XGetSelectionOwner(g_pDisplay, AtomOf(strSelection.c_str()));
    if (manager == None)
        return TRUE;
    const Atom settings = AtomOf("_XSETTINGS_SETTINGS");
    Atom actual = None;
    int nFormat = 0;
    unsigned long nItems = 0, nAfter = 0;
    unsigned char* pData = nullptr;
    int nEnabled = 1;
    if (XGetWindowProperty(g_pDisplay, manager, settings, 0, 65536, False, settings, &actual, &nFormat, &nItems,
                           &nAfter, &pData) == Success &&
        nFormat == 8 && pData != nullptr)
        AfxFindXSetting(pData, nItems, "Net/EnableEventSounds", &nEnabled);
    if (pData != nullptr)
        XFree(pData);
    return nEnabled != 0;
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
BOOL AfxX11ProbeDisplay(std::string&) { return TRUE; }
BOOL AfxX11GetWorkArea(RECT*, RECT*) { return FALSE; }
std::string AfxX11GetXftDpi() { return std::string(); }
BOOL AfxX11HasWindowManager() { return FALSE; }
BOOL AfxX11WaitForInput(int) { return FALSE; }
void AfxX11Flush() {}
void AfxX11DescribeWindow(SDL_Window*, const AFX_OSWINDOW_STYLE&) {}
BOOL AfxX11HasInputFocus(SDL_Window*) { return FALSE; }
BOOL AfxX11ShowWithoutFocus(SDL_Window*, BOOL) { return FALSE; }
BOOL AfxX11Bell() { return FALSE; }
BOOL AfxX11EventSoundsEnabled() { return TRUE; }

#endif
