#include "calendarwnd/CMemDC.h"

CMemDC::CMemDC(CDC* pDC) : m_pOldBitmap(nullptr), m_pDC(pDC), m_bMemDC(!pDC->IsPrinting())
{
    if (m_bMemDC) {
        CreateCompatibleDC(pDC);
        pDC->GetClipBox(&m_rect);
        // Compatible with the target: the memory surface's own bitmap is only a placeholder.
        m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height());
        m_pOldBitmap = SelectObject(&m_bitmap);
        SetWindowOrg(m_rect.left, m_rect.top);
    } else {
        // Borrowed, never freed here.
        m_bPrinting = pDC->m_bPrinting;
        m_hDC = pDC->m_hDC;
        m_hAttribDC = pDC->m_hAttribDC;
    }
}

CMemDC::~CMemDC()
{
    if (m_bMemDC) {
        m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top,
                      SRCCOPY);
        if (m_pOldBitmap != nullptr) {
            SelectObject(m_pOldBitmap);
        }
    } else {
        m_hDC = nullptr;
        m_hAttribDC = nullptr;
    }
    m_bitmap.DeleteObject();
    // The CDC part deletes the memory surface last.
}
