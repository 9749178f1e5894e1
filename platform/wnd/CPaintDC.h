// The paint surface of a window for one WM_PAINT: clipped to the area that needs painting.
#pragma once

#include "platform/gdi/CDC.h"
#include "platform/wnd/WinUser.h"

class CWnd;

class CPaintDC : public CDC {
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};
