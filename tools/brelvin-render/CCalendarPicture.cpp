#include "tools/brelvin-render/CCalendarPicture.h"

#include "calendarwnd/CMemDC.h"
#include "platform/gdi/AfxGdi.h"
#include "platform/gdi/AfxSurface.h"

namespace {

const int kStartYear = 2000;
const CRect kFirstBounds(0, 0, 400, 400);

// The calendar window's six-colour set, which it copies into its year calendar.
void CopyWindowColors(AFCYearObj& year)
{
    year.m_crBack = 0xFFFFFF;
    year.m_crText = 0x000000;
    year.m_crFrame = CCalendarPicture::kFrameColor;
    year.m_crTitleBack = GetSysColor(COLOR_ACTIVECAPTION);
    year.m_crTitleText = 0xFFFFFF;
    year.m_crWeekBack = GetSysColor(COLOR_INFOBK);
}

}  // namespace

CCalendarPicture::CCalendarPicture(int cx, int cy, int nScale, BOOL bPixels)
    : m_rcClient(0, 0, cx, cy), m_surface{nullptr, 0, 0, 0}, m_pYearObj(nullptr)
{
    if (bPixels) {
        const RECT rcDevice = AfxScaleToDevice(nScale, m_rcClient);
        m_pixels.resize(static_cast<size_t>(rcDevice.right) * static_cast<size_t>(rcDevice.bottom));
        m_surface = AFX_SURFACE{m_pixels.data(), rcDevice.right, rcDevice.bottom, rcDevice.right};
    }
    m_dcClient.Attach(AfxCreateSurfaceDC(m_surface, POINT{0, 0}, m_rcClient, nScale));
    m_pYearObj = new AFCYearObj(kStartYear, kFirstBounds);
    CopyWindowColors(*m_pYearObj);
    // The window is created with the outer size, border included; the dialog then sets
    // the year, which lays the panels out for that size.
    m_pYearObj->m_rcBounds = CRect(0, 0, cx + 2, cy + 2);
    m_pYearObj->SetYear(kStartYear);
    Paint();
}

CCalendarPicture::~CCalendarPicture()
{
    delete m_pYearObj;
    AfxDeleteSurfaceDC(m_dcClient.Detach());
}

void CCalendarPicture::ChangeYear(int nYear)
{
    m_pYearObj->SetYear(nYear);
    Paint();
}

AFCDayObj* CCalendarPicture::ClickDay(int nYear, int nMonth, int nDay)
{
    AFCDayObj* pDay = FindDay(nYear, nMonth, nDay);
    if (pDay == nullptr) {
        return nullptr;
    }
    CRect rcVisible;
    if (!rcVisible.IntersectRect(&pDay->m_rcCell, m_rcClient)) {
        return nullptr;
    }
    const POINT pt = rcVisible.CenterPoint();
    AFCDayObj* pHit = m_pYearObj->HitTestDay(&pt);
    if (pHit != nullptr) {
        Paint();
    }
    return pHit;
}

void CCalendarPicture::Paint() { PaintOn(&m_dcClient); }

void CCalendarPicture::Print(CDC* pPrinter) { PaintOn(pPrinter); }

void CCalendarPicture::PaintOn(CDC* pDC)
{
    CMemDC dc(pDC);
    dc.FillSolidRect(m_rcClient, kFrameColor);
    m_pYearObj->m_rcBounds = m_rcClient;
    m_pYearObj->Draw(&dc);
}

AFCDayObj* CCalendarPicture::FindDay(int nYear, int nMonth, int nDay) const
{
    POSITION pos = m_pYearObj->m_MonthList.GetHeadPosition();
    while (pos != nullptr) {
        const AFCYueObj* pMonth = m_pYearObj->m_MonthList.GetNext(pos);
        if (pMonth->m_nYear != nYear || pMonth->m_nMonth != nMonth - 1) {
            continue;
        }
        POSITION posDay = pMonth->m_DayList.GetHeadPosition();
        while (posDay != nullptr) {
            AFCDayObj* pDay = static_cast<AFCDayObj*>(pMonth->m_DayList.GetNext(posDay));
            if (pDay->m_nDay == nDay) {
                return pDay;
            }
        }
    }
    return nullptr;
}
