// A program on the framework's own main(): prints the application name it was given and
// ends, or fails the way a user would see it.
#include <cstdio>

#include "platform/wnd/CWinApp.h"

class CProbeApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        std::printf("%s\n", m_pszAppName);
        return FALSE;
    }
};

CProbeApp theApp;
