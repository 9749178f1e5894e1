#include "calendar/AFCYearObj.h"

#include "calendar/CalendarFile.h"
#include "calendar/CalendarFonts.h"
#include "platform/core/CTime.h"
#include "platform/gdi/AfxGdi.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"

IMPLEMENT_SERIAL(AFCYearObj, CObject, 0)

namespace {

const int s_nHeaderHeight = 25;
const int s_nColumns = 4;
const int s_nRows = 3;
const int s_nBoxInset = 4;
const int s_nBoxWidth = 18;
const COLORREF s_crBackground = 0xFFFFFF;
const COLORREF s_crYearText = 0xFFFFFF;
const UINT s_nTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

}  // namespace

AFCYearObj::AFCYearObj()
    : m_MonthList(10),
      m_nYear(CTime::GetCurrentTime().GetLocalTm(nullptr)->tm_year + 1900),
      m_nSelDay(1),
      m_nSelMonth(1),
      m_nSelYear(m_nYear)
{
    SetDefaultColors();
}

AFCYearObj::AFCYearObj(int nYear, CRect rcBounds)
    : m_MonthList(10), m_nYear(nYear), m_rcBounds(rcBounds), m_nSelDay(1), m_nSelMonth(1), m_nSelYear(nYear)
{
    try {
        LayoutMonths();
    } catch (CException*) {
        DeleteMonths();  // no destructor runs for an object that was never finished
        throw;
    }
    SetDefaultColors();
}

AFCYearObj::~AFCYearObj() { DeleteMonths(); }

BOOL AFCYearObj::SaveToFile(LPCTSTR lpszPathName) { return AfcSerializeFile(this, lpszPathName, FALSE); }

BOOL AFCYearObj::LoadFromFile(LPCTSTR lpszPathName) { return AfcSerializeFile(this, lpszPathName, TRUE); }

void AFCYearObj::ReleaseArchiveFile(CFile* pFile, BOOL bAbort) { AfcCloseArchiveFile(pFile, bAbort); }

CFile* AFCYearObj::GetArchiveFile(LPCTSTR lpszPathName, UINT nOpenFlags, CFileException* pError)
{
    return AfcOpenArchiveFile(lpszPathName, nOpenFlags, pError);
}

void AFCYearObj::SetYear(int nYear)
{
    DeleteMonths();
    m_nYear = nYear;
    m_nSelYear = nYear;
    LayoutMonths();
}

void AFCYearObj::LayoutMonths()
{
    CRect rcInner = m_rcBounds;
    rcInner.DeflateRect(1, 1);
    int nCellWidth = rcInner.Width() / s_nColumns;
    int nCellHeight = (rcInner.Height() - s_nHeaderHeight) / s_nRows;
    CRect rcCell(rcInner.left, rcInner.top + s_nHeaderHeight, rcInner.left + nCellWidth,
                 rcInner.top + s_nHeaderHeight + nCellHeight);
    int nMonth = 1;
    for (int nRow = 1; nRow <= s_nRows; ++nRow) {
        for (int nCol = 1; nCol <= s_nColumns; ++nCol) {
            AddMonthPanel(nMonth++, rcCell);
            rcCell.OffsetRect(nCellWidth, 0);
        }
        rcCell.left = rcInner.left;
        rcCell.right = rcInner.left + nCellWidth;
        rcCell.OffsetRect(0, nCellHeight);
    }
}

void AFCYearObj::AddMonthPanel(int nMonth, const RECT& rcPanel)
{
    AFCYueObj* pMonth = new AFCYueObj(m_nYear, nMonth, 1);
    try {
        pMonth->m_rcBounds = rcPanel;
        pMonth->m_nSelDay = 1;
        pMonth->m_nSelMonth = nMonth;
        pMonth->LayoutDays();
        AddMonth(pMonth);
    } catch (CException*) {
        delete pMonth;  // not in the list yet, so nobody else would
        throw;
    }
}

POSITION AFCYearObj::AddMonth(AFCYueObj* pMonth) { return m_MonthList.AddTail(pMonth); }

void AFCYearObj::ClearSelection()
{
    POSITION pos = m_MonthList.GetHeadPosition();
    while (pos != nullptr) {
        m_MonthList.GetNext(pos)->ClearSelection();
    }
}

AFCDayObj* AFCYearObj::HitTestDay(const POINT* pPoint)
{
    AFCDayObj* pResult = nullptr;
    POSITION pos = m_MonthList.GetHeadPosition();
    while (pos != nullptr) {
        AFCYueObj* pMonth = m_MonthList.GetNext(pos);
        AFCDayObj* pDay = pMonth->HitTestDay(pPoint);
        if (pDay == nullptr) {
            continue;
        }
        ClearSelection();
        m_nSelDay = pMonth->m_nSelDay;
        m_nSelMonth = pMonth->m_nSelMonth;
        m_nSelYear = pMonth->m_nSelYear;
        pDay->m_bSelected = TRUE;
        pResult = pDay;
    }
    return pResult;
}

void AFCYearObj::SetDefaultColors()
{
    m_crBack = 0xFFFFFF;
    m_crText = 0x000000;
    m_crFrame = 0x474747;
    m_crTitleBack = GetSysColor(COLOR_ACTIVECAPTION);
    m_crTitleText = 0xFFFFFF;
    m_crWeekBack = GetSysColor(COLOR_INFOBK);
}

void AFCYearObj::DeleteMonths()
{
    POSITION pos = m_MonthList.GetHeadPosition();
    while (pos != nullptr) {
        delete m_MonthList.GetNext(pos);
    }
    m_MonthList.RemoveAll();
}

void AFCYearObj::Draw(CDC* pDC)
{
    pDC->FillSolidRect(m_rcBounds, s_crBackground);
    CRect rcHeader(m_rcBounds.left, m_rcBounds.top, m_rcBounds.right, m_rcBounds.top + s_nHeaderHeight);
    CFont fontStock;
    fontStock.Attach(AfcStockGuiFont());
    LOGFONT lf = AfcReadLogFont(fontStock.GetSafeHandle());
    AfcMakeTitleFont(lf);
    CFont fontHeader;
    fontHeader.CreateFontIndirect(&lf);
    CFont* pOldFont = pDC->SelectObject(&fontHeader);
    DrawHeader(pDC, rcHeader);
    // The panels start with the header font and the caller's mode and text colour.
    DrawMonths(pDC);
    if (pOldFont != nullptr) {
        pDC->SelectObject(pOldFont);
    }
    fontHeader.DeleteObject();
    fontStock.Detach();  // the stock font is shared: let go of it, never delete it
}

void AFCYearObj::DrawHeader(CDC* pDC, const CRect& rcHeader)
{
    pDC->FillSolidRect(rcHeader, m_crFrame);
    m_rcPrevButton.SetRect(rcHeader.left + s_nBoxInset, rcHeader.top + s_nBoxInset,
                           rcHeader.left + s_nBoxInset + s_nBoxWidth, rcHeader.bottom - s_nBoxInset);
    m_rcNextButton.SetRect(rcHeader.right - s_nBoxInset - s_nBoxWidth, rcHeader.top + s_nBoxInset,
                           rcHeader.right - s_nBoxInset, rcHeader.bottom - s_nBoxInset);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->Rectangle(m_rcPrevButton);
    pDC->Rectangle(m_rcNextButton);
    pDC->DrawText("-", 1, m_rcPrevButton, s_nTextFormat);
    pDC->DrawText("+", 1, m_rcNextButton, s_nTextFormat);
    CString strYear;
    strYear.Format("%u", static_cast<unsigned>(m_nYear));
    COLORREF crOldText = pDC->SetTextColor(s_crYearText);
    CRect rcYear = rcHeader;
    pDC->DrawText(strYear, rcYear, s_nTextFormat);
    pDC->SetTextColor(crOldText);
    pDC->SetBkMode(nOldMode);
}

void AFCYearObj::DrawMonths(CDC* pDC)
{
    POSITION pos = m_MonthList.GetHeadPosition();
    while (pos != nullptr) {
        m_MonthList.GetNext(pos)->Draw(pDC);
    }
}
