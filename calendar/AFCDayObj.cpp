#include "calendar/AFCDayObj.h"

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
