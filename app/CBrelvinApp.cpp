#include "app/CBrelvinApp.h"

#include "app/CBrelvinDlg.h"

BEGIN_MESSAGE_MAP(CBrelvinApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

CBrelvinApp theApp;

// No name given: the framework names the application after the program file.
CBrelvinApp::CBrelvinApp() = default;

CBrelvinApp::~CBrelvinApp() = default;

// The command line is answered before any window opens, so --help and --version need no
// display, and a mistyped argument never starts the dialog.
BOOL CBrelvinApp::InitApplication()
{
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    return ProcessShellCommand(cmdInfo);
}

CString CBrelvinApp::GetUsage() const
{
    CString strUsage;
    strUsage.Format("Usage: %s [--help] [--version]\n"
                    "Shows a whole year as a calendar in one dialog.\n"
                    "\n"
                    "  --help     show this help and exit\n"
                    "  --version  show the version and exit\n",
                    AfxGetAppName());
    return strUsage;
}

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
