#include "app/CBrelvinApp.h"

#include "app/CBrelvinDlg.h"

BEGIN_MESSAGE_MAP(CBrelvinApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

CBrelvinApp theApp;

// No name given: the framework names the application after the program file.
CBrelvinApp::CBrelvinApp() = default;

CBrelvinApp::~CBrelvinApp() = default;

BOOL CBrelvinApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControlsStatic();

    CBrelvinDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();

    // The dialog has closed: end the program instead of starting a message loop.
    return FALSE;
}
