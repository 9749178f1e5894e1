// Driving windows from outside, for tests and tools: synthetic input that takes the
// real OS event path, message pumping without waiting, and the pixels of a window.
#pragma once

#include <functional>
#include <vector>

#include "platform/backend/AfxBackend.h"
#include "platform/wnd/WinUser.h"

class CDialog;

// Input at a point of hWnd's client area; the event goes to hWnd's top-level OS window.
BOOL AfxSimulateMouseMove(HWND hWnd, POINT ptClient);
BOOL AfxSimulateButton(HWND hWnd, POINT ptClient, int nButton, BOOL bDown, int nClicks = 1);
// Move, press and release.
BOOL AfxSimulateClick(HWND hWnd, POINT ptClient, int nButton = AFX_BUTTON_LEFT, int nClicks = 1);
// Press and release of a key (VK_*), with AFX_KEY_* modifiers held.
BOOL AfxSimulateKey(HWND hWnd, UINT nVirtKey, UINT nKeyFlags = 0);
// The window manager's close button.
BOOL AfxSimulateClose(HWND hWnd);

// Handles every waiting message and paint, then presents; never waits. FALSE when
// WM_QUIT came (it is posted again).
BOOL AfxPumpUntilIdle();

// The back buffer of hWnd's top-level window (device pixels), and the pixel of it that
// a point of hWnd's client area starts on (CLR_INVALID outside the buffer).
AFX_SURFACE AfxGetBackBuffer(HWND hWnd);
COLORREF AfxGetBackBufferPixel(HWND hWnd, POINT ptClient);
// What the OS window shows at that point (CLR_INVALID when unknown).
COLORREF AfxGetScreenPixel(HWND hWnd, POINT ptClient);
// Work that every message loop runs when it has nothing left to do (all messages handled,
// all paints done, the screen up to date), before the application's OnIdle. It returns
// TRUE to be called again at once. An empty function removes it.
void AfxSetIdleHook(std::function<BOOL()> fnHook);

// Ends every running modal loop with nResult: open menus close, dialogs end.
void AfxEndModalLoops(int nResult);

// Runs dlg.DoModal() and, each time its loop (or a loop nested in it, such as another
// dialog or a menu) is idle, the next step. When the steps are used up, every modal
// loop still running ends (dialogs with -2). Returns what DoModal returned.
INT_PTR AfxRunModalSteps(CDialog& dlg, std::vector<std::function<void()>> steps);

// The popup of the menu being tracked, or null.
HWND AfxGetTrackedMenuWindow();
