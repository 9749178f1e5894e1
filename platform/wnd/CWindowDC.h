// A surface on a whole window, border included.
#pragma once

#include "platform/gdi/CDC.h"
#include "platform/wnd/WinUser.h"

class CWnd;

class CWindowDC : public CDC {
    DECLARE_DYNAMIC(CWindowDC)
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};
