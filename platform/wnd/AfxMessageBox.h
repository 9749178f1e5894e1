// The application's message box: modal, with the type's icon, the text with its line
// breaks and an OK button, captioned with the application's name. Boxes are shown through
// a replaceable service, so that a test can answer them without a window waiting.
#pragma once

#include "platform/wnd/WinUser.h"

// Box types; the beep uses the same values.
#ifndef MB_OK
#define MB_OK 0x00000000
#endif
#ifndef MB_ICONHAND
#define MB_ICONHAND 0x00000010
#endif
#ifndef MB_ICONQUESTION
#define MB_ICONQUESTION 0x00000020
#endif
#ifndef MB_ICONEXCLAMATION
#define MB_ICONEXCLAMATION 0x00000030
#endif
#ifndef MB_ICONASTERISK
#define MB_ICONASTERISK 0x00000040
#endif
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
