// The real brelvin program on an Xvfb server of its own (with openbox as its window
// manager, on request), with a stand-in xdg-open first on its PATH that writes down the
// address it is asked to open; driven with xdotool. Everything it starts and makes is
// ended and removed when the object goes.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tests/gui/CChildProcess.h"
#include "tests/gui/CXScreen.h"
#include "tests/gui/CXvfbServer.h"

class CGuiProgram {
public:
    CGuiProgram() = default;
    ~CGuiProgram();
    CGuiProgram(const CGuiProgram&) = delete;
    CGuiProgram& operator=(const CGuiProgram&) = delete;

    // Starts the server (and the window manager) and the program and waits for the main
    // dialog; FALSE with the reason in m_strError.
    bool Start(bool bWindowManager = false);
    // Starts the program again on the running server, once the last one has ended.
    bool Launch();
    // Waits until the main dialog stops moving and takes its place as m_rcWindow.
    void WaitUntilSettled();
    // What the program wrote to its standard error.
    std::string ErrorOutput() const;
    // The stand-in xdg-open stays running this long after it wrote down the address, as
    // a browser that runs in the foreground would.
    bool SetOpenerRunTime(int nSeconds);
    bool Xdotool(std::vector<std::string> args);
    // Moves the pointer to a point of the screen, or of the main dialog's client area, and
    // clicks there.
    bool MoveToScreen(int x, int y);
    bool MoveTo(int x, int y);
    bool Click(int x, int y, int nButton = 1);
    // What the screen shows of the main dialog's client area in the rectangle, 0x00RRGGBB.
    std::vector<uint32_t> Grab(int x, int y, int cx, int cy);
    // The address the stand-in xdg-open was given; empty while it has not run.
    std::string OpenedAddress() const;

    static bool WaitUntil(const std::function<bool()>& fnDone, int nTimeoutMs = 30000);

    // What the program gets besides DISPLAY, "NAME=value" each: the variables for the
    // screen's factor are unset unless named here. And the X resources of the server
    // (CXScreen::SetResources), none when empty. Both set before Start.
    std::vector<std::string> m_env;
    std::string m_strResources;

    CXvfbServer m_xvfb;
    CXScreen m_screen;
    CChildProcess m_program;
    unsigned long m_nWindow = 0;
    XRECT m_rcWindow = {0, 0, 0, 0};
    std::string m_strError;

    CChildProcess m_windowManager;

private:
    bool MakeStandInOpener(int nRunSeconds);
    bool StartProgram();
    bool StartWindowManager();

    std::string m_strDir;
};
