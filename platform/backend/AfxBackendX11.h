// Xlib on the X11 connection that SDL's windows live on, for what SDL cannot say or do
// itself. Private to platform/backend. Without X11 (another video driver, or a build
// without Xlib) every call does nothing and the ones that answer say FALSE.
#pragma once

#include <SDL.h>

#include <string>

#include "platform/backend/AfxBackend.h"

// Remembers the connection of SDL's windows, from the first window made on X11.
void AfxX11NoteWindow(SDL_Window* pSdl);
void AfxX11Forget();

// Whether SDL's windows are on X11.
BOOL AfxX11IsActive();

// Opens and closes a connection of its own to the display that DISPLAY names, before SDL
// does: FALSE with the server's own reason for refusing (or why nothing answered) in
// strReason. What the desktop gave the server is noted on the way (AfxX11GetXftDpi).
BOOL AfxX11ProbeDisplay(std::string& strReason);

// The X resource Xft.dpi of that display, empty when it has none.
std::string AfxX11GetXftDpi();

// The screen's work area and the window manager's frame around a window (left, top,
// right, bottom thickness), device pixels; FALSE when not on X11.
BOOL AfxX11GetWorkArea(RECT* prcWork, RECT* prcFrame);

// Waits up to nTimeoutMs (negative: for ever) until the connection has input; FALSE when
// there is no X11 connection to wait on.
BOOL AfxX11WaitForInput(int nTimeoutMs);
void AfxX11Flush();

// Tells the window manager what the window is: its type, owner, modal state and the
// functions it may offer. Called before the window is first shown.
void AfxX11DescribeWindow(SDL_Window* pSdl, const AFX_OSWINDOW_STYLE& style);

// Whether a window manager runs on the X11 display (FALSE when not on X11).
BOOL AfxX11HasWindowManager();

// Whether the X server gives the window the keyboard now (FALSE when not on X11).
BOOL AfxX11HasInputFocus(SDL_Window* pSdl);

// Rings the X bell (XkbBell): a desktop set to a visual bell shows it. FALSE when not on X11.
BOOL AfxX11Bell();
// Whether the desktop's settings manager leaves event sounds on (Net/EnableEventSounds):
// TRUE where nothing says otherwise.
BOOL AfxX11EventSoundsEnabled();

// Maps or unmaps a window that must never take the input focus; FALSE when not on X11.
BOOL AfxX11ShowWithoutFocus(SDL_Window* pSdl, BOOL bShow);
