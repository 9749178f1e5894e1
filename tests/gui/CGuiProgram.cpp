#include "tests/gui/CGuiProgram.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

namespace {

const int kWaitMs = 30000;

}  // namespace

CGuiProgram::~CGuiProgram()
{
    m_program.Stop();
    if (m_strDir.empty())
        return;
    unlink((m_strDir + "/bin/xdg-open").c_str());
    unlink((m_strDir + "/opened").c_str());
    unlink((m_strDir + "/opened.tmp").c_str());
    rmdir((m_strDir + "/bin").c_str());
    rmdir(m_strDir.c_str());
}

bool CGuiProgram::WaitUntil(const std::function<bool()>& fnDone, int nTimeoutMs)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(nTimeoutMs);
    while (!fnDone()) {
        if (std::chrono::steady_clock::now() >= end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

bool CGuiProgram::MakeStandInOpener()
{
    char szDir[] = "/tmp/brelvin-gui-link-XXXXXX";
    if (mkdtemp(szDir) == nullptr)
        return false;
    m_strDir = szDir;
    if (mkdir((m_strDir + "/bin").c_str(), 0700) != 0)
        return false;
    std::string strScript = m_strDir + "/bin/xdg-open";
    std::ofstream(strScript) << "#!/bin/sh\nprintf '%s' \"$1\" > '" << m_strDir << "/opened.tmp' && mv '" << m_strDir
                             << "/opened.tmp' '" << m_strDir << "/opened'\n";
    return chmod(strScript.c_str(), 0700) == 0;
}

// The program takes its PATH from ours at the moment it starts.
bool CGuiProgram::StartProgram()
{
    const char* pszPath = getenv("PATH");
    std::string strOldPath = pszPath != nullptr ? pszPath : "/usr/bin:/bin";
    setenv("PATH", (m_strDir + "/bin:" + strOldPath).c_str(), 1);
    bool bStarted = m_program.Start({BRELVIN_PROGRAM}, {"DISPLAY=" + m_xvfb.m_strDisplay});
    setenv("PATH", strOldPath.c_str(), 1);
    return bStarted;
}

bool CGuiProgram::Start()
{
    if (!MakeStandInOpener()) {
        m_strError = "no stand-in xdg-open";
        return false;
    }
    if (!m_xvfb.Start()) {
        m_strError = m_xvfb.m_strError;
        return false;
    }
    if (!m_screen.Open(m_xvfb.m_strDisplay) || !StartProgram()) {
        m_strError = "the program did not start";
        return false;
    }
    WaitUntil([this]() { return (m_nWindow = m_screen.FindWindow("Brelvin")) != 0 || !m_program.IsRunning(); },
              kWaitMs);
    if (m_nWindow == 0) {
        m_strError = "the dialog did not show";
        return false;
    }
    m_rcWindow = m_screen.GetWindowRect(m_nWindow);
    return true;
}

bool CGuiProgram::Xdotool(std::vector<std::string> args)
{
    args.insert(args.begin(), XDOTOOL_PROGRAM);
    CChildProcess xdotool;
    return xdotool.Start(args, {"DISPLAY=" + m_xvfb.m_strDisplay}) && xdotool.Wait(kWaitMs) == 0;
}

bool CGuiProgram::MoveTo(int x, int y)
{
    return Xdotool({"mousemove", "--sync", std::to_string(m_rcWindow.x + x), std::to_string(m_rcWindow.y + y)});
}

bool CGuiProgram::Click(int x, int y, int nButton)
{
    return MoveTo(x, y) && Xdotool({"click", std::to_string(nButton)});
}

std::vector<uint32_t> CGuiProgram::Grab(int x, int y, int cx, int cy)
{
    XRECT rc = {m_rcWindow.x + x, m_rcWindow.y + y, cx, cy};
    return m_screen.Grab(rc);
}

std::string CGuiProgram::OpenedAddress() const
{
    std::ifstream file(m_strDir + "/opened");
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
