#include "calendarwnd/CYearCalendarWnd.h"

#include "calendarwnd/CMemDC.h"
#include "platform/wnd/CPaintDC.h"

namespace {

const int kFirstYear = 1584;
const int kStartYear = 2000;

}  // namespace

BEGIN_MESSAGE_MAP(CYearCalendarWnd, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CYearCalendarWnd::CYearCalendarWnd()
    : m_pYearObj(nullptr),
      m_nYear(0),
      m_pSelDay(nullptr),
      m_crBack(RGB(255, 255, 255)),
      m_crText(RGB(0, 0, 0)),
      m_crFrame(RGB(0x47, 0x47, 0x47)),
      m_crTitleBack(GetSysColor(COLOR_ACTIVECAPTION)),
      m_crTitleText(RGB(255, 255, 255)),
      m_crWeekBack(GetSysColor(COLOR_INFOBK))
{
    m_pYearObj = new AFCYearObj(kStartYear, CRect(0, 0, 400, 400));
    CopyColorsTo(m_pYearObj);
    m_nYear = kStartYear;
    m_pSelDay = nullptr;
}

CYearCalendarWnd::~CYearCalendarWnd() { delete m_pYearObj; }

void CYearCalendarWnd::CopyColorsTo(AFCYearObj* pYearObj) const
{
    pYearObj->m_crBack = m_crBack;
    pYearObj->m_crText = m_crText;
    pYearObj->m_crFrame = m_crFrame;
    pYearObj->m_crTitleBack = m_crTitleBack;
    pYearObj->m_crTitleText = m_crTitleText;
    pYearObj->m_crWeekBack = m_crWeekBack;
}

BOOL CYearCalendarWnd::Create(RECT rect, CWnd* pParentWnd, UINT nID)
{
    // No CS_DBLCLKS: a double click arrives as two button-downs, so it steps twice.
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW | CS_CLASSDC | CS_SAVEBITS);
    if (!CWnd::Create(lpszClass, "", WS_CHILD | WS_VISIBLE | WS_BORDER, rect, pParentWnd, nID))
        return FALSE;
    m_pYearObj->m_rcBounds = CRect(0, 0, rect.right - rect.left, rect.bottom - rect.top);
    UpdateWindow();
    return TRUE;
}

void CYearCalendarWnd::OnPaint()
{
    CPaintDC dc(this);
    CMemDC memDC(&dc);
    CRect rcClient;
    GetClientRect(&rcClient);
    memDC.FillSolidRect(&rcClient, m_crFrame);
    m_pYearObj->m_rcBounds = rcClient;
    m_pYearObj->Draw(&memDC);
}

BOOL CYearCalendarWnd::OnEraseBkgnd(CDC*)
{
    // Every paint covers its whole area off-screen; erasing first would only flicker.
    return TRUE;
}

void CYearCalendarWnd::OnLButtonDown(UINT, CPoint point)
{
    if (m_pYearObj->m_rcPrevButton.PtInRect(point)) {
        m_nYear = m_nYear - 1 > kFirstYear - 1 ? m_nYear - 1 : kFirstYear;
        ChangeYear();
    } else if (m_pYearObj->m_rcNextButton.PtInRect(point)) {
        m_nYear = m_nYear + 1;
        ChangeYear();
    } else {
        AFCDayObj* pDay = m_pYearObj->HitTestDay(&point);
        if (pDay != nullptr) {
            m_pSelDay = pDay;
            InvalidateRect(nullptr, FALSE);
        }
    }
    Default();
}

void CYearCalendarWnd::ChangeYear()
{
    // Rebuilds even when the year stayed at the floor: every cell pointer is gone after it.
    m_pYearObj->SetYear(m_nYear);
    m_pSelDay = nullptr;
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_CALENDAR_YEARCHANGED, 0, 0);
    InvalidateRect(nullptr, FALSE);
}
