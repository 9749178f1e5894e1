#include "calendar/AFCYueObj.h"

#include "calendar/CalendarFile.h"
#include "calendar/JulianDay.h"
#include "platform/core/CTime.h"
#include "platform/gdi/AfxGdi.h"

IMPLEMENT_SERIAL(AFCYueObj, CObject, 0)

namespace {

const int s_nDaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

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
