// The main dialog: the calendar window over the hidden frame control, the link text under
// it, the About entry in the system menu and the application icon, also when minimized.
#pragma once

#include "calendarwnd/CYearCalendarWnd.h"
#include "hyperlink/CHyperLink.h"
#include "platform/wnd/CDialog.h"
#include "res/resource.h"

class CBrelvinDlg : public CDialog {
public:
    explicit CBrelvinDlg(CWnd* pParent = nullptr);
    ~CBrelvinDlg() override;

    enum { IDD = IDD_BRELVIN_DIALOG };

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg HCURSOR OnQueryDragIcon();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    // Runs the About box modally.
    void ShowAboutBox();

    CYearCalendarWnd* m_pCalendarWnd;
    CHyperLink m_hyperLink;  // control 1001
    HICON m_hIcon;

private:
    void CreateCalendarWnd();
    void AppendAboutItem();
};
