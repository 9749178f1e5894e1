// One month of one year inside a rectangle: a title row, a weekday row and six week rows
// of day cells, Sunday first.
#pragma once

#include "calendar/AFCDayObj.h"
#include "platform/core/CFile.h"
#include "platform/core/CObList.h"
#include "platform/core/CObject.h"
#include "platform/core/WinDef.h"

class CDC;

class AFCYueObj : public CObject {
    DECLARE_SERIAL(AFCYueObj)
public:
    // nMonth 1..12, nDay 1-based; -1 takes that part from today's date.
    AFCYueObj(int nYear = -1, int nMonth = -1, int nDay = -1);
    ~AFCYueObj() override;

    virtual BOOL SaveToFile(LPCTSTR lpszPathName);
    virtual BOOL LoadFromFile(LPCTSTR lpszPathName);
    virtual void ReleaseArchiveFile(CFile* pFile, BOOL bAbort);
    CFile* GetArchiveFile(LPCTSTR lpszPathName, UINT nOpenFlags, CFileException* pError);

    // Creates one cell per day inside m_rcBounds. Appends: call it once.
    void LayoutDays();
    // Selects and returns the cell under the point; null (and no change) if there is none.
    AFCDayObj* HitTestDay(const POINT* pPoint);
    void ClearSelection();
    // The panel owns pDay from now on.
    POSITION AddDay(AFCDayObj* pDay);

    int IsLeapYear() const;
    // 0 for a month outside 0..11.
    int GetDaysInMonth() const;
    // 0 = Sunday .. 6 = Saturday.
    int GetFirstWeekday() const;
    // The weekday row's label of a column, Sunday first, and where it is drawn.
    static UINT GetWeekdayLabelId(int nColumn);
    RECT GetWeekdayRect(int nColumn) const;

    // Paints background, title, weekday row and every cell. Leaves the caller's font
    // selected, black text and opaque mode.
    void Draw(CDC* pDC);

    int m_nYear;
    int m_nMonth;  // 0 = January
    int m_nDay;    // 0-based
    CObList m_DayList;
    short m_nCellHeight;
    short m_nCellWidth;
    int m_nRows;
    int m_nCols;
    int m_nMargin;
    BOOL m_bHeaderLine;
    RECT m_rcBounds;
    RECT m_rcTitleLeft;
    RECT m_rcTitleRight;
    RECT m_rcTitle;
    int m_nSelDay;
    int m_nSelMonth;  // 1..12
    int m_nSelYear;
    COLORREF m_crBack;
    COLORREF m_crText;
    COLORREF m_crFrame;
    COLORREF m_crTitleBack;
    COLORREF m_crTitleText;
    COLORREF m_crWeekBack;

private:
    // Sets m_nCellHeight and m_nCellWidth from m_rcBounds; 0 where there are no rows or columns.
    void ComputeCellSize();
    void AddDayCell(const RECT& rcCell, int nDay, int nColumn, BOOL bOddRow);
    void SetTitleRects();
    void DrawTitle(CDC* pDC);
    void DrawWeekdayRow(CDC* pDC);
    void DrawDays(CDC* pDC);
};
