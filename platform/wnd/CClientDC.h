// A surface on a window's client area outside painting, e.g. to measure text.
#pragma once

#include "platform/gdi/CDC.h"
#include "platform/wnd/WinUser.h"

class CWnd;

class CClientDC : public CDC {
    DECLARE_DYNAMIC(CClientDC)
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};
