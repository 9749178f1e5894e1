// A dialog made from a template in dialog units, run modally or modeless.
#pragma once

#include "platform/wnd/AfxDlgTemplate.h"
#include "platform/wnd/CDataExchange.h"
#include "platform/wnd/CWnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // A template that is not a resource, for DoModal.
    BOOL InitModalIndirect(const AFX_DLGTEMPLATE* pTemplate, CWnd* pParentWnd = nullptr);

    // Creates the dialog, runs OnInitDialog, shows it and runs until EndDialog; the owner
    // is disabled meanwhile. Returns the EndDialog value, -1 when creation failed.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    BOOL PreTranslateMessage(MSG* pMsg) override;

    int RunModalLoop();
    BOOL ContinueModal() const { return !m_bEndModal; }
    void EndModalLoop(int nResult);

    UINT m_nIDHelp = 0;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate = 0;
    const AFX_DLGTEMPLATE* m_lpDialogTemplate = nullptr;
    CWnd* m_pParentWnd = nullptr;
    int m_nModalResult = -1;
    BOOL m_bEndModal = FALSE;

    DECLARE_MESSAGE_MAP()

private:
    const AFX_DLGTEMPLATE* FindTemplate() const;
    HWND ModalOwner() const;
    void EndModalRun(HWND hOwner, BOOL bEnableOwner);
};
