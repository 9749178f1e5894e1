#include "calendar/AFCYueObj.h"

#include "calendar/CalendarFile.h"
#include "calendar/CalendarFonts.h"
#include "calendar/JulianDay.h"
#include "platform/core/CTime.h"
#include "platform/gdi/AfxGdi.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"
#include "res/resource.h"

IMPLEMENT_SERIAL(AFCYueObj, CObject, 0)

namespace {

const int s_nDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

const UINT s_nTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
const COLORREF s_crSunday = 0x0000FF;
const int s_nWeekdays = 7;
// Column order, Sunday first; Wednesday's and Thursday's ids are not in sequence.
const UINT s_nWeekdayIds[s_nWeekdays] = {IDS_SUN, IDS_MON, IDS_TUE, IDS_WED, IDS_THU, IDS_FRI, IDS_SAT};

// Puts the caller's font back, deletes the font used so far, then selects a new one.
void ReplaceFont(CDC* pDC, CFont* pCallerFont, CFont& fontDone, CFont& fontNext, const LOGFONT& lfNext)
{
    pDC->SelectObject(pCallerFont);
    fontDone.DeleteObject();
    fontNext.CreateFontIndirect(&lfNext);
    pDC->SelectObject(&fontNext);
}

struct tm* LocalNow() { return CTime::GetCurrentTime().GetLocalTm(nullptr); }

}  // namespace

AFCYueObj::AFCYueObj(int nYear, int nMonth, int nDay)
    : m_nYear(nYear != -1 ? nYear : LocalNow()->tm_year + 1900),
      m_nMonth(nMonth != -1 ? nMonth - 1 : LocalNow()->tm_mon),
      m_nDay(nDay != -1 ? nDay - 1 : LocalNow()->tm_mday - 1),
      m_DayList(10),
      m_nCellHeight(0),
      m_nCellWidth(0),
      m_nRows(8),
      m_nCols(7),
      m_nMargin(4),
      m_bHeaderLine(TRUE),
      m_rcBounds{0, 0, 0, 0},
      m_rcTitleLeft{0, 0, 0, 0},
      m_rcTitleRight{0, 0, 0, 0},
      m_rcTitle{0, 0, 0, 0},
      m_nSelDay(1),
      m_nSelMonth(1),
      m_nSelYear(m_nYear),
      m_crBack(0xFFFFFF),
      m_crText(0x000000),
      m_crFrame(0x474747),
      m_crTitleBack(GetSysColor(COLOR_ACTIVECAPTION)),
      m_crTitleText(0xFFFFFF),
      m_crWeekBack(GetSysColor(COLOR_INFOBK))
{
}

AFCYueObj::~AFCYueObj()
{
    POSITION pos = m_DayList.GetHeadPosition();
    while (pos != nullptr) {
        delete m_DayList.GetNext(pos);
    }
    m_DayList.RemoveAll();
}

BOOL AFCYueObj::SaveToFile(LPCTSTR lpszPathName) { return AfcSerializeFile(this, lpszPathName, FALSE); }

BOOL AFCYueObj::LoadFromFile(LPCTSTR lpszPathName) { return AfcSerializeFile(this, lpszPathName, TRUE); }

void AFCYueObj::ReleaseArchiveFile(CFile* pFile, BOOL bAbort) { AfcCloseArchiveFile(pFile, bAbort); }

CFile* AFCYueObj::GetArchiveFile(LPCTSTR lpszPathName, UINT nOpenFlags, CFileException* pError)
{
    return AfcOpenArchiveFile(lpszPathName, nOpenFlags, pError);
}

void AFCYueObj::LayoutDays()
{
    int nFirst = GetFirstWeekday();
    int nDays = GetDaysInMonth();
    ComputeCellSize();
    int ch = m_nCellHeight;
    int cw = m_nCellWidth;
    RECT rcRow = {m_rcBounds.left + 4, m_rcBounds.top + 2 * ch + 4, m_rcBounds.left + 4 + cw,
                  m_rcBounds.top + 3 * ch};
    int nDay = 0;
    bool bStarted = false;
    BOOL bOddRow = TRUE;
    for (int nRow = 1; nRow <= m_nRows - 2; ++nRow) {
        RECT rcCell = rcRow;
        for (int nCol = 0; nCol < m_nCols; ++nCol) {
            bStarted = bStarted || nCol == nFirst;
            if (bStarted && nDay < nDays) {
                AddDayCell(rcCell, ++nDay, nCol, bOddRow);
            }
            OffsetRect(&rcCell, cw, 0);
        }
        OffsetRect(&rcRow, 0, ch);
        bOddRow = 1 - bOddRow;
    }
}

void AFCYueObj::ComputeCellSize()
{
    int nHeight = m_rcBounds.bottom - 2 * m_nMargin - m_rcBounds.top;
    int nWidth = m_rcBounds.right - 2 * m_nMargin - m_rcBounds.left;
    m_nCellHeight = static_cast<short>(m_nRows != 0 ? nHeight / m_nRows : 0);
    m_nCellWidth = static_cast<short>(m_nCols != 0 ? nWidth / m_nCols : 0);
}

void AFCYueObj::AddDayCell(const RECT& rcCell, int nDay, int nColumn, BOOL bOddRow)
{
    AFCDayObj* pDay = new AFCDayObj;
    pDay->m_rcCell = rcCell;
    pDay->m_strText.Format("%2d", nDay);
    pDay->m_bSelected = FALSE;
    pDay->m_nColorCode = 99;
    pDay->m_nDay = nDay;
    pDay->m_nMonth = m_nMonth + 1;
    pDay->m_bOddRow = bOddRow;
    pDay->m_nYear = m_nYear;
    pDay->m_nColumn = nColumn;
    try {
        AddDay(pDay);
    } catch (CException*) {
        delete pDay;  // not in the list yet, so nobody else would
        throw;
    }
}

AFCDayObj* AFCYueObj::HitTestDay(const POINT* pPoint)
{
    AFCDayObj* pResult = nullptr;
    POSITION pos = m_DayList.GetHeadPosition();
    while (pos != nullptr) {
        AFCDayObj* pDay = static_cast<AFCDayObj*>(m_DayList.GetNext(pos));
        if (!PtInRect(&pDay->m_rcCell, *pPoint)) {
            continue;
        }
        ClearSelection();
        pDay->m_bSelected = TRUE;
        m_nSelDay = pDay->m_nDay;
        m_nSelMonth = pDay->m_nMonth;
        m_nSelYear = pDay->m_nYear;
        pResult = pDay;
    }
    return pResult;
}

void AFCYueObj::ClearSelection()
{
    POSITION pos = m_DayList.GetHeadPosition();
    while (pos != nullptr) {
        static_cast<AFCDayObj*>(m_DayList.GetNext(pos))->m_bSelected = FALSE;
    }
}

POSITION AFCYueObj::AddDay(AFCDayObj* pDay) { return m_DayList.AddTail(pDay); }

int AFCYueObj::IsLeapYear() const
{
    return (m_nYear % 4 == 0 && m_nYear % 100 != 0) || m_nYear % 400 == 0 ? 1 : 0;
}

int AFCYueObj::GetDaysInMonth() const
{
    if (m_nMonth < 0 || m_nMonth > 11) {
        return 0;
    }
    return s_nDaysInMonth[m_nMonth] + (m_nMonth == 1 && IsLeapYear() ? 1 : 0);
}

int AFCYueObj::GetFirstWeekday() const { return (GetJulianDay(m_nMonth + 1, 1, m_nYear) + 1) % 7; }

void AFCYueObj::Draw(CDC* pDC)
{
    pDC->FillSolidRect(&m_rcBounds, m_crBack);
    ComputeCellSize();
    SetTitleRects();
    const LOGFONT lfStock = AfcReadLogFont(AfcStockGuiFont());
    LOGFONT lfTitle = lfStock;
    AfcMakeTitleFont(lfTitle);
    CFont fontTitle;
    fontTitle.CreateFontIndirect(&lfTitle);
    CFont* pCallerFont = pDC->SelectObject(&fontTitle);
    DrawTitle(pDC);

    CFont fontLabel;
    ReplaceFont(pDC, pCallerFont, fontTitle, fontLabel, lfStock);
    DrawWeekdayRow(pDC);

    CFont fontDay;
    ReplaceFont(pDC, pCallerFont, fontLabel, fontDay, lfStock);
    pDC->SetTextColor(m_crText);
    DrawDays(pDC);

    pDC->SelectObject(pCallerFont);
    pDC->SetTextColor(0x000000);
    fontDay.DeleteObject();
}

void AFCYueObj::SetTitleRects()
{
    const RECT& rc = m_rcBounds;
    const int ch = m_nCellHeight;
    const int cw = m_nCellWidth;
    SetRect(&m_rcTitleLeft, rc.left + 1, rc.top + 1, rc.left + 1 + cw, rc.top + 1 + ch);
    SetRect(&m_rcTitleRight, rc.right - 1 - cw, rc.top + 1, rc.right - 1, rc.top + 1 + ch);
    SetRect(&m_rcTitle, rc.left + 1, rc.top + 1, rc.right - 1, rc.top + 1 + ch);
}

void AFCYueObj::DrawTitle(CDC* pDC)
{
    pDC->FillSolidRect(&m_rcTitle, m_crTitleBack);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(m_crTitleText);
    CString strTitle;
    if (m_nMonth >= 0 && m_nMonth <= 11) {
        strTitle.LoadString(IDS_JANUARY + m_nMonth);
    }
    pDC->DrawText(strTitle, &m_rcTitle, s_nTextFormat);
    pDC->SetBkMode(OPAQUE);
}

// Labels in opaque mode: each fill leaves the row colour as the text background.
UINT AFCYueObj::GetWeekdayLabelId(int nColumn)
{
    return nColumn >= 0 && nColumn < s_nWeekdays ? s_nWeekdayIds[nColumn] : 0;
}

RECT AFCYueObj::GetWeekdayRect(int nColumn) const
{
    const int ch = m_nCellHeight;
    const int cw = m_nCellWidth;
    RECT rcLabel = {m_rcBounds.left + 1, m_rcBounds.top + ch + 1, m_rcBounds.left + 1 + cw,
                    m_rcBounds.top + 2 * ch + 1};
    OffsetRect(&rcLabel, nColumn * cw, 0);
    return rcLabel;
}

void AFCYueObj::DrawWeekdayRow(CDC* pDC)
{
    if (m_bHeaderLine == 1) {
        pDC->MoveTo(m_rcTitleLeft.left, GetWeekdayRect(0).bottom);
        pDC->LineTo(m_rcTitleRight.right, GetWeekdayRect(0).bottom);
    }
    for (int i = 0; i < s_nWeekdays; ++i) {
        RECT rcLabel = GetWeekdayRect(i);
        if (m_bHeaderLine == 0) {
            pDC->MoveTo(rcLabel.left, rcLabel.top);
            pDC->LineTo(rcLabel.right, rcLabel.top);
            pDC->LineTo(rcLabel.right, rcLabel.bottom);
            pDC->MoveTo(rcLabel.left, rcLabel.top);
            pDC->LineTo(rcLabel.left, rcLabel.bottom);
        }
        RECT rcFill = rcLabel;
        if (i == s_nWeekdays - 1) {
            rcFill.right = m_rcBounds.right;  // the last fill reaches the panel's edge
        }
        pDC->FillSolidRect(&rcFill, m_crWeekBack);
        pDC->SetTextColor(i == 0 ? s_crSunday : m_crText);
        CString strLabel;
        strLabel.LoadString(s_nWeekdayIds[i]);
        pDC->DrawText(strLabel, &rcLabel, s_nTextFormat);
    }
}

void AFCYueObj::DrawDays(CDC* pDC)
{
    POSITION pos = m_DayList.GetHeadPosition();
    while (pos != nullptr) {
        static_cast<AFCDayObj*>(m_DayList.GetNext(pos))->Draw(pDC);
    }
}
