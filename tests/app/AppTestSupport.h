// Shared pieces of the application tests: the main dialog with a window onto what it
// holds and what its calendar tells it, and the calendar's pixels in the back buffer.
#pragma once

#include <cstdint>
#include <ostream>
#include <functional>
#include <vector>

#include "app/CBrelvinDlg.h"
#include "platform/wnd/AfxDriver.h"
#include "platform/wnd/AfxWin.h"
#include "tests/support/WindowTestSupport.h"

// The main dialog, unchanged, with its protected parts in reach and a log of the
// calendar's year-change notifications.
class CProbeDlg : public CBrelvinDlg {
public:
    CYearCalendarWnd* Calendar() const { return m_pCalendarWnd; }
    HICON Icon() const { return m_hIcon; }
    CHyperLink& Link() { return m_hyperLink; }

    // The year calendar's bounds and panels as OnInitDialog left them.
    CRect m_rcBoundsAfterInit;
    std::vector<CRect> m_panelsAfterInit;
    // For each WM_CALENDAR_YEARCHANGED: the year shown at that moment.
    std::vector<int> m_notifiedYears;
    // WM_ICONERASEBKGND messages that came with a paint surface.
    int m_nIconErases = 0;

protected:
    BOOL OnInitDialog() override;
    afx_msg LRESULT OnYearChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnIconEraseBkgnd(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// Runs the dialog modally; each step runs once everything before it is handled and
// painted. A dialog still running after the last step ends with -2.
INT_PTR RunModal(CDialog& dlg, std::vector<std::function<void()>> steps);

// The panels' rectangles, in list order.
std::vector<CRect> PanelRects(const AFCYearObj& year);
// The cell of a day (month 1..12), or null.
AFCDayObj* FindDay(const AFCYearObj& year, int nMonth, int nDay);
const AFCYueObj* FindMonth(const AFCYearObj& year, int nMonth);

// The calendar window's client area as it stands in the dialog's back buffer, 0x00RRGGBB.
std::vector<uint32_t> ClientPixels(CWnd* pWnd);
// Writes a marker pixel into the back buffer at a client point of pWnd; a later paint
// of that point overwrites it.
void MarkPixel(CWnd* pWnd, CPoint point, uint32_t nPixel);
uint32_t BufferPixel(CWnd* pWnd, CPoint point);

// Rectangles read as (l, t, r, b) in test messages.
void PrintTo(const CRect& rc, std::ostream* pStream);
