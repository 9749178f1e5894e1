#include "platform/wnd/CPaintDC.h"

#include "platform/wnd/CWnd.h"

IMPLEMENT_DYNAMIC(CPaintDC, CDC)

CPaintDC::CPaintDC(CWnd* pWnd) : m_ps(), m_hWnd(pWnd->m_hWnd)
{
    HDC hDC = ::BeginPaint(m_hWnd, &m_ps);
    if (hDC != nullptr)
        Attach(hDC);
}

CPaintDC::~CPaintDC()
{
    if (m_hDC != nullptr) {
        Detach();
        ::EndPaint(m_hWnd, &m_ps);
    }
}
