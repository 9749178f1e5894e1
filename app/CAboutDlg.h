// The About box: the application icon, the program's name and version, and a link to
// the maker's web page. Made, run and dropped as a local object:
// CAboutDlg dlgAbout; dlgAbout.DoModal();
#pragma once

#include "hyperlink/CHyperLink.h"
#include "platform/wnd/CDialog.h"
#include "res/resource.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override;

    enum { IDD = IDD_ABOUTBOX };

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

    CHyperLink m_hyperLink;  // control 1001, the maker's address
};
