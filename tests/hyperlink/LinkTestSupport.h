// Shared pieces of the link tests: the test application, a frame with a static control
// to subclass, the link with its protected parts in reach, and stand-ins for the shell,
// registry, process, beep and message box services that record what they were asked.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "hyperlink/CHyperLink.h"
#include "platform/shell/IAfxBeep.h"
#include "platform/shell/IAfxProcess.h"
#include "platform/shell/IAfxRegistry.h"
#include "platform/shell/IAfxShell.h"
#include "platform/shell/ShellAPI.h"
#include "platform/wnd/AfxDriver.h"
#include "platform/wnd/AfxMessageBox.h"
#include "platform/wnd/AfxWin.h"
#include "tests/support/WindowTestSupport.h"

// The link unchanged, with its fields and protected operations public, and a count of
// its paints.
class CProbeLink : public CHyperLink {
public:
    using CHyperLink::GetRegKeyValue;
    using CHyperLink::GotoURL;
    using CHyperLink::m_bMouseOver;
    using CHyperLink::m_fontLink;
    using CHyperLink::m_hLinkCursor;
    using CHyperLink::m_wndToolTip;
    using CHyperLink::PositionWindow;
    using CHyperLink::ReportError;

    int m_nPaints = 0;

    // The displayed text on one line in the link font, measured on the control's window.
    CSize TextSize();
    // The address the tooltip holds for tool 1.
    CString ToolTipText();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A top-level window standing in for a dialog, with one static control in the dialog
// font (height -11) that a test subclasses.
class CLinkFrame : public CWnd {
public:
    // The frame and, in it, a static control with this text, style and rectangle.
    HWND CreateWithStatic(LPCTSTR lpszText, DWORD dwStyle, const CRect& rect, LONG lFontHeight = -11);

    CFont m_dlgFont;
};

// Everything the services were asked, in order: "shell open ADDRESS", "process COMMAND",
// "beep 48", "box TEXT".
std::vector<std::string>& Events();

struct CFakeShell : IAfxShell {
    INT_PTR m_nResult = SE_ERR_NOASSOC;
    INT_PTR Execute(LPCTSTR pszVerb, LPCTSTR pszFile, LPCTSTR pszParameters, LPCTSTR pszDirectory,
                    int nShowCmd) override;
};

struct CFakeRegistry : IAfxRegistry {
    std::map<std::string, std::string> m_values;  // HKEY_CLASSES_ROOT only
    LONG QueryValue(HKEY hRoot, LPCTSTR pszKey, CString& strValue) override;
};

struct CFakeProcess : IAfxProcess {
    LONG m_lResult = 0;  // ERROR_SUCCESS
    LONG Start(LPCTSTR pszCommandLine, LPCTSTR pszDirectory, DWORD& dwProcessId) override;
};

struct CFakeBeep : IAfxBeep {
    BOOL Beep(UINT uType) override;
};

struct CFakeMessageBox : IAfxMessageBox {
    std::vector<std::string> m_texts;
    std::vector<std::string> m_captions;
    std::vector<UINT> m_types;
    std::vector<HWND> m_owners;
    int Show(HWND hOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) override;
};

// All five stand-ins installed for the object's lifetime; the event log starts empty.
class CLinkServices {
public:
    CLinkServices();
    ~CLinkServices();
    CLinkServices(const CLinkServices&) = delete;
    CLinkServices& operator=(const CLinkServices&) = delete;

    CFakeShell m_shell;
    CFakeRegistry m_registry;
    CFakeProcess m_process;
    CFakeBeep m_beep;
    CFakeMessageBox m_box;

private:
    IAfxShell* m_pOldShell;
    IAfxRegistry* m_pOldRegistry;
    IAfxProcess* m_pOldProcess;
    IAfxBeep* m_pOldBeep;
    IAfxMessageBox* m_pOldBox;
};

// Pixels of exactly crColour in pWnd's client area of the back buffer.
int CountPixels(CWnd* pWnd, COLORREF crColour);
// The client area's pixels in the back buffer, row by row.
std::vector<uint32_t> ClientPixels(CWnd* pWnd);
// The window's rectangle in its parent's client coordinates.
CRect RectInParent(CWnd* pWnd);
