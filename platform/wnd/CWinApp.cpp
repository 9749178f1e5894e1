#include "platform/wnd/CWinApp.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>

#include "platform/backend/AfxBackend.h"
#include "platform/core/AfxPrintable.h"
#include "platform/core/AfxScale.h"
#include "platform/core/AfxVersionInfo.h"
#include "platform/core/CException.h"
#include "platform/core/CWaitCursor.h"
#include "platform/wnd/AfxWindow.h"
#include "platform/wnd/CAccessibleBridge.h"

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

namespace {

CWinApp* g_pApp = nullptr;

// A non-null handle that stands for the program's own resources.
HINSTANCE__* ProgramInstance()
{
    static char s_cInstance;
    return reinterpret_cast<HINSTANCE__*>(&s_cInstance);
}

void ShowWaitCursor(int, int nWaitCount)
{
    SetCursor(LoadCursor(nullptr, nWaitCount > 0 ? IDC_WAIT : IDC_ARROW));
}

// The program's name as it heads a sentence: "Brelvin" for brelvin.
CString ProgramTitle()
{
    std::string strTitle = AfxGetAppName();
    if (!strTitle.empty())
        strTitle[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(strTitle[0])));
    return CString(strTitle.c_str());
}

}  // namespace

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    if (lpszAppName != nullptr) {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName.c_str();
    }
    m_hInstance = ProgramInstance();
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

void CWinApp::SetNamesFromProgram(LPCTSTR lpszProgram)
{
    std::string strPath = lpszProgram != nullptr ? lpszProgram : "";
    size_t nSlash = strPath.find_last_of('/');
    std::string strFile = nSlash == std::string::npos ? strPath : strPath.substr(nSlash + 1);
    size_t nDot = strFile.find_last_of('.');
    m_strExeName = nDot == std::string::npos || nDot == 0 ? strFile : strFile.substr(0, nDot);
    m_pszExeName = m_strExeName.c_str();
    if (m_pszAppName == nullptr || m_pszAppName == m_strAppName.c_str()) {
        if (m_strAppName.empty())
            m_strAppName = m_strExeName;
        m_pszAppName = m_strAppName.c_str();
    }
}

void CWinApp::SetCommandLine(int argc, const char* const* argv)
{
    m_argc = argc;
    m_argv = argv;
    SetNamesFromProgram(argc > 0 ? argv[0] : nullptr);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    for (int i = 1; i < m_argc; ++i) {
        const char* pszArg = m_argv[i];
        const BOOL bFlag = pszArg[0] == '-' && pszArg[1] == '-';
        rCmdInfo.ParseParam(bFlag ? pszArg + 2 : pszArg, bFlag, i == m_argc - 1);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::AppHelp:
        PrintInfo(GetUsage());
        return FALSE;
    case CCommandLineInfo::AppVersion:
        PrintInfo(CString(AfxGetAppName()) + " " + AfxGetFileVersionText() + "\n");
        return FALSE;
    case CCommandLineInfo::AppBadParam:
        std::fprintf(stderr, "%s: %s '%s'; try '%s --help'\n", AfxGetAppName(),
                     rCmdInfo.m_bBadFlag ? "unknown option" : "unexpected argument",
                     static_cast<LPCTSTR>(AfxPrintable(rCmdInfo.m_strBadParam)), AfxGetAppName());
        m_nExitCode = 2;
        return FALSE;
    default:
        return TRUE;
    }
}

// An answer that did not reach standard output (a full disk, a closed pipe) is a failure.
void CWinApp::PrintInfo(LPCTSTR lpszText)
{
    std::fputs(lpszText, stdout);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "%s: cannot write to standard output: %s\n", AfxGetAppName(), std::strerror(errno));
        m_nExitCode = 1;
    }
}

CString CWinApp::GetUsage() const
{
    CString strUsage;
    strUsage.Format("Usage: %s [--help] [--version]\n", AfxGetAppName());
    return strUsage;
}

BOOL CWinApp::InitApplication() { return TRUE; }

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return m_nExitCode; }

BOOL CWinApp::OnIdle(LONG) { return FALSE; }

BOOL CWinApp::PreTranslateMessage(MSG* pMsg)
{
    return CWnd::WalkPreTranslateTree(::GetTopLevelWindow(pMsg->hwnd), pMsg);
}

BOOL CWinApp::PumpMessage()
{
    MSG msg;
    if (!::GetMessage(&msg, nullptr, 0, 0))
        return FALSE;
    if (!PreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
    return TRUE;
}

int CWinApp::Run()
{
    m_bRunning = TRUE;
    LONG lIdle = 0;
    for (;;) {
        MSG msg;
        while (!::PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!AfxRunIdleHook() && !OnIdle(lIdle++)) {
                lIdle = 0;
                ::WaitMessage();
            }
        }
        lIdle = 0;
        if (!PumpMessage())
            break;
    }
    m_bRunning = FALSE;
    return ExitInstance();
}

HICON CWinApp::LoadIcon(UINT nIDResource) const { return ::LoadIcon(m_hInstance, MAKEINTRESOURCE(nIDResource)); }

BOOL CWinApp::Enable3dControlsStatic() { return TRUE; }

void CWinApp::OnHelp() {}

CWinApp* AfxGetApp() { return g_pApp; }
CWnd* AfxGetMainWnd() { return g_pApp != nullptr ? g_pApp->m_pMainWnd : nullptr; }
LPCTSTR AfxGetAppName() { return g_pApp != nullptr && g_pApp->m_pszAppName != nullptr ? g_pApp->m_pszAppName : ""; }
void AfxEnableControlContainer() {}

BOOL AfxPreTranslateMessage(MSG* pMsg)
{
    if (g_pApp != nullptr)
        return g_pApp->PreTranslateMessage(pMsg);
    return CWnd::WalkPreTranslateTree(::GetTopLevelWindow(pMsg->hwnd), pMsg);
}

BOOL AfxPumpModalMessage(MSG* pMsg, const BOOL* pbStop)
{
    LONG lIdle = 0;
    for (;;) {
        if (::PeekMessage(pMsg, nullptr, 0, 0, PM_REMOVE)) {
            if (pMsg->message != WM_QUIT)
                return TRUE;
            ::PostQuitMessage(static_cast<int>(pMsg->wParam));
            return FALSE;
        }
        BOOL bMoreIdle = AfxRunIdleHook() || (g_pApp != nullptr && g_pApp->OnIdle(lIdle++));
        if (pbStop != nullptr && *pbStop)
            return FALSE;
        if (bMoreIdle)
            continue;
        lIdle = 0;
        ::WaitMessage();
    }
}

BOOL AfxWinInit(int argc, char* argv[], const char** ppszError)
{
    if (g_pApp != nullptr)
        g_pApp->SetNamesFromProgram(argc > 0 ? argv[0] : nullptr);
    // Without a font no dialog could show a word: say so instead of showing blanks.
    static CString s_strFontError;
    if (!AfxCheckFonts(s_strFontError)) {
        if (ppszError != nullptr)
            *ppszError = s_strFontError;
        return FALSE;
    }
    if (!AfxBackendInit(ProgramTitle(), ppszError))
        return FALSE;
    AfxChooseScreenScale();
    CAccessibleBridge::Install(AfxGetAppName());
    AfxBackendSetExposeHandler(AfxPresentExposed);
    AfxSetWaitCursorProc(ShowWaitCursor);
    return TRUE;
}

void AfxWinTerm()
{
    AfxSetWaitCursorProc(nullptr);
    std::vector<HWND> windows = AfxGetTopLevelWindows();
    for (HWND hWnd : windows) {
        if (::IsWindow(hWnd))
            ::DestroyWindow(hWnd);
    }
    CAccessibleBridge::Uninstall();
    AfxBackendTerm();
}

int AfxWinMain(int argc, char* argv[])
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr) {
        pApp->SetCommandLine(argc, argv);
        if (!pApp->InitApplication())
            return pApp->ExitInstance();
    }
    const char* pszError = "no application object";
    if (pApp == nullptr || !AfxWinInit(argc, argv, &pszError)) {
        std::fprintf(stderr, "%s: cannot start: %s\n", AfxGetAppName()[0] != 0 ? AfxGetAppName() : "program",
                     pszError);
        return 1;
    }
    int nResult = 1;
    try {
        nResult = pApp->InitInstance() ? pApp->Run() : pApp->ExitInstance();
    } catch (CException* pException) {
        pException->Delete();
        std::fprintf(stderr, "%s: stopped: out of memory\n", AfxGetAppName());
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "%s: stopped: out of memory\n", AfxGetAppName());
    }
    AfxWinTerm();
    return nResult;
}
