#include "platform/wnd/CWindowDC.h"

#include "platform/wnd/CWnd.h"

IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd != nullptr ? pWnd->m_hWnd : nullptr)
{
    HDC hDC = ::GetWindowDC(m_hWnd);
    if (hDC != nullptr)
        Attach(hDC);
}

CWindowDC::~CWindowDC()
{
    if (m_hDC != nullptr)
        ::ReleaseDC(m_hWnd, Detach());
}
