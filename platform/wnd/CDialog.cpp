#include "platform/wnd/CDialog.h"

#include <algorithm>
#include <vector>

#include "platform/core/AfxResource.h"
#include "platform/core/CMemoryException.h"
#include "platform/core/WinError.h"
#include "platform/wnd/AfxWindow.h"
#include "platform/wnd/CWinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

namespace {

// The dialogs whose modal loops run now, innermost last.
std::vector<CDialog*> g_modalLoops;

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
    m_nIDHelp = nIDTemplate;
}

CDialog::~CDialog()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

BOOL CDialog::InitModalIndirect(const AFX_DLGTEMPLATE* pTemplate, CWnd* pParentWnd)
{
    m_lpDialogTemplate = pTemplate;
    m_pParentWnd = pParentWnd;
    return pTemplate != nullptr;
}

const AFX_DLGTEMPLATE* CDialog::FindTemplate() const
{
    if (m_lpDialogTemplate != nullptr)
        return m_lpDialogTemplate;
    return static_cast<const AFX_DLGTEMPLATE*>(AfxFindResource(m_nIDTemplate, RT_DIALOG));
}

HWND CDialog::ModalOwner() const
{
    CWnd* pOwner = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
    if (pOwner == nullptr || pOwner == this || !::IsWindow(pOwner->m_hWnd))
        return nullptr;
    return ::GetTopLevelWindow(pOwner->m_hWnd);
}

// Whatever fails while the dialog is made, shown or run, its owner works again afterwards
// and no half-made window stays; a box that memory refused is reported as such by
// whoever handles the framework's memory exception.
INT_PTR CDialog::DoModal()
{
    const AFX_DLGTEMPLATE* pTemplate = FindTemplate();
    if (pTemplate == nullptr)
        return -1;
    HWND hOwner = ModalOwner();
    BOOL bEnableOwner = hOwner != nullptr && ::IsWindowEnabled(hOwner);
    if (bEnableOwner)
        ::EnableWindow(hOwner, FALSE);
    m_nModalResult = -1;
    m_bEndModal = FALSE;
    ::SetLastError(ERROR_SUCCESS);
    BOOL bCreated = FALSE;
    try {
        bCreated = AfxCreateDialogIndirect(pTemplate, hOwner, this) != nullptr;
        if (bCreated && !m_bEndModal) {
            ShowWindow(SW_SHOWNORMAL);
            RunModalLoop();
        }
    } catch (...) {
        EndModalRun(hOwner, bEnableOwner);
        throw;
    }
    const BOOL bOutOfMemory = !bCreated && ::GetLastError() == ERROR_NOT_ENOUGH_MEMORY;
    EndModalRun(hOwner, bEnableOwner);
    if (bOutOfMemory)
        AfxThrowMemoryException();
    return m_nModalResult;
}

// The box goes before its owner takes the keyboard back: no request about the box can
// come after the owner's.
void CDialog::EndModalRun(HWND hOwner, BOOL bEnableOwner)
{
    if (m_hWnd != nullptr)
        ShowWindow(SW_HIDE);
    if (bEnableOwner)
        ::EnableWindow(hOwner, TRUE);
    if (m_hWnd != nullptr)
        DestroyWindow();
    if (hOwner != nullptr && ::IsWindow(hOwner))
        AfxGiveKeyboardBack(hOwner);
}

int CDialog::RunModalLoop()
{
    g_modalLoops.push_back(this);
    while (!m_bEndModal) {
        MSG msg;
        if (!AfxPumpModalMessage(&msg, &m_bEndModal)) {
            if (!m_bEndModal)
                EndModalLoop(-1);
            break;
        }
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }
    g_modalLoops.erase(std::remove(g_modalLoops.begin(), g_modalLoops.end(), this), g_modalLoops.end());
    return m_nModalResult;
}

void AfxEndModalLoops(int nResult)
{
    AfxCancelMenu();
    for (CDialog* pDialog : g_modalLoops)
        pDialog->EndModalLoop(nResult);
}

void CDialog::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    m_bEndModal = TRUE;
}

void CDialog::EndDialog(int nResult)
{
    EndModalLoop(nResult);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    return ::IsDialogMessage(m_hWnd, pMsg);
}
