// What every in-process window test needs: an application object when the program under
// test brings none, and a clean slate of windows between tests.
#pragma once

#include <string>

#include "platform/wnd/CWinApp.h"

// A plain application object for tests of the framework and controls.
CWinApp& TestApp();

// Ends every window the test left behind.
void DestroyAllWindows();

struct RUN_RESULT {
    int nExitCode;  // -1 when the program did not end by itself
    std::string strOutput;  // stdout and stderr together
};

// Runs a program with no display in its environment (plus strEnv, "NAME=value ..."),
// killing it if it has not ended within a minute. strArgs and strStreams are shell text:
// the arguments, and which output is read ("2>&1" both, "2>/dev/null" standard output,
// "2>&1 >/dev/null" standard error).
RUN_RESULT RunWithoutDisplay(const std::string& strProgram, const std::string& strEnv,
                             const std::string& strArgs = "", const std::string& strStreams = "2>&1");
