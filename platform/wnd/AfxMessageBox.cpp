#include "platform/wnd/AfxMessageBox.h"

#include "platform/wnd/AfxWindow.h"
#include "platform/wnd/CMessageBoxDlg.h"
#include "platform/wnd/CWinApp.h"

namespace {

struct CModalMessageBox : IAfxMessageBox {
    int Show(HWND hOwner, LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) override
    {
        CMessageBoxDlg dlg(lpszText, lpszCaption, nType, CWnd::FromHandle(hOwner));
        return static_cast<int>(dlg.DoModal());
    }
};

IAfxMessageBox* s_pBox = nullptr;

// The window the box belongs to: the active one while it takes input, else the main one.
HWND BoxOwner()
{
    HWND hActive = ::GetActiveWindow();
    if (::IsWindow(hActive) && ::IsWindowEnabled(hActive) && !AfxIsPopupWindow(hActive))
        return hActive;
    CWnd* pMain = AfxGetMainWnd();
    return pMain != nullptr && ::IsWindow(pMain->m_hWnd) ? ::GetTopLevelWindow(pMain->m_hWnd) : nullptr;
}

}  // namespace

IAfxMessageBox* AfxSetMessageBox(IAfxMessageBox* pBox)
{
    IAfxMessageBox* pOld = s_pBox;
    s_pBox = pBox;
    return pOld;
}

IAfxMessageBox* AfxGetMessageBox()
{
    static CModalMessageBox s_modalBox;
    return s_pBox != nullptr ? s_pBox : &s_modalBox;
}

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT /*nIDHelp*/)
{
    LPCTSTR lpszCaption = AfxGetAppName();
    return AfxGetMessageBox()->Show(BoxOwner(), lpszText != nullptr ? lpszText : "",
                                    lpszCaption != nullptr ? lpszCaption : "", nType);
}
