#include "tests/app/AppTestSupport.h"

#include "platform/wnd/AfxWindow.h"

BEGIN_MESSAGE_MAP(CProbeDlg, CBrelvinDlg)
    ON_MESSAGE(WM_CALENDAR_YEARCHANGED, OnYearChanged)
    ON_MESSAGE(WM_ICONERASEBKGND, OnIconEraseBkgnd)
END_MESSAGE_MAP()

BOOL CProbeDlg::OnInitDialog()
{
    BOOL bResult = CBrelvinDlg::OnInitDialog();
    m_rcBoundsAfterInit = Calendar()->m_pYearObj->m_rcBounds;
    m_panelsAfterInit = PanelRects(*Calendar()->m_pYearObj);
    return bResult;
}

LRESULT CProbeDlg::OnYearChanged(WPARAM, LPARAM)
{
    m_notifiedYears.push_back(Calendar()->m_pYearObj->m_nYear);
    return Default();
}

LRESULT CProbeDlg::OnIconEraseBkgnd(WPARAM wParam, LPARAM)
{
    if (wParam != 0)
        ++m_nIconErases;
    return Default();
}

INT_PTR RunModal(CDialog& dlg, std::vector<std::function<void()>> steps)
{
    return AfxRunModalSteps(dlg, std::move(steps));
}

std::vector<CRect> PanelRects(const AFCYearObj& year)
{
    std::vector<CRect> rects;
    POSITION pos = year.m_MonthList.GetHeadPosition();
    while (pos != nullptr)
        rects.push_back(CRect(year.m_MonthList.GetNext(pos)->m_rcBounds));
    return rects;
}

const AFCYueObj* FindMonth(const AFCYearObj& year, int nMonth)
{
    POSITION pos = year.m_MonthList.GetHeadPosition();
    while (pos != nullptr) {
        const AFCYueObj* pMonth = year.m_MonthList.GetNext(pos);
        if (pMonth->m_nMonth == nMonth - 1)
            return pMonth;
    }
    return nullptr;
}

AFCDayObj* FindDay(const AFCYearObj& year, int nMonth, int nDay)
{
    const AFCYueObj* pMonth = FindMonth(year, nMonth);
    if (pMonth == nullptr)
        return nullptr;
    POSITION pos = pMonth->m_DayList.GetHeadPosition();
    while (pos != nullptr) {
        AFCDayObj* pDay = static_cast<AFCDayObj*>(pMonth->m_DayList.GetNext(pos));
        if (pDay->m_nDay == nDay)
            return pDay;
    }
    return nullptr;
}

namespace {

// Where a client point of pWnd lies in its top-level window's back buffer.
CPoint BufferPoint(CWnd* pWnd, CPoint point)
{
    CWnd* pTop = pWnd->GetTopLevelParent();
    CPoint ptTop(0, 0);
    pTop->ClientToScreen(&ptTop);
    pWnd->ClientToScreen(&point);
    return CPoint(point.x - ptTop.x, point.y - ptTop.y);
}

}  // namespace

std::vector<uint32_t> ClientPixels(CWnd* pWnd)
{
    CRect rcClient;
    pWnd->GetClientRect(&rcClient);
    AFX_SURFACE surface = AfxGetBackBuffer(pWnd->m_hWnd);
    CPoint ptOrigin = BufferPoint(pWnd, CPoint(0, 0));
    std::vector<uint32_t> pixels;
    for (int y = 0; y < rcClient.Height(); ++y) {
        for (int x = 0; x < rcClient.Width(); ++x) {
            int xBuffer = ptOrigin.x + x, yBuffer = ptOrigin.y + y;
            bool bInside = xBuffer >= 0 && yBuffer >= 0 && xBuffer < surface.cx && yBuffer < surface.cy;
            pixels.push_back(bInside ? surface.pBits[yBuffer * surface.nPitch + xBuffer] : 0xFF000000u);
        }
    }
    return pixels;
}

void MarkPixel(CWnd* pWnd, CPoint point, uint32_t nPixel)
{
    AFX_SURFACE surface = AfxGetBackBuffer(pWnd->m_hWnd);
    CPoint pt = BufferPoint(pWnd, point);
    surface.pBits[pt.y * surface.nPitch + pt.x] = nPixel;
}

uint32_t BufferPixel(CWnd* pWnd, CPoint point)
{
    AFX_SURFACE surface = AfxGetBackBuffer(pWnd->m_hWnd);
    CPoint pt = BufferPoint(pWnd, point);
    return surface.pBits[pt.y * surface.nPitch + pt.x];
}

void PrintTo(const CRect& rc, std::ostream* pStream)
{
    *pStream << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}
