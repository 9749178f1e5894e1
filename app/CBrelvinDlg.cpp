#include "app/CBrelvinDlg.h"

#include "app/CAboutDlg.h"
#include "platform/wnd/CMenu.h"
#include "platform/wnd/CPaintDC.h"
#include "platform/wnd/CWinApp.h"

BEGIN_MESSAGE_MAP(CBrelvinDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CBrelvinDlg::CBrelvinDlg(CWnd* pParent)
    : CDialog(CBrelvinDlg::IDD, pParent), m_pCalendarWnd(nullptr), m_hIcon(nullptr)
{
    m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
}

CBrelvinDlg::~CBrelvinDlg() = default;

void CBrelvinDlg::DoDataExchange(CDataExchange* pDX) { DDX_Control(pDX, IDC_HYPERLINK, m_hyperLink); }

BOOL CBrelvinDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_hyperLink.SetColours(0xFF0000, 0xFF0000, 0x996633);
    m_hyperLink.SetURL(BRELVIN_WEB_ADDRESS);
    CreateCalendarWnd();
    m_pCalendarWnd->m_pYearObj->SetYear(2000);
    AppendAboutItem();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    return TRUE;
}

void CBrelvinDlg::CreateCalendarWnd()
{
    CRect rcFrame;
    GetDlgItem(IDC_CALENDAR_FRAME)->GetWindowRect(&rcFrame);
    ScreenToClient(&rcFrame);
    m_pCalendarWnd = new CYearCalendarWnd;
    // Without a window the dialog still runs, it just shows no calendar.
    m_pCalendarWnd->Create(rcFrame, this, IDC_CALENDAR_WND);
}

void CBrelvinDlg::AppendAboutItem()
{
    CMenu* pSysMenu = GetSystemMenu(FALSE);
    if (pSysMenu == nullptr)
        return;
    CString strAboutMenu;
    strAboutMenu.LoadString(IDS_ABOUTBOX);
    if (strAboutMenu.IsEmpty())
        return;
    pSysMenu->AppendMenu(MF_SEPARATOR);
    pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
}

void CBrelvinDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    // The low four bits of a system command are the window system's own.
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        ShowAboutBox();
        return;
    }
    CDialog::OnSysCommand(nID, lParam);
}

void CBrelvinDlg::ShowAboutBox()
{
    CAboutDlg dlgAbout;
    dlgAbout.DoModal();
}

void CBrelvinDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(&rect);
    const int x = (rect.Width() - cxIcon + 1) / 2;
    const int y = (rect.Height() - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CBrelvinDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

void CBrelvinDlg::OnDestroy()
{
    // The calendar window still exists here: children go after their parent's WM_DESTROY.
    delete m_pCalendarWnd;
    m_pCalendarWnd = nullptr;
    CDialog::OnDestroy();
}
