#include "calendar/AFCDayObj.h"

#include "platform/gdi/CDC.h"

IMPLEMENT_SERIAL(AFCDayObj, CObject, 0)

AFCDayObj::AFCDayObj()
    : m_bSelected(FALSE),
      m_rcCell{0, 0, 0, 0},
      m_nColorCode(99),
      m_nReserved1(1),
      m_nMonth(1),
      m_nDay(1),
      m_nYear(1),
      m_nColumn(0),
      m_bOddRow(TRUE),
      m_nReserved2(0),
      m_crExtra(0xFFFFFF)
{
}

AFCDayObj::~AFCDayObj() = default;

namespace {

const UINT s_nTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

// Fill colour of a fill code; FALSE for codes that mean no fill (99, 102 and the rest).
BOOL FillColorOf(int nColorCode, COLORREF& crFill)
{
    switch (nColorCode) {
    case 100:
        crFill = 0x0000FF;
        return TRUE;
    case 101:
        crFill = 0x00FF00;
        return TRUE;
    case 103:
        crFill = 0xFF0000;
        return TRUE;
    case 104:
        crFill = 0x808000;
        return TRUE;
    case 105:
        crFill = 0x000080;
        return TRUE;
    case 106:
        crFill = 0x008000;
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

void AFCDayObj::Draw(CDC* pDC)
{
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    if (m_bSelected) {
        DrawSelected(pDC);
    } else {
        DrawNormal(pDC);
    }
    pDC->SetBkMode(nOldMode);
}

void AFCDayObj::DrawNormal(CDC* pDC)
{
    COLORREF crFill = 0;
    if (FillColorOf(m_nColorCode, crFill)) {
        pDC->FillSolidRect(&m_rcCell, crFill);
    }
    pDC->DrawText(m_strText, &m_rcCell, s_nTextFormat);
}

void AFCDayObj::DrawSelected(CDC* pDC)
{
    pDC->FillSolidRect(&m_rcCell, GetSysColor(COLOR_HIGHLIGHT));
    COLORREF crOldText = pDC->SetTextColor(0xFFFFFF);
    pDC->DrawText(m_strText, &m_rcCell, s_nTextFormat);
    pDC->SetTextColor(crOldText);
}
