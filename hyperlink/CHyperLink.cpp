#include "hyperlink/CHyperLink.h"

#include <cstring>

#include "platform/core/AfxUtf8.h"
#include "platform/core/CMemoryException.h"
#include "platform/shell/MessageBeep.h"
#include "platform/shell/ProcessAPI.h"
#include "platform/shell/ShellAPI.h"
#include "platform/shell/WinReg.h"
#include "platform/wnd/CClientDC.h"
#include "platform/wnd/AfxMessageBox.h"

namespace {

const UINT_PTR kToolTipId = 1;
const UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

struct ERROR_TEXT {
    int nCode;
    LPCTSTR pszText;
};

const ERROR_TEXT kErrorTexts[] = {
    {0, "The operating system is out\nof memory or resources."},
    {SE_ERR_FNF, "The specified file was not found."},
    {SE_ERR_PNF, "The specified path was not found."},
    {SE_ERR_ACCESSDENIED, "The operating system denied\naccess to the specified file."},
    {SE_ERR_OOM, "There was not enough memory to complete the operation."},
    {ERROR_BAD_FORMAT, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {SE_ERR_SHARE, "A sharing violation occurred. "},
    {SE_ERR_ASSOCINCOMPLETE, "The filename association is\nincomplete or invalid."},
    {SE_ERR_DDETIMEOUT, "The DDE transaction could not\nbe completed because the request timed out."},
    {SE_ERR_DDEFAIL, "The DDE transaction failed."},
    {SE_ERR_DDEBUSY, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
    {SE_ERR_NOASSOC, "There is no application associated\nwith the given filename extension."},
    {SE_ERR_DLLNOTFOUND, "The specified dynamic-link library was not found."},
};

// Bytes in the character that starts at psz. A byte that does not start a valid UTF-8
// character stands alone, so that it never swallows a '%' that follows it.
size_t CharLength(LPCTSTR psz)
{
    int nLength = AfxUtf8CharLength(psz);
    return nLength == 0 ? 1 : static_cast<size_t>(nLength);
}

// The first occurrence of pszWhat that starts on a character boundary, or null.
LPTSTR FindText(LPTSTR psz, LPCTSTR pszWhat)
{
    size_t nWhat = std::strlen(pszWhat);
    for (; *psz != '\0'; psz += CharLength(psz)) {
        if (std::strncmp(psz, pszWhat, nWhat) == 0)
            return psz;
    }
    return nullptr;
}

// Drops the address placeholder and all that follows it: a quoted "%1" first, else a bare one.
void CutAtPlaceholder(LPTSTR pszCommand)
{
    LPTSTR pos = FindText(pszCommand, "\"%1\"");
    if (pos == nullptr)
        pos = FindText(pszCommand, "%1");
    if (pos != nullptr)
        *pos = '\0';
}

// Appends pszText when it fits into the cbBuffer bytes of pszBuffer with the terminator;
// FALSE, and the buffer unchanged, when it does not.
BOOL AppendText(LPTSTR pszBuffer, size_t cbBuffer, LPCTSTR pszText)
{
    size_t nUsed = std::strlen(pszBuffer);
    size_t nText = std::strlen(pszText);
    if (nUsed + nText >= cbBuffer)
        return FALSE;
    std::memcpy(pszBuffer + nUsed, pszText, nText + 1);
    return TRUE;
}

// Starts the command line without waiting for it; the process handle's value on success
// (the handles themselves are closed, nobody waits for the browser), else 0.
HINSTANCE StartCommand(LPTSTR pszCommandLine)
{
    STARTUPINFO si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcess(nullptr, pszCommandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return nullptr;
    HINSTANCE hResult = reinterpret_cast<HINSTANCE>(pi.hProcess);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return hResult;
}

}  // namespace

BEGIN_MESSAGE_MAP(CHyperLink, CStatic)
    ON_CONTROL_REFLECT(STN_CLICKED, OnClicked)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_GETOBJECT, OnGetObject)
END_MESSAGE_MAP()

CHyperLink::CHyperLink()
    : m_crLinkColour(RGB(0, 0, 238)), m_crVisitedColour(RGB(85, 26, 139)),
      m_crHoverColour(::GetSysColor(COLOR_HIGHLIGHT)), m_bMouseOver(FALSE), m_bVisited(FALSE), m_bUnderline(TRUE),
      m_bAutoSize(TRUE), m_hLinkCursor(nullptr)
{
}

CHyperLink::~CHyperLink()
{
    m_fontLink.DeleteObject();
    if (m_hLinkCursor != nullptr)
        ::DestroyCursor(m_hLinkCursor);
}

void CHyperLink::SetURL(CString strURL)
{
    m_strURL = strURL;
    if (::IsWindow(GetSafeHwnd())) {
        PositionWindow();
        m_wndToolTip.UpdateTipText(strURL, this, kToolTipId);
    }
}

CString CHyperLink::GetURL() const { return m_strURL; }

void CHyperLink::SetColours(COLORREF crLinkColour, COLORREF crVisitedColour, COLORREF crHoverColour)
{
    m_crLinkColour = crLinkColour;
    m_crVisitedColour = crVisitedColour;
    m_crHoverColour = crHoverColour == 0xFFFFFFFF ? ::GetSysColor(COLOR_HIGHLIGHT) : crHoverColour;
    if (::IsWindow(GetSafeHwnd()))
        Invalidate();
}

COLORREF CHyperLink::GetLinkColour() const { return m_crLinkColour; }
COLORREF CHyperLink::GetVisitedColour() const { return m_crVisitedColour; }
COLORREF CHyperLink::GetHoverColour() const { return m_crHoverColour; }

void CHyperLink::SetVisited(BOOL bVisited)
{
    m_bVisited = bVisited;
    if (::IsWindow(GetSafeHwnd()))
        Invalidate();
}

BOOL CHyperLink::GetVisited() const { return m_bVisited; }

void CHyperLink::SetLinkCursor(HCURSOR hCursor)
{
    m_hLinkCursor = hCursor;
    if (m_hLinkCursor == nullptr)
        SetDefaultCursor();
}

HCURSOR CHyperLink::GetLinkCursor() const { return m_hLinkCursor; }

void CHyperLink::SetUnderline(BOOL bUnderline)
{
    m_bUnderline = bUnderline;
    if (!::IsWindow(GetSafeHwnd()))
        return;
    // The window's font is already the link font: only the underline changes.
    LOGFONT lf;
    GetWindowLogFont(&lf);
    lf.lfUnderline = static_cast<BYTE>(m_bUnderline ? 1 : 0);
    UseLinkFont(lf);
    Invalidate();
}

BOOL CHyperLink::GetUnderline() const { return m_bUnderline; }

void CHyperLink::SetAutoSize(BOOL bAutoSize)
{
    m_bAutoSize = bAutoSize;
    if (::IsWindow(GetSafeHwnd()))
        PositionWindow();
}

BOOL CHyperLink::GetAutoSize() const { return m_bAutoSize; }

HINSTANCE CHyperLink::GotoURL(LPCTSTR url, int showcmd)
{
    TCHAR key[MAX_PATH * 2];
    HINSTANCE result = ::ShellExecute(nullptr, "open", url, nullptr, nullptr, showcmd);
    if (static_cast<UINT>(reinterpret_cast<UINT_PTR>(result)) > 32)
        return result;
    if (GetRegKeyValue(HKEY_CLASSES_ROOT, ".htm", key) != ERROR_SUCCESS)
        return result;
    // The class name holds less than MAX_PATH bytes, so the key's name always fits.
    AppendText(key, sizeof key, "\\shell\\open\\command");
    if (GetRegKeyValue(HKEY_CLASSES_ROOT, key, key) != ERROR_SUCCESS)
        return result;
    CutAtPlaceholder(key);
    // The address goes in unquoted; a command line too long for the buffer is not started.
    if (!AppendText(key, sizeof key, " ") || !AppendText(key, sizeof key, url))
        return nullptr;
    return StartCommand(key);
}

void CHyperLink::ReportError(int nError)
{
    CString str;
    str.Format("Unknown Error (%d) occurred.", nError);
    for (const ERROR_TEXT& entry : kErrorTexts) {
        if (entry.nCode == nError)
            str = entry.pszText;
    }
    str = "Unable to open hyperlink:\n\n" + str;
    AfxMessageBox(str, MB_OK | MB_ICONEXCLAMATION, 0);
}

LONG CHyperLink::GetRegKeyValue(HKEY key, LPCTSTR subkey, LPTSTR retdata)
{
    HKEY hkey = nullptr;
    LONG retval = ::RegOpenKeyEx(key, subkey, 0, KEY_QUERY_VALUE, &hkey);
    if (retval != ERROR_SUCCESS)
        return retval;
    TCHAR data[MAX_PATH];
    LONG datasize = MAX_PATH;
    retval = ::RegQueryValue(hkey, nullptr, data, &datasize);
    if (retval == ERROR_SUCCESS)
        std::memcpy(retdata, data, std::strlen(data) + 1);
    ::RegCloseKey(hkey);
    return retval;
}

void CHyperLink::PositionWindow()
{
    if (!::IsWindow(GetSafeHwnd()) || !m_bAutoSize)
        return;
    CRect rcWnd;
    GetWindowRect(&rcWnd);
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->ScreenToClient(&rcWnd);
    CSize sizeText = GetTextSize();
    DWORD dwStyle = GetStyle();
    if (dwStyle & SS_CENTERIMAGE)
        rcWnd.DeflateRect(0, (rcWnd.Height() - sizeText.cy) / 2);
    else
        rcWnd.bottom = rcWnd.top + sizeText.cy;
    if (dwStyle & SS_CENTER)
        rcWnd.DeflateRect((rcWnd.Width() - sizeText.cx) / 2, 0);
    else if (dwStyle & SS_RIGHT)
        rcWnd.left = rcWnd.right - sizeText.cx;
    else
        rcWnd.right = rcWnd.left + sizeText.cx;
    SetWindowPos(nullptr, rcWnd.left, rcWnd.top, rcWnd.Width(), rcWnd.Height(), SWP_NOZORDER);
}

// There is no help viewer module to take the hand from: the system's own hand cursor
// stands in, as a copy that the control owns.
void CHyperLink::SetDefaultCursor()
{
    if (m_hLinkCursor != nullptr)
        return;
    HCURSOR hHand = ::LoadCursor(nullptr, IDC_HAND);
    if (hHand != nullptr)
        m_hLinkCursor = ::CopyIcon(hHand);
}

void CHyperLink::PreSubclassWindow()
{
    DWORD dwStyle = static_cast<DWORD>(::GetWindowLong(m_hWnd, GWL_STYLE));
    ::SetWindowLong(m_hWnd, GWL_STYLE, static_cast<LONG>(dwStyle | SS_NOTIFY));
    if (m_strURL.IsEmpty())
        GetWindowText(m_strURL);
    CString strWndText;
    GetWindowText(strWndText);
    if (strWndText.IsEmpty())
        SetWindowText(m_strURL);

    LOGFONT lf;
    GetWindowLogFont(&lf);
    lf.lfUnderline = static_cast<BYTE>(m_bUnderline ? 1 : 0);
    lf.lfWeight = FW_BOLD;
    lf.lfHeight += lf.lfHeight / 5;
    UseLinkFont(lf);

    PositionWindow();
    SetDefaultCursor();

    CRect rect;
    GetClientRect(&rect);
    m_wndToolTip.Create(this);
    m_wndToolTip.AddTool(this, m_strURL, &rect, kToolTipId);

    CStatic::PreSubclassWindow();
}

BOOL CHyperLink::PreTranslateMessage(MSG* pMsg)
{
    m_wndToolTip.RelayEvent(pMsg);
    return CStatic::PreTranslateMessage(pMsg);
}

HBRUSH CHyperLink::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    if (m_bMouseOver)
        pDC->SetTextColor(m_crHoverColour);
    else if (m_bVisited)
        pDC->SetTextColor(m_crVisitedColour);
    else
        pDC->SetTextColor(m_crLinkColour);
    pDC->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

BOOL CHyperLink::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    if (m_hLinkCursor == nullptr)
        return FALSE;
    ::SetCursor(m_hLinkCursor);
    return TRUE;
}

// The capture brings the move that leaves the control, so that it can draw itself
// unhovered again.
void CHyperLink::OnMouseMove(UINT nFlags, CPoint point)
{
    CStatic::OnMouseMove(nFlags, point);
    if (m_bMouseOver) {
        CRect rect;
        GetClientRect(&rect);
        if (!rect.PtInRect(point)) {
            m_bMouseOver = FALSE;
            ::ReleaseCapture();
            RedrawWindow(nullptr, nullptr, kRedrawNow);
        }
        return;
    }
    m_bMouseOver = TRUE;
    RedrawWindow(nullptr, nullptr, kRedrawNow);
    SetCapture();
}

void CHyperLink::OnClicked()
{
    int result = static_cast<int>(reinterpret_cast<INT_PTR>(GotoURL(m_strURL, SW_SHOW)));
    m_bVisited = result > 32;
    if (m_bVisited) {
        SetVisited();
        return;
    }
    ::MessageBeep(MB_ICONEXCLAMATION);
    ReportError(result);
}

LRESULT CHyperLink::OnGetObject(WPARAM, LPARAM lParam)
{
    if (lParam != OBJID_CLIENT)
        return Default();
    return reinterpret_cast<LRESULT>(static_cast<IAfxAccessible*>(this));
}

int CHyperLink::GetChildCount(int) { return 0; }

int CHyperLink::GetChild(int, int) { return CHILDID_SELF; }

BOOL CHyperLink::GetItem(int nItem, AFX_ACCITEM* pItem)
{
    if (nItem != CHILDID_SELF)
        return FALSE;
    pItem->dwRole = ROLE_SYSTEM_LINK;
    pItem->strDescription = m_strURL;
    pItem->strValue = m_strURL;
    pItem->dwState |= STATE_SYSTEM_LINKED | (m_bVisited ? STATE_SYSTEM_TRAVERSED : 0);
    return TRUE;
}

BOOL CHyperLink::DoDefaultAction(int) { return FALSE; }

// The font the window uses now; the stock GUI font when it has none.
BOOL CHyperLink::GetWindowLogFont(LOGFONT* pLogFont)
{
    HGDIOBJ hFont = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
    if (hFont == nullptr)
        hFont = ::GetStockObject(DEFAULT_GUI_FONT);
    std::memset(pLogFont, 0, sizeof *pLogFont);
    return ::GetObject(hFont, sizeof *pLogFont, pLogFont) != 0;
}

void CHyperLink::UseLinkFont(const LOGFONT& lf)
{
    m_fontLink.DeleteObject();
    m_fontLink.CreateFontIndirect(&lf);
    SetFont(&m_fontLink, TRUE);
}

// The displayed text, on one line, in the link font.
CSize CHyperLink::GetTextSize()
{
    CString strText;
    GetWindowText(strText);
    // Released on every way out, a failure on the way included.
    CClientDC dc(this);
    if (dc.GetSafeHdc() == nullptr)
        AfxThrowMemoryException();
    CFont* pOldFont = dc.SelectObject(&m_fontLink);
    CSize size = dc.GetTextExtent(strText);
    if (pOldFont != nullptr)
        dc.SelectObject(pOldFont);
    return size;
}
