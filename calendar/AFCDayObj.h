// One day of a month panel: its rectangle, its text, its date and whether it is selected.
#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/core/WinDef.h"

class CDC;

class AFCDayObj : public CObject {
    DECLARE_SERIAL(AFCDayObj)
public:
    AFCDayObj();
    ~AFCDayObj() override;

    // Paints the cell in transparent mode and puts the caller's background mode back.
    void Draw(CDC* pDC);
    // The plain look: an optional fill by m_nColorCode, the text in the current colour.
    void DrawNormal(CDC* pDC);
    // The highlight fill with white text; the caller's text colour is put back.
    void DrawSelected(CDC* pDC);

    BOOL m_bSelected;
    RECT m_rcCell;
    int m_nColorCode;  // fill when not selected; 99 means none
    CString m_strText;
    int m_nReserved1;
    int m_nMonth;  // 1..12
    int m_nDay;
    int m_nYear;
    CString m_strExtra;
    int m_nColumn;
    BOOL m_bOddRow;
    int m_nReserved2;
    COLORREF m_crExtra;
};
