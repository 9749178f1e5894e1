// The application object: the program defines one static CWinApp-derived object; the
// framework's main() opens the display, calls InitInstance and, when that returns TRUE,
// runs the message loop.
#pragma once

#include <string>

#include "platform/wnd/CWnd.h"

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    LPCTSTR m_pszAppName = nullptr;  // without a name given: the program file's name, no extension
    LPCTSTR m_pszExeName = nullptr;
    HINSTANCE m_hInstance = nullptr;
    CWnd* m_pMainWnd = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();
    // Called whenever a message loop finds nothing to do; TRUE asks for another call.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    BOOL PumpMessage();

    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();
    virtual void DoWaitCursor(int nCode);

    // Names the application after the program file (argv[0]).
    void SetNamesFromProgram(LPCTSTR lpszProgram);

protected:
    BOOL Enable3dControlsStatic();
    afx_msg void OnHelp();

    DECLARE_MESSAGE_MAP()

private:
    std::string m_strAppName;
    std::string m_strExeName;
    BOOL m_bRunning = FALSE;

    friend class CWnd;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
LPCTSTR AfxGetAppName();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
void AfxEnableControlContainer();
// Offers a message to the windows it is for and the application before it is dispatched.
BOOL AfxPreTranslateMessage(MSG* pMsg);

// Framework start-up and shut-down. AfxWinInit opens the display and installs the wait
// cursor; on failure it gives a one-line reason. AfxWinMain is the whole program.
BOOL AfxWinInit(int argc, char* argv[], const char** ppszError);
void AfxWinTerm();
int AfxWinMain(int argc, char* argv[]);
