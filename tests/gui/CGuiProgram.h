// The real brelvin program on an Xvfb server of its own, with a stand-in xdg-open first
// on its PATH that writes down the address it is asked to open; driven with xdotool.
// Everything it starts and makes is ended and removed when the object goes.
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

    // Starts the server and the program and waits for the main dialog; FALSE with the
    // reason in m_strError.
    bool Start();
    bool Xdotool(std::vector<std::string> args);
    // Moves the pointer to a point of the main dialog's client area, and clicks there.
    bool MoveTo(int x, int y);
    bool Click(int x, int y, int nButton = 1);
    // What the screen shows of the main dialog's client area in the rectangle, 0x00RRGGBB.
    std::vector<uint32_t> Grab(int x, int y, int cx, int cy);
    // The address the stand-in xdg-open was given; empty while it has not run.
    std::string OpenedAddress() const;

    static bool WaitUntil(const std::function<bool()>& fnDone, int nTimeoutMs = 30000);

    CXvfbServer m_xvfb;
    CXScreen m_screen;
    CChildProcess m_program;
    unsigned long m_nWindow = 0;
    XRECT m_rcWindow = {0, 0, 0, 0};
    std::string m_strError;

private:
    bool MakeStandInOpener();
    bool StartProgram();

    std::string m_strDir;
};
