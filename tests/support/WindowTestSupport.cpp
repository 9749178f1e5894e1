#include "tests/support/WindowTestSupport.h"

#include <vector>

#include "platform/wnd/AfxDriver.h"
#include "platform/wnd/AfxWindow.h"

CWinApp& TestApp()
{
    static CWinApp s_app;
    return s_app;
}

void DestroyAllWindows()
{
    std::vector<HWND> windows = AfxGetTopLevelWindows();
    for (HWND hWnd : windows) {
        if (::IsWindow(hWnd))
            ::DestroyWindow(hWnd);
    }
    AfxPumpUntilIdle();
}
