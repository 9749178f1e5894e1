// The default message box: a dialog made in memory with the exclamation icon (for
// MB_ICONEXCLAMATION), the text with its line breaks and an OK button, sized to its text.
// Enter, Escape and the close button all answer IDOK.
#pragma once

#include <string>

#include "platform/wnd/CDialog.h"

#define AFX_IDC_MSGBOX_ICON 20
#define AFX_IDC_MSGBOX_TEXT 0xFFFF

class CMessageBoxDlg : public CDialog {
public:
    CMessageBoxDlg(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType, CWnd* pParentWnd = nullptr);
    ~CMessageBoxDlg() override;

    BOOL OnInitDialog() override;
    void OnCancel() override;

    // The yellow warning triangle; the caller owns it (DestroyIcon).
    static HICON CreateExclamationIcon();

private:
    void Layout();
    SIZE MeasureText();

    std::string m_strText;
    std::string m_strCaption;
    UINT m_nType;
    HICON m_hIcon = nullptr;
    AFX_DLGITEMTEMPLATE m_items[3];
    AFX_DLGTEMPLATE m_template;
};
