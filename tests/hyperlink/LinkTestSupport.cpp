#include "tests/hyperlink/LinkTestSupport.h"

#include <cstdio>

#include "platform/core/WinError.h"
#include "platform/shell/WinReg.h"
#include "platform/wnd/AfxWindow.h"

CSize CProbeLink::TextSize()
{
    CString strText;
    GetWindowText(strText);
    CClientDC dc(this);
    CFont* pOld = dc.SelectObject(&m_fontLink);
    CSize size = dc.GetTextExtent(strText);
    dc.SelectObject(pOld);
    return size;
}

CString CProbeLink::ToolTipText()
{
    CString strText;
    m_wndToolTip.GetText(strText, this, 1);
    return strText;
}

LRESULT CProbeLink::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT)
        ++m_nPaints;
    return CHyperLink::WindowProc(message, wParam, lParam);
}

HWND CLinkFrame::CreateWithStatic(LPCTSTR lpszText, DWORD dwStyle, const CRect& rect, LONG lFontHeight)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(0, nullptr, GetSysColorBrush(COLOR_3DFACE));
    if (!CreateEx(0, lpszClass, "frame", WS_POPUP | WS_VISIBLE, 20, 20, 400, 200, nullptr, nullptr))
        return nullptr;
    LOGFONT lf = {};
    lf.lfHeight = lFontHeight;
    lf.lfWeight = FW_NORMAL;
    std::snprintf(lf.lfFaceName, sizeof lf.lfFaceName, "%s", "MS Sans Serif");
    m_dlgFont.CreateFontIndirect(&lf);
    HWND hStatic = ::CreateWindowEx(0, "static", lpszText, WS_CHILD | WS_VISIBLE | dwStyle, rect.left, rect.top,
                                    rect.Width(), rect.Height(), m_hWnd,
                                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(1001)), nullptr, nullptr);
    ::SendMessage(hStatic, WM_SETFONT, reinterpret_cast<WPARAM>(m_dlgFont.m_hObject), FALSE);
    return hStatic;
}

std::vector<std::string>& Events()
{
    static std::vector<std::string> s_events;
    return s_events;
}

INT_PTR CFakeShell::Execute(LPCTSTR pszVerb, LPCTSTR pszFile, LPCTSTR, LPCTSTR, int)
{
    Events().push_back(std::string("shell ") + (pszVerb != nullptr ? pszVerb : "(null)") + " " + pszFile);
    return m_nResult;
}

LONG CFakeRegistry::QueryValue(HKEY hRoot, LPCTSTR pszKey, CString& strValue)
{
    auto it = m_values.find(pszKey);
    if (hRoot != HKEY_CLASSES_ROOT || it == m_values.end())
        return ERROR_FILE_NOT_FOUND;
    strValue = it->second.c_str();
    return ERROR_SUCCESS;
}

LONG CFakeProcess::Start(LPCTSTR pszCommandLine, LPCTSTR, DWORD& dwProcessId)
{
    Events().push_back(std::string("process ") + pszCommandLine);
    dwProcessId = 4242;
    return m_lResult;
}

BOOL CFakeBeep::Beep(UINT uType)
{
    Events().push_back("beep " + std::to_string(uType));
    return TRUE;
}

int CFakeMessageBox::Show(HWND hOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    Events().push_back(std::string("box ") + lpszText);
    m_texts.push_back(lpszText);
    m_captions.push_back(lpszCaption);
    m_types.push_back(nType);
    m_owners.push_back(hOwner);
    return IDOK;
}

CLinkServices::CLinkServices()
    : m_pOldShell(AfxSetShell(&m_shell)), m_pOldRegistry(AfxSetRegistry(&m_registry)),
      m_pOldProcess(AfxSetProcess(&m_process)), m_pOldBeep(AfxSetBeep(&m_beep)), m_pOldBox(AfxSetMessageBox(&m_box))
{
    Events().clear();
}

CLinkServices::~CLinkServices()
{
    AfxSetMessageBox(m_pOldBox);
    AfxSetBeep(m_pOldBeep);
    AfxSetProcess(m_pOldProcess);
    AfxSetRegistry(m_pOldRegistry);
    AfxSetShell(m_pOldShell);
}

int CountPixels(CWnd* pWnd, COLORREF crColour)
{
    CRect rc;
    pWnd->GetClientRect(&rc);
    int nCount = 0;
    for (int y = rc.top; y < rc.bottom; ++y) {
        for (int x = rc.left; x < rc.right; ++x)
            nCount += AfxGetBackBufferPixel(pWnd->m_hWnd, CPoint(x, y)) == crColour ? 1 : 0;
    }
    return nCount;
}

std::vector<uint32_t> ClientPixels(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetClientRect(&rc);
    std::vector<uint32_t> pixels;
    for (int y = rc.top; y < rc.bottom; ++y) {
        for (int x = rc.left; x < rc.right; ++x)
            pixels.push_back(AfxGetBackBufferPixel(pWnd->m_hWnd, CPoint(x, y)));
    }
    return pixels;
}

CRect RectInParent(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetWindowRect(&rc);
    pWnd->GetParent()->ScreenToClient(&rc);
    return rc;
}

