// A whole year: twelve month panels in four columns and three rows under a 25-pixel header
// with a "-" and a "+" box, and the date the user selected last.
#pragma once

#include "calendar/AFCDayObj.h"
#include "calendar/AFCYueObj.h"
#include "platform/core/CFile.h"
#include "platform/core/CObList.h"
#include "platform/core/CObject.h"
#include "platform/core/CRect.h"
#include "platform/core/CTypedPtrList.h"

class CDC;

class AFCYearObj : public CObject {
    DECLARE_SERIAL(AFCYearObj)
public:
    // This year, no rectangle and no panels yet.
    AFCYearObj();
    AFCYearObj(int nYear, CRect rcBounds);
    ~AFCYearObj() override;

    virtual BOOL SaveToFile(LPCTSTR lpszPathName);
    virtual BOOL LoadFromFile(LPCTSTR lpszPathName);
    virtual void ReleaseArchiveFile(CFile* pFile, BOOL bAbort);
    CFile* GetArchiveFile(LPCTSTR lpszPathName, UINT nOpenFlags, CFileException* pError);

    // Replaces all panels by twelve new ones for nYear; the selected day and month stay.
    void SetYear(int nYear);
    // Appends twelve panels laid out in m_rcBounds; panels already there stay.
    void LayoutMonths();
    // The year calendar owns pMonth from now on.
    POSITION AddMonth(AFCYueObj* pMonth);
    void ClearSelection();
    // Selects the day cell under the point across all panels and returns it; null (and no
    // change) if there is none.
    AFCDayObj* HitTestDay(const POINT* pPoint);

    // Paints background, header, boxes, year and all panels; records the two boxes.
    void Draw(CDC* pDC);

    CTypedPtrList<CObList, AFCYueObj*> m_MonthList;
    int m_nYear;
    CRect m_rcBounds;
    CRect m_rcPrevButton;
    CRect m_rcNextButton;
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
    void SetDefaultColors();
    void DeleteMonths();
    void AddMonthPanel(int nMonth, const RECT& rcPanel);
    void DrawHeader(CDC* pDC, const CRect& rcHeader);
    void DrawMonths(CDC* pDC);
};
