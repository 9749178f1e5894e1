// The application object: the program defines one static CWinApp-derived object; the
// framework's main() calls InitApplication, opens the display, calls InitInstance and,
// when that returns TRUE, runs the message loop.
#pragma once

#include <string>

#include "platform/wnd/CCommandLineInfo.h"
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

    // Runs before the display opens, so that what it does needs none: an application
    // answers its command line here. FALSE ends the program with ExitInstance's code.
    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();
    // Called whenever a message loop finds nothing to do; TRUE asks for another call.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    BOOL PumpMessage();

    HICON LoadIcon(UINT nIDResource) const;

    // Names the application after the program file (argv[0]).
    void SetNamesFromProgram(LPCTSTR lpszProgram);
    // Keeps the arguments for ParseCommandLine and names the application.
    void SetCommandLine(int argc, const char* const* argv);

    // Hands every argument after the program's name to rCmdInfo.ParseParam.
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    // --help prints the usage and --version the program's name and file version on standard
    // output (exit code 1 when that fails); a refused argument gets one line on standard
    // error and exit code 2. FALSE when the program is to end instead of starting.
    BOOL ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    // The text --help prints; an application with more to say overrides it.
    virtual CString GetUsage() const;

protected:
    BOOL Enable3dControlsStatic();
    afx_msg void OnHelp();

    DECLARE_MESSAGE_MAP()

    int m_nExitCode = 0;  // what ExitInstance returns

private:
    std::string m_strAppName;
    std::string m_strExeName;
    BOOL m_bRunning = FALSE;
    int m_argc = 0;
    const char* const* m_argv = nullptr;

    void PrintInfo(LPCTSTR lpszText);

    friend class CWnd;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
LPCTSTR AfxGetAppName();
void AfxEnableControlContainer();
// Offers a message to the windows it is for and the application before it is dispatched.
BOOL AfxPreTranslateMessage(MSG* pMsg);

// Framework start-up and shut-down. AfxWinInit opens the display and installs the wait
// cursor; on failure it gives a one-line reason. AfxWinMain is the whole program.
BOOL AfxWinInit(int argc, char* argv[], const char** ppszError);
void AfxWinTerm();
int AfxWinMain(int argc, char* argv[]);
