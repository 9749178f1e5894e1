// The application object: runs the main dialog modally and ends with it.
#pragma once

#include "platform/wnd/CWinApp.h"

class CBrelvinApp : public CWinApp {
public:
    CBrelvinApp();
    ~CBrelvinApp() override;

    BOOL InitApplication() override;
    BOOL InitInstance() override;
    CString GetUsage() const override;

protected:
    DECLARE_MESSAGE_MAP()
};

extern CBrelvinApp theApp;
