// The child window that shows one year calendar: paints it off-screen, steps the year on
// the "-" and "+" boxes and selects the day under a click.
#pragma once

#include "calendar/AFCDayObj.h"
#include "calendar/AFCYearObj.h"
#include "platform/wnd/CWnd.h"

// Sent to the parent after every year change; wParam and lParam are 0.
#define WM_CALENDAR_YEARCHANGED (WM_USER + 33)

class CYearCalendarWnd : public CWnd {
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

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    void CopyColorsTo(AFCYearObj* pYearObj) const;
    void ChangeYear();
};
