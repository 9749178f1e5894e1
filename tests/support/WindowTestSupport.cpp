#include "tests/support/WindowTestSupport.h"

#include <sys/wait.h>

#include <cstdio>
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

RUN_RESULT RunWithoutDisplay(const std::string& strProgram, const std::string& strEnv, const std::string& strArgs,
                             const std::string& strStreams)
{
    std::string strCommand = "timeout -s KILL 60 env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER " + strEnv +
                             " '" + strProgram + "' " + strArgs + " " + strStreams + " </dev/null";
    RUN_RESULT result = {-1, ""};
    FILE* pPipe = popen(strCommand.c_str(), "r");
    if (pPipe == nullptr)
        return result;
    char szBuffer[512];
    while (std::fgets(szBuffer, sizeof szBuffer, pPipe) != nullptr)
        result.strOutput += szBuffer;
    int nStatus = pclose(pPipe);
    result.nExitCode = WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
    return result;
}
