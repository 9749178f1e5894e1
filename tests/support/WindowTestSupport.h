// What every in-process window test needs: an application object when the program under
// test brings none, and a clean slate of windows between tests.
#pragma once

#include "platform/wnd/CWinApp.h"

// A plain application object for tests of the framework and controls.
CWinApp& TestApp();

// Ends every window the test left behind.
void DestroyAllWindows();
