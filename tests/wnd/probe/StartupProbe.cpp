// A program on the framework's own main(): prints the application name it was given and
// the compose table setting that programs it starts would get, and ends, or fails the way
// a user would see it.
#include <cstdio>
#include <cstdlib>

#include "platform/wnd/CWinApp.h"

class CProbeApp : public CWinApp {
public:
    BOOL InitInstance() override
    {
        std::printf("%s\n", m_pszAppName);
        const char* pszCompose = std::getenv("XCOMPOSEFILE");
        std::printf("XCOMPOSEFILE %s\n", pszCompose != nullptr ? pszCompose : "unset");
        return FALSE;
    }
};

CProbeApp theApp;
