// The window system underneath the framework: top-level OS windows that show finished
// pixels, and input events in a neutral form. Nothing above this header sees SDL.
// Positions and sizes of windows, of the screen and of input are logical pixels; the
// backend turns them into the device pixels of the screen by its factor
// (AfxGetScreenScale). Surfaces, and rectangles and pixels of them, are device pixels.
#pragma once

#include <cstdint>

#include "platform/backend/AfxKeys.h"
#include "platform/core/CString.h"
#include "platform/core/WinDef.h"
#include "platform/gdi/AfxSurface.h"

struct AFX_OSWINDOW;

enum AFX_EVENT_TYPE {
    AFX_EVENT_NONE,
    AFX_EVENT_MOUSEMOVE,
    AFX_EVENT_BUTTONDOWN,
    AFX_EVENT_BUTTONUP,
    AFX_EVENT_KEYDOWN,
    AFX_EVENT_KEYUP,
    AFX_EVENT_CLOSE,       // the window manager's close button or its Alt+F4
    AFX_EVENT_EXPOSE,      // the OS lost the window's pixels: present everything again
    AFX_EVENT_ACTIVATE,
    AFX_EVENT_DEACTIVATE,
    AFX_EVENT_MINIMIZE,
    AFX_EVENT_RESTORE,
    AFX_EVENT_MOUSELEAVE,
    AFX_EVENT_MOVE,        // the window manager placed the window: x, y is the client area's new screen position
};

enum AFX_MOUSE_BUTTON { AFX_BUTTON_LEFT = 1, AFX_BUTTON_MIDDLE = 2, AFX_BUTTON_RIGHT = 3 };

// Coordinates are pixels of the window's client area.
struct AFX_INPUT_EVENT {
    int nType;
    AFX_OSWINDOW* pWindow;
    int x;
    int y;
    int nButton;
    int nClicks;      // 2 for the second press of a double click
    UINT nVirtKey;
    UINT nKeyFlags;   // AFX_KEY_*
};

enum AFX_OSCURSOR_SHAPE {
    AFX_OSCURSOR_ARROW,
    AFX_OSCURSOR_IBEAM,
    AFX_OSCURSOR_WAIT,
    AFX_OSCURSOR_CROSS,
    AFX_OSCURSOR_HAND,
    AFX_OSCURSOR_NO,
    AFX_OSCURSOR_SIZEALL,
    AFX_OSCURSOR_APPSTARTING,
    AFX_OSCURSOR_COUNT
};

// Opens the X11 display (or the dummy driver that SDL_VIDEODRIVER asks for). On failure
// returns FALSE and a one-line reason; lpszProgram names the program in it.
BOOL AfxBackendInit(LPCTSTR lpszProgram, const char** ppszError);
BOOL AfxBackendIsReady();
void AfxBackendTerm();

// The screen's factor, once the display is open: from the environment variable
// lpszOwnVariable (the program's own), GDK_SCALE, or the X resource Xft.dpi, in that order
// (AfxChooseScale). strWarning gets the one-line reason for passing over a value of the
// program's own variable that is not a factor.
// strSource gets what decided it.
int AfxBackendChooseScale(LPCTSTR lpszOwnVariable, CString& strWarning, CString& strSource);

// What a top-level window is, for the window manager.
enum AFX_OSWINDOW_KIND {
    AFX_OSWINDOW_NORMAL,   // an application window with its own taskbar entry
    AFX_OSWINDOW_DIALOG,   // a modal box, kept above its owner
    AFX_OSWINDOW_TOOLTIP,  // no frame, on top, out of the taskbar, never focused
};

struct AFX_OSWINDOW_STYLE {
    int nKind;              // AFX_OSWINDOW_*
    AFX_OSWINDOW* pOwner;   // the window it belongs to, or null
    BOOL bMinimize;         // what the window manager may offer besides moving and closing
    BOOL bMaximize;
    BOOL bResize;
};

// A top-level window whose client area is cx by cy pixels. x and y are the client
// area's screen position; AFX_POS_CENTERED centres it on the screen.
#define AFX_POS_CENTERED (-0x7FFF)
AFX_OSWINDOW* AfxBackendCreateWindow(LPCTSTR lpszTitle, int x, int y, int cx, int cy, const AFX_OSWINDOW_STYLE& style);
void AfxBackendDestroyWindow(AFX_OSWINDOW* pWindow);
void AfxBackendShowWindow(AFX_OSWINDOW* pWindow, BOOL bShow);
void AfxBackendSetTitle(AFX_OSWINDOW* pWindow, LPCTSTR lpszTitle);
void AfxBackendMoveWindow(AFX_OSWINDOW* pWindow, int x, int y, int cx, int cy);
// The window's position in device pixels, for those who count the screen's own pixels.
POINT AfxBackendGetWindowDevicePos(AFX_OSWINDOW* pWindow);
void AfxBackendMinimize(AFX_OSWINDOW* pWindow);
// Brings the window to the front and gives it the keyboard.
void AfxBackendRaise(AFX_OSWINDOW* pWindow);
// A click in the window: without a window manager nobody else would give it the keyboard.
void AfxBackendFocusOnClick(AFX_OSWINDOW* pWindow);
SIZE AfxBackendGetScreenSize();
// What panels leave of the screen (all of it without a window manager), and the window
// manager's frame around a window: its left, top, right and bottom thickness, empty without
// one. Device pixels, unlike the rest: the factor is chosen to fit them.
void AfxBackendGetWorkArea(RECT* prcWork, RECT* prcFrame);

// Copies rc (device pixels) of the back buffer, which is as large as the window on the
// screen, to the screen.
void AfxBackendPresent(AFX_OSWINDOW* pWindow, const AFX_SURFACE& surface, const RECT& rc);
// What the screen shows at device pixel (x, y) of the window, 0x00RRGGBB; FALSE outside.
BOOL AfxBackendReadScreenPixel(AFX_OSWINDOW* pWindow, int x, int y, uint32_t* pPixel);

// Icons as 0xAARRGGBB pixels.
struct AFX_OSICON {
    const uint32_t* pArgb;
    int cx;
    int cy;
};
// Every size of the window's icon at once, for the window manager to choose from.
void AfxBackendSetIcons(AFX_OSWINDOW* pWindow, const AFX_OSICON* pImages, int nImages);

void AfxBackendSetCursor(int nShape);
// A cursor made from an image, shown as it is (device pixels, hotspot too); pKey names the
// image, so that showing it again is cheap.
void AfxBackendSetImageCursor(const AFX_OSICON& image, int xHotspot, int yHotspot, const void* pKey);
void AfxBackendCaptureMouse(BOOL bCapture);
// Before the program waits for something outside it (a program it started): the pointer
// is let go, so that the desktop stays usable, and what is drawn so far reaches the screen.
void AfxBackendBeginExternalWait();

// Waits nMs for something outside the program (a program it started). Input stays queued
// for later; a window the screen lost pixels of is handed to the expose handler at once,
// so that it shows again.
void AfxBackendWaitOutside(int nMs);
void AfxBackendSetExposeHandler(void (*pfnExposed)(AFX_OSWINDOW* pWindow));

// Milliseconds since the backend started.
DWORD AfxBackendGetTicks();

// Next input event; waits up to nTimeoutMs (negative: for ever, 0: do not wait).
BOOL AfxBackendNextEvent(AFX_INPUT_EVENT* pEvent, int nTimeoutMs);
// Puts an event into the OS event queue, so that it takes the same path as real input.
BOOL AfxBackendPushEvent(const AFX_INPUT_EVENT& event);
