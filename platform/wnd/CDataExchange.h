// Dialog data exchange: binds control objects to a dialog's controls.
#pragma once

#include "platform/wnd/CWnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl = nullptr;

    // The dialog's control nIDC, or null when there is none.
    HWND PrepareCtrl(int nIDC);
};

// The first time it runs, subclasses the dialog's control nIDC with rControl, which
// calls rControl's PreSubclassWindow.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
