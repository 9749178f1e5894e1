// The child window that shows one year calendar: paints it off-screen, steps the year on
// the "-" and "+" boxes and selects the day under a click.
#pragma once

#include "calendar/AFCDayObj.h"
#include "calendar/AFCYearObj.h"
#include "platform/wnd/CWnd.h"
#include "platform/wnd/IAfxAccessible.h"

// Sent to the parent after every year change; wParam and lParam are 0.
#define WM_CALENDAR_YEARCHANGED (WM_USER + 33)

class CYearCalendarWnd : public CWnd, public IAfxAccessible {
public:
    CYearCalendarWnd();
    ~CYearCalendarWnd() override;

    // rect is in the parent's client coordinates.
    BOOL Create(RECT rect, CWnd* pParentWnd, UINT nID);

    AFCYearObj* m_pYearObj;
    int m_nYear;          // never below 1584
    AFCDayObj* m_pSelDay;  // not owned; null after every year change
    COLORREF m_crBack;
    COLORREF m_crText;
    COLORREF m_crFrame;
    COLORREF m_crTitleBack;
    COLORREF m_crTitleText;
    COLORREF m_crWeekBack;

    // For screen readers: the "-" and "+" boxes, the year between them, and a table for
    // each month of its weekday labels and days. Items 1 to 3, then a month's table,
    // then each month's labels and days.
    int GetChildCount(int nItem) override;
    int GetChild(int nItem, int nIndex) override;
    BOOL GetItem(int nItem, AFX_ACCITEM* pItem) override;
    BOOL DoDefaultAction(int nItem) override;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void CopyColorsTo(AFCYearObj* pYearObj) const;
    void ChangeYear();
    AFCYueObj* GetMonth(int nMonth) const;
    AFCDayObj* GetDay(AFCYueObj* pMonth, int nDay) const;
    int GetDayItem(const AFCDayObj* pDay) const;
    void GetHeaderItem(int nItem, AFX_ACCITEM* pItem) const;
    BOOL GetMonthItem(int nMonth, AFX_ACCITEM* pItem) const;
    BOOL GetMonthPartItem(int nMonth, int nPart, AFX_ACCITEM* pItem) const;
};
