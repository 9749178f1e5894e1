#include "calendarwnd/CYearCalendarWnd.h"

#include <algorithm>

#include "calendarwnd/CMemDC.h"
#include "platform/wnd/CPaintDC.h"
#include "res/resource.h"

namespace {

const int kFirstYear = 1584;
const int kStartYear = 2000;

// Items for screen readers: the header's three, a table per month, then each month's
// weekday labels and days.
const int kItemPrevYear = 1;
const int kItemYear = 2;
const int kItemNextYear = 3;
const int kItemFirstMonth = 4;
const int kMonths = 12;
const int kWeekdays = 7;
const int kMaxDays = 31;
const int kPartsPerMonth = kWeekdays + kMaxDays;
const int kItemFirstPart = kItemFirstMonth + kMonths;
const int kHeaderHeight = 25;

}  // namespace

BEGIN_MESSAGE_MAP(CYearCalendarWnd, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_GETOBJECT, OnGetObject)
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
            NotifyWinEvent(EVENT_OBJECT_SELECTION, m_hWnd, OBJID_CLIENT, GetDayItem(pDay));
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
    NotifyWinEvent(EVENT_OBJECT_REORDER, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
}

LRESULT CYearCalendarWnd::OnGetObject(WPARAM, LPARAM lParam)
{
    if (lParam != OBJID_CLIENT)
        return Default();
    return reinterpret_cast<LRESULT>(static_cast<IAfxAccessible*>(this));
}

int CYearCalendarWnd::GetChildCount(int nItem)
{
    if (nItem == CHILDID_SELF)
        return kItemFirstMonth - 1 + static_cast<int>(std::min<INT_PTR>(m_pYearObj->m_MonthList.GetCount(), kMonths));
    AFCYueObj* pMonth = nItem >= kItemFirstMonth && nItem < kItemFirstPart ? GetMonth(nItem - kItemFirstMonth) : nullptr;
    if (pMonth == nullptr)
        return 0;
    return kWeekdays + static_cast<int>(std::min<INT_PTR>(pMonth->m_DayList.GetCount(), kMaxDays));
}

int CYearCalendarWnd::GetChild(int nItem, int nIndex)
{
    if (nItem == CHILDID_SELF)
        return nIndex + 1;
    return kItemFirstPart + (nItem - kItemFirstMonth) * kPartsPerMonth + nIndex;
}

BOOL CYearCalendarWnd::GetItem(int nItem, AFX_ACCITEM* pItem)
{
    if (nItem == CHILDID_SELF) {
        pItem->dwRole = ROLE_AFX_CALENDAR;
        pItem->strName.LoadString(IDS_YEAR_CALENDAR);
        return TRUE;
    }
    if (nItem < kItemFirstMonth) {
        GetHeaderItem(nItem, pItem);
        return TRUE;
    }
    if (nItem < kItemFirstPart)
        return GetMonthItem(nItem - kItemFirstMonth, pItem);
    const int nPart = nItem - kItemFirstPart;
    return GetMonthPartItem(nPart / kPartsPerMonth, nPart % kPartsPerMonth, pItem);
}

// What a click there would be: the button going down in the middle of the item.
BOOL CYearCalendarWnd::DoDefaultAction(int nItem)
{
    AFX_ACCITEM item;
    if (nItem == CHILDID_SELF || !GetItem(nItem, &item) || item.strDefaultAction.IsEmpty())
        return FALSE;
    const CPoint point = item.rcItem.CenterPoint();
    return PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
}

void CYearCalendarWnd::GetHeaderItem(int nItem, AFX_ACCITEM* pItem) const
{
    const CRect& rcPrev = m_pYearObj->m_rcPrevButton;
    const CRect& rcNext = m_pYearObj->m_rcNextButton;
    if (nItem == kItemYear) {
        const int nTop = m_pYearObj->m_rcBounds.top;
        pItem->dwRole = ROLE_SYSTEM_STATICTEXT;
        pItem->strName.Format("%u", static_cast<unsigned>(m_pYearObj->m_nYear));
        pItem->rcItem = CRect(rcPrev.right, nTop, rcNext.left, nTop + kHeaderHeight);
        return;
    }
    pItem->dwRole = ROLE_SYSTEM_PUSHBUTTON;
    pItem->strName.LoadString(nItem == kItemPrevYear ? IDS_PREVIOUS_YEAR : IDS_NEXT_YEAR);
    pItem->rcItem = nItem == kItemPrevYear ? rcPrev : rcNext;
    pItem->strDefaultAction = "click";
    // "-" does nothing more at the first year.
    if (nItem == kItemPrevYear && m_nYear <= kFirstYear)
        pItem->dwState |= STATE_SYSTEM_UNAVAILABLE;
}

BOOL CYearCalendarWnd::GetMonthItem(int nMonth, AFX_ACCITEM* pItem) const
{
    AFCYueObj* pMonth = GetMonth(nMonth);
    if (pMonth == nullptr || pMonth->m_nMonth < 0 || pMonth->m_nMonth >= kMonths)
        return FALSE;
    CString strMonth;
    strMonth.LoadString(IDS_JANUARY + pMonth->m_nMonth);
    pItem->dwRole = ROLE_SYSTEM_TABLE;
    pItem->strName.Format("%s %d", static_cast<LPCTSTR>(strMonth.TrimRight()), pMonth->m_nYear);
    pItem->rcItem = pMonth->m_rcBounds;
    pItem->nRows = (pMonth->GetFirstWeekday() + pMonth->GetDaysInMonth() + kWeekdays - 1) / kWeekdays;
    pItem->nColumns = kWeekdays;
    return TRUE;
}

// A weekday label heads its column; a day is named with its whole date.
BOOL CYearCalendarWnd::GetMonthPartItem(int nMonth, int nPart, AFX_ACCITEM* pItem) const
{
    AFCYueObj* pMonth = GetMonth(nMonth);
    if (pMonth == nullptr)
        return FALSE;
    pItem->nParent = kItemFirstMonth + nMonth;
    if (nPart < kWeekdays) {
        pItem->dwRole = ROLE_SYSTEM_COLUMNHEADER;
        pItem->strName.LoadString(AFCYueObj::GetWeekdayLabelId(nPart));
        pItem->rcItem = pMonth->GetWeekdayRect(nPart);
        pItem->nColumn = nPart;
        return TRUE;
    }
    AFCDayObj* pDay = GetDay(pMonth, nPart - kWeekdays);
    if (pDay == nullptr || pDay->m_nMonth < 1 || pDay->m_nMonth > kMonths)
        return FALSE;
    CString strWeekday, strMonth;
    strWeekday.LoadString(IDS_SUNDAY + pDay->m_nColumn);
    strMonth.LoadString(IDS_JANUARY + pDay->m_nMonth - 1);
    pItem->dwRole = ROLE_SYSTEM_CELL;
    pItem->strName.Format("%s %d %s %d", static_cast<LPCTSTR>(strWeekday), pDay->m_nDay,
                          static_cast<LPCTSTR>(strMonth.TrimRight()), pDay->m_nYear);
    pItem->rcItem = pDay->m_rcCell;
    pItem->dwState |= STATE_SYSTEM_SELECTABLE | (pDay->m_bSelected ? STATE_SYSTEM_SELECTED : 0);
    pItem->nRow = (pDay->m_nDay - 1 + pMonth->GetFirstWeekday()) / kWeekdays;
    pItem->nColumn = pDay->m_nColumn;
    pItem->strDefaultAction = "click";
    return TRUE;
}

AFCYueObj* CYearCalendarWnd::GetMonth(int nMonth) const
{
    POSITION pos = nMonth >= 0 && nMonth < kMonths ? m_pYearObj->m_MonthList.FindIndex(nMonth) : nullptr;
    return pos != nullptr ? m_pYearObj->m_MonthList.GetAt(pos) : nullptr;
}

AFCDayObj* CYearCalendarWnd::GetDay(AFCYueObj* pMonth, int nDay) const
{
    POSITION pos = nDay >= 0 && nDay < kMaxDays ? pMonth->m_DayList.FindIndex(nDay) : nullptr;
    return pos != nullptr ? static_cast<AFCDayObj*>(pMonth->m_DayList.GetAt(pos)) : nullptr;
}

int CYearCalendarWnd::GetDayItem(const AFCDayObj* pDay) const
{
    POSITION posMonth = m_pYearObj->m_MonthList.GetHeadPosition();
    for (int nMonth = 0; posMonth != nullptr && nMonth < kMonths; ++nMonth) {
        const CObList& days = m_pYearObj->m_MonthList.GetNext(posMonth)->m_DayList;
        POSITION posDay = days.GetHeadPosition();
        for (int nDay = 0; posDay != nullptr && nDay < kMaxDays; ++nDay) {
            if (days.GetNext(posDay) == pDay)
                return kItemFirstPart + nMonth * kPartsPerMonth + kWeekdays + nDay;
        }
    }
    return CHILDID_SELF;
}
