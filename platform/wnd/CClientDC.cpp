#include "platform/wnd/CClientDC.h"

#include "platform/wnd/CWnd.h"

IMPLEMENT_DYNAMIC(CClientDC, CDC)

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr)
{
    HDC hDC = ::GetDC(m_hWnd);
    if (hDC != nullptr)
        Attach(hDC);
}

CClientDC::~CClientDC()
{
    if (m_hDC != nullptr)
        ::ReleaseDC(m_hWnd, Detach());
}
