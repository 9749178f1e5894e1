// The calendar window's client area, painted off-screen exactly as the window paints it
// on a screen of the given factor (nScale quarters: AFX_SCALE_ONE is the classic
// picture). It starts in the state the program shows at start-up; year changes and day
// clicks then follow the window's own steps, in logical pixels.
#pragma once

#include <cstdint>
#include <vector>

#include "calendar/AFCDayObj.h"
#include "calendar/AFCYearObj.h"
#include "platform/core/AfxScale.h"
#include "platform/core/CRect.h"
#include "platform/gdi/CDC.h"

class CCalendarPicture {
public:
    // The frame colour the calendar window fills its client area with.
    static constexpr COLORREF kFrameColor = 0x474747;

    // Start-up for a client area cx by cy: year 2000 laid out for the window's outer
    // size (one border pixel more on each side), then the first paint. Without bPixels the
    // paints go nowhere, for a picture that is only printed.
    CCalendarPicture(int cx, int cy, int nScale = AFX_SCALE_ONE, BOOL bPixels = TRUE);
    ~CCalendarPicture();
    CCalendarPicture(const CCalendarPicture&) = delete;
    CCalendarPicture& operator=(const CCalendarPicture&) = delete;

    // As a click on "-" or "+" that leads to nYear: panels laid out for the bounds of the
    // last paint, then a paint.
    void ChangeYear(int nYear);
    // As a click inside the date's cell, then a paint. Null, and nothing changed, when the
    // date has no cell in the picture.
    AFCDayObj* ClickDay(int nYear, int nMonth, int nDay);
    // The window's paint: frame fill, bounds = client rectangle, the calendar's Draw,
    // all through an off-screen context on the client surface.
    void Paint();
    // The same paint on a printer surface, where the off-screen context passes it through.
    void Print(CDC* pPrinter);

    // The picture's pixels 0x00RRGGBB, top row first, Width() per row: the client size
    // times the factor.
    const uint32_t* GetPixels() const { return m_pixels.data(); }
    int Width() const { return m_surface.cx; }
    int Height() const { return m_surface.cy; }
    // The client area in the calendar's own pixels.
    int ClientWidth() const { return m_rcClient.Width(); }
    int ClientHeight() const { return m_rcClient.Height(); }
    AFCYearObj& GetYearObj() { return *m_pYearObj; }

private:
    void PaintOn(CDC* pDC);
    AFCDayObj* FindDay(int nYear, int nMonth, int nDay) const;

    CRect m_rcClient;
    std::vector<uint32_t> m_pixels;
    AFX_SURFACE m_surface;
    CDC m_dcClient;  // the window's paint surface
    AFCYearObj* m_pYearObj;
};
