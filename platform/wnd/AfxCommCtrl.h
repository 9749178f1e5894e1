// Tooltip constants and records, with the classic common-control names and values.
#pragma once

#include "platform/wnd/WinUser.h"

#define TOOLTIPS_CLASS "tooltips_class32"

#define TTS_ALWAYSTIP 0x01
#define TTS_NOPREFIX 0x02

#define TTF_IDISHWND 0x0001
#define TTF_SUBCLASS 0x0010

#define TTDT_RESHOW 1
#define TTDT_AUTOPOP 2
#define TTDT_INITIAL 3

#define TTM_SETDELAYTIME (WM_USER + 3)
#define TTM_ADDTOOL (WM_USER + 4)
#define TTM_RELAYEVENT (WM_USER + 7)
#define TTM_GETTEXT (WM_USER + 11)
#define TTM_UPDATETIPTEXT (WM_USER + 12)
#define TTM_GETTOOLCOUNT (WM_USER + 13)

struct TOOLINFO {
    UINT cbSize;
    UINT uFlags;
    HWND hwnd;       // the window that holds the tool
    UINT_PTR uId;    // the tool's id, or its window with TTF_IDISHWND
    RECT rect;       // the tool's area in hwnd's client coordinates
    HINSTANCE hinst;
    LPTSTR lpszText;
    LPARAM lParam;
};
typedef TOOLINFO* LPTOOLINFO;

LRESULT AfxToolTipProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
