// What the window layer keeps for each window, class and menu. Private to platform/wnd.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/wnd/WinUser.h"

struct AFX_OSWINDOW;
class CWnd;
class CMenu;

struct AFX_WNDCLASS_ENTRY {
    std::string strName;
    UINT style;
    WNDPROC lpfnWndProc;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
};

struct AFX_MENUITEM {
    UINT nFlags;
    UINT nID;
    std::string strText;
};

struct HMENU__ {
    std::vector<AFX_MENUITEM> items;
    CMenu* pTempMenu = nullptr;  // wrapper made by CMenu::FromHandle, owned here
};

struct HWND__ {
    const AFX_WNDCLASS_ENTRY* pClass = nullptr;
    WNDPROC pfnWndProc = nullptr;
    DWORD dwStyle = 0;
    DWORD dwExStyle = 0;
    UINT nID = 0;
    LONG lUserData = 0;
    HWND hParent = nullptr;             // child windows
    HWND hOwner = nullptr;              // top-level windows
    std::vector<HWND> children;         // z-order, topmost first
    RECT rcWindow = {0, 0, 0, 0};       // parent's client coordinates; screen for top-level
    std::string strText;
    CWnd* pWnd = nullptr;               // permanent object attached
    CWnd* pTempWnd = nullptr;           // wrapper made by CWnd::FromHandle, owned here
    HFONT hFont = nullptr;
    HFONT hOwnedFont = nullptr;         // a dialog's template font
    HICON hIcon = nullptr;              // SS_ICON image
    BOOL bOwnIcon = FALSE;
    HICON hIconBig = nullptr;
    HICON hIconSmall = nullptr;
    HMENU hSysMenu = nullptr;
    BOOL bDestroying = FALSE;
    BOOL bIconic = FALSE;
    UINT nAccessibleId = 0;             // its number on the accessibility bus, 0 until asked

    // Painting: one update rectangle in client coordinates.
    RECT rcUpdate = {0, 0, 0, 0};
    BOOL bUpdateErase = FALSE;
    BOOL bFrameDirty = FALSE;

    // Top-level windows: the OS window and its back buffer, in device pixels.
    AFX_OSWINDOW* pOs = nullptr;
    std::vector<uint32_t> backBuffer;
    int cxBuffer = 0;
    int cyBuffer = 0;
    RECT rcPresent = {0, 0, 0, 0};      // device pixels
    BOOL bShown = FALSE;

    // Controls and dialogs.
    UINT nButtonState = 0;              // BST_PUSHED, tracking
    BOOL bButtonTracking = FALSE;
    UINT nDefID = 0;
    HWND hLastFocus = nullptr;
};

// Window list and lookups.
BOOL AfxIsLiveWindow(HWND hWnd);
const std::vector<HWND>& AfxGetTopLevelWindows();
HWND AfxWindowFromOs(AFX_OSWINDOW* pOs);
const AFX_WNDCLASS_ENTRY* AfxFindClass(LPCTSTR lpszClassName);
// The object that CreateWindowEx attaches and subclasses before the window's first message.
void AfxHookWindowCreate(CWnd* pWnd);
CWnd* AfxUnhookWindowCreate();

// An owned top-level window without a caption (a tooltip): no frame, never activated.
BOOL AfxIsPopupWindow(HWND hWnd);

// The screen: its factor, chosen when the display opens and lowered when the first window
// would not fit at it (said on standard error); where top-level windows may go.
void AfxChooseScreenScale();
void AfxFitScaleToWorkArea(int cx, int cy);
// The part of the screen a top-level window's client area may take: the work area less the
// window manager's frame, logical pixels.
RECT AfxGetWorkArea();
// Moves a top-level window's client area (screen coordinates) into the work area; a window
// larger than it keeps its left and top edges inside.
void AfxKeepInWorkArea(RECT& rcWindow);

// Geometry helpers, all in logical pixels.
int AfxBorderWidth(HWND hWnd);
POINT AfxClientOrigin(HWND hWnd);      // client (0, 0) in the top-level window's buffer
RECT AfxClientRect(HWND hWnd);         // (0, 0, width, height) inside any border
RECT AfxVisibleClientRect(HWND hWnd);  // the part of the client area in the buffer that ancestors leave visible
BOOL AfxIsDrawable(HWND hWnd);         // visible itself and all the way up

// Painting.
// FALSE, the window's buffer as it was, when memory refuses a buffer of cx x cy.
BOOL AfxResizeBackBuffer(HWND hTop, int cx, int cy);
AFX_SURFACE AfxBackBufferSurface(HWND hTop);
// rcBuffer: logical pixels of the top-level window.
void AfxAddPresentRect(HWND hTop, const RECT& rcBuffer);
void AfxPresentAll();
HWND AfxFindWindowToPaint();
void AfxInvalidateTree(HWND hWnd, const RECT& rcClient, BOOL bErase);
void AfxInvalidateParentArea(HWND hWnd);

// Input.
BOOL AfxPumpBackendEvent(int nTimeoutMs);
// While the program waits outside, a window the screen lost pixels of shows its back
// buffer again, as far as it is painted.
void AfxPresentExposed(AFX_OSWINDOW* pOs);
void AfxForgetWindowInput(HWND hWnd);
void AfxSetIconic(HWND hWnd, BOOL bIconic);
// A box of hTop's has gone: hTop, and the control that had its focus, take the keyboard.
void AfxGiveKeyboardBack(HWND hTop);

// Calls the window's procedure; a framework exception or a failed allocation that leaves
// it is reported with a message box and the message ends there (a paint is validated,
// a creation fails), so that the message loop goes on.
LRESULT AfxCallWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Queue.
void AfxPostInputMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
void AfxRemoveWindowMessages(HWND hWnd);
int AfxNextTimerDelay();  // ms until the next timer, -1 when there is none

// Dialogs and menus.
void AfxDialogFocusChanged(HWND hNewFocus);
LRESULT AfxStaticProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT AfxButtonProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT AfxMenuPopupProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
BOOL AfxTrackSystemMenu(HWND hWnd, POINT ptScreen, BOOL bKeyboard);
// The popup window of the menu being tracked, or null.
HWND AfxGetMenuPopup();
// Closes the menu being tracked, if any, as if it was cancelled.
void AfxCancelMenu();
void AfxSetSystemIcons(HWND hWnd);

// The next message for a modal loop; runs the application's idle work whenever the
// queue is empty. FALSE for WM_QUIT (posted again for the outer loop) or when *pbStop
// turned TRUE during idle work.
BOOL AfxPumpModalMessage(MSG* pMsg, const BOOL* pbStop);
// Runs the driver's idle hook, if any; TRUE when it wants to run again at once.
BOOL AfxRunIdleHook();
// Text of a menu item or button without its "&" marks, and the mnemonic's position (-1: none).
std::string AfxStripMnemonic(const std::string& strText, int* pnMnemonic);
