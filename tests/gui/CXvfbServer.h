// An Xvfb server of its own for a test, on a display number that Xvfb picks free; ended
// when the object goes.
#pragma once

#include <string>

#include "tests/gui/CChildProcess.h"

class CXvfbServer {
public:
    // FALSE with the reason in m_strError when the server does not come up.
    bool Start();
    // Lowers the server's scheduling priority (nice value, 0 to 19).
    bool SetNice(int nNice);
    // The screen's size and depth, for Xvfb's -screen; set before Start.
    std::string m_strScreen = "1024x768x24";
    // An authority file of the server's own (-auth); clients then need its cookie.
    std::string m_strAuthFile;
    // ":N"
    std::string m_strDisplay;
    std::string m_strError;

private:
    CChildProcess m_process;
};
