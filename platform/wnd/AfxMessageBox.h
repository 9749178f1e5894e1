// The application's message box: modal, with the type's icon, the text with its line
// breaks and an OK button, captioned with the application's name. Boxes are shown through
// a replaceable service, so that a test can answer them without a window waiting.
#pragma once

#include "platform/wnd/WinUser.h"

#define MB_TYPEMASK 0x0000000F
#define MB_ICONMASK 0x000000F0

struct IAfxMessageBox {
    virtual ~IAfxMessageBox() = default;
    // Shows the box owned by hOwner (null: no owner) until the user closes it; returns the
    // button chosen (IDOK: there is only the OK button).
    virtual int Show(HWND hOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) = 0;
};

// Installs pBox (null: the default, a real modal box) and returns the one it replaces
// (null when that was the default). The caller keeps pBox alive while it is installed.
IAfxMessageBox* AfxSetMessageBox(IAfxMessageBox* pBox);
IAfxMessageBox* AfxGetMessageBox();

// Shows lpszText through the installed box, captioned with AfxGetAppName() and owned by
// the application's active window (else its main window). nIDHelp is accepted for the
// framework's signature; there is no help system.
int AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
