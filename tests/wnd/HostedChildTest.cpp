// A child window made the way the calendar window is made: over a hidden frame control,
// during the dialog's initialisation, with its own class, a border and no erasing.
#include <gtest/gtest.h>

#include "tests/wnd/WndTestSupport.h"

namespace {

const AFX_DLGITEMTEMPLATE kItems[] = {
    {"button", "OK", IDOK, 0x50010001, 0, 324, 322, 50, 14, 0},
    {"button", "Cancel", IDCANCEL, 0x50010000, 0, 377, 322, 50, 14, 0},
    {"static", "", 1000, 0x40000007, 0, 7, 7, 420, 308, 0},
};
const AFX_DLGTEMPLATE kTemplate = {"Host", 0x90C800C0, 0x00040000, 0, 0, 434, 343, "MS Sans Serif", 8, kItems, 3};

class CHostedChild : public CWnd {
public:
    int m_nPaints = 0;
    int m_nDowns = 0;
    CRect m_rcPaintClient;

    BOOL Create(RECT rect, CWnd* pParent, UINT nID)
    {
        LPCTSTR lpszClass = AfxRegisterWndClass(0x0843, nullptr, nullptr, nullptr);
        return CWnd::Create(lpszClass, "", 0x50800000, rect, pParent, nID);
    }

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        ++m_nPaints;
        GetClientRect(&m_rcPaintClient);
        CRect rcClip;
        dc.GetClipBox(&rcClip);
        dc.FillSolidRect(&rcClip, RGB(0x47, 0x47, 0x47));
    }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point)
    {
        ++m_nDowns;
        CWnd::OnLButtonDown(nFlags, point);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHostedChild, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

class CHostDlg : public CDialog {
public:
    CHostDlg() { InitModalIndirect(&kTemplate); }
    CHostedChild* m_pChild = nullptr;
    int m_nPaintsDuringInit = -1;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        CRect rc;
        GetDlgItem(1000)->GetWindowRect(&rc);
        ScreenToClient(&rc);
        m_pChild = new CHostedChild;
        m_pChild->Create(rc, this, 2400);
        m_pChild->UpdateWindow();
        m_nPaintsDuringInit = m_pChild->m_nPaints;
        return TRUE;
    }
    afx_msg void OnDestroy()
    {
        delete m_pChild;
        m_pChild = nullptr;
        CDialog::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHostDlg, CDialog)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

TEST(HostedChildTest, PaintsOnlyOnceTheDialogShowsAndGetsClicksAsButtonDowns)
{
    CHostDlg dlg;
    int nPaintsAfterShow = 0, nPaintsAfterClicks = 0, nDowns = 0;
    CRect rcWindow, rcPaintClient;
    COLORREF crFrame = CLR_INVALID, crInside = CLR_INVALID;
    INT_PTR nResult = AfxRunModalSteps(
        dlg, {[&]() {
                  nPaintsAfterShow = dlg.m_pChild->m_nPaints;
                  rcPaintClient = dlg.m_pChild->m_rcPaintClient;
                  dlg.m_pChild->GetWindowRect(&rcWindow);
                  dlg.ScreenToClient(&rcWindow);
                  crFrame = AfxGetBackBufferPixel(dlg.m_hWnd, Pt(11, 11));
                  crInside = AfxGetBackBufferPixel(dlg.m_hWnd, Pt(12, 12));
                  AfxSimulateClick(dlg.m_pChild->m_hWnd, Pt(100, 10), AFX_BUTTON_LEFT, 1);
                  AfxSimulateClick(dlg.m_pChild->m_hWnd, Pt(100, 10), AFX_BUTTON_LEFT, 2);
              },
              [&]() {
                  nPaintsAfterClicks = dlg.m_pChild->m_nPaints;
                  nDowns = dlg.m_pChild->m_nDowns;
                  AfxSimulateKey(dlg.m_hWnd, VK_RETURN);
              }});
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(dlg.m_nPaintsDuringInit, 0);
    EXPECT_EQ(nPaintsAfterShow, 1);
    EXPECT_EQ(RectText(rcWindow), "(11, 11, 641, 512)");
    EXPECT_EQ(RectText(rcPaintClient), "(0, 0, 628, 499)");
    EXPECT_EQ(crFrame, RGB(0, 0, 0));
    EXPECT_EQ(crInside, RGB(0x47, 0x47, 0x47));
    EXPECT_EQ(nDowns, 2);
    EXPECT_EQ(nPaintsAfterClicks, 1);
    EXPECT_EQ(dlg.m_pChild, nullptr);
}

}  // namespace
