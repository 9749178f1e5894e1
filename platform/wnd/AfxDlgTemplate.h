// Dialog templates (RT_DIALOG resource data), in dialog units.
#pragma once

#include "platform/core/WinDef.h"

struct AFX_DLGITEMTEMPLATE {
    LPCTSTR lpszClass;  // "button" or "static"
    LPCTSTR lpszText;
    int nID;
    DWORD dwStyle;
    DWORD dwExStyle;
    short x;
    short y;
    short cx;
    short cy;
    UINT nIconID;  // SS_ICON: the icon resource shown
};

struct AFX_DLGTEMPLATE {
    LPCTSTR lpszCaption;
    DWORD dwStyle;
    DWORD dwExStyle;
    short x;
    short y;
    short cx;
    short cy;
    LPCTSTR lpszFontName;
    int nPointSize;
    const AFX_DLGITEMTEMPLATE* pItems;
    int nItems;
};

// Dialog base units of the 8-point template font.
#define AFX_DLG_BASEUNIT_X 6
#define AFX_DLG_BASEUNIT_Y 13

// A rectangle in dialog units to pixels: x * 6 / 4 and y * 13 / 8, each edge rounded
// half away from zero.
RECT AfxDialogUnitsToPixels(const RECT& rcDlu);

// Creates the dialog window and its controls from a template (not yet visible), owned by
// hOwner; pDialog, when given, is attached before the first message. Sends WM_INITDIALOG.
HWND AfxCreateDialogIndirect(const AFX_DLGTEMPLATE* pTemplate, HWND hOwner, class CWnd* pDialog);
