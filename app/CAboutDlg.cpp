#include "app/CAboutDlg.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg() : CDialog(CAboutDlg::IDD) {}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::DoDataExchange(CDataExchange* pDX) { DDX_Control(pDX, IDC_HYPERLINK, m_hyperLink); }

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Blue whether visited or not, as the main dialog's link; steel blue under the pointer.
    m_hyperLink.SetColours(0xFF0000, 0xFF0000, 0x996633);
    m_hyperLink.SetURL(BRELVIN_WEB_ADDRESS);
    return TRUE;
}
