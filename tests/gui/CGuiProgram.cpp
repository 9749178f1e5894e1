#include "tests/gui/CGuiProgram.h"

#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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
    m_windowManager.Stop();
    if (m_strDir.empty())
        return;
    // An opener that still runs, as a browser would, goes with the program.
    pid_t nOpener = 0;
    std::string strCommand;
    if (std::ifstream(m_strDir + "/opener") >> nOpener && nOpener > 0 &&
        std::getline(std::ifstream("/proc/" + std::to_string(nOpener) + "/cmdline"), strCommand) &&
        strCommand.compare(0, 5, "sleep") == 0)
        kill(nOpener, SIGKILL);
    unlink((m_strDir + "/opener").c_str());
    unlink((m_strDir + "/stderr").c_str());
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

bool CGuiProgram::MakeStandInOpener(int nRunSeconds)
{
    if (m_strDir.empty()) {
        char szDir[] = "/tmp/brelvin-gui-link-XXXXXX";
        if (mkdtemp(szDir) == nullptr)
            return false;
        m_strDir = szDir;
        if (mkdir((m_strDir + "/bin").c_str(), 0700) != 0)
            return false;
    }
    std::string strScript = m_strDir + "/bin/xdg-open";
    std::ofstream(strScript) << "#!/bin/sh\necho $$ > '" << m_strDir << "/opener'\nprintf '%s' \"$1\" > '" << m_strDir
                             << "/opened.tmp' && mv '" << m_strDir << "/opened.tmp' '" << m_strDir
                             << "/opened'\nexec sleep " << nRunSeconds << "\n";
    return chmod(strScript.c_str(), 0700) == 0;
}

bool CGuiProgram::SetOpenerRunTime(int nSeconds) { return MakeStandInOpener(nSeconds); }

// The program takes its PATH from ours at the moment it starts.
bool CGuiProgram::StartProgram()
{
    const char* pszPath = getenv("PATH");
    std::string strOldPath = pszPath != nullptr ? pszPath : "/usr/bin:/bin";
    setenv("PATH", (m_strDir + "/bin:" + strOldPath).c_str(), 1);
    std::vector<std::string> env = {"DISPLAY=" + m_xvfb.m_strDisplay};
    for (const char* pszName : {"BRELVIN_SCALE=", "GDK_SCALE="}) {
        auto isNamed = [pszName](const std::string& s) { return s.rfind(pszName, 0) == 0; };
        if (std::none_of(m_env.begin(), m_env.end(), isNamed))
            env.push_back(pszName);
    }
    env.insert(env.end(), m_env.begin(), m_env.end());
    bool bStarted = m_program.Start({BRELVIN_PROGRAM}, env, -1, m_strDir + "/stderr");
    setenv("PATH", strOldPath.c_str(), 1);
    return bStarted;
}

bool CGuiProgram::StartWindowManager()
{
    if (!m_windowManager.Start({"/usr/bin/openbox", "--sm-disable"}, {"DISPLAY=" + m_xvfb.m_strDisplay}))
        return false;
    return WaitUntil([this]() { return m_screen.HasWindowManager() || !m_windowManager.IsRunning(); }, kWaitMs) &&
           m_windowManager.IsRunning();
}

bool CGuiProgram::Start(bool bWindowManager)
{
    if (!MakeStandInOpener(0)) {
        m_strError = "no stand-in xdg-open";
        return false;
    }
    if (!m_xvfb.Start()) {
        m_strError = m_xvfb.m_strError;
        return false;
    }
    if (!m_screen.Open(m_xvfb.m_strDisplay) ||
        (!m_strResources.empty() && !m_screen.SetResources(m_strResources))) {
        m_strError = "no connection to Xvfb";
        return false;
    }
    if (bWindowManager && !StartWindowManager()) {
        m_strError = "openbox did not start";
        return false;
    }
    return Launch();
}

bool CGuiProgram::Launch()
{
    m_nWindow = 0;
    if (!StartProgram()) {
        m_strError = "the program did not start";
        return false;
    }
    WaitUntil([this]() { return (m_nWindow = m_screen.FindWindow("Brelvin")) != 0 || !m_program.IsRunning(); },
              kWaitMs);
    if (m_nWindow == 0) {
        m_strError = "the dialog did not show";
        return false;
    }
    WaitUntilSettled();
    return true;
}

// Under a window manager the dialog settles where the manager puts it.
void CGuiProgram::WaitUntilSettled()
{
    XRECT rc = m_screen.GetWindowRect(m_nWindow);
    WaitUntil(
        [&]() {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            XRECT rcNow = m_screen.GetWindowRect(m_nWindow);
            bool bSettled = rcNow.x == rc.x && rcNow.y == rc.y;
            rc = rcNow;
            return bSettled;
        },
        kWaitMs);
    m_rcWindow = rc;
}

std::string CGuiProgram::ErrorOutput() const
{
    std::ifstream file(m_strDir + "/stderr");
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool CGuiProgram::Xdotool(std::vector<std::string> args)
{
    args.insert(args.begin(), XDOTOOL_PROGRAM);
    CChildProcess xdotool;
    return xdotool.Start(args, {"DISPLAY=" + m_xvfb.m_strDisplay}) && xdotool.Wait(kWaitMs) == 0;
}

// xdotool's own --sync waits for a move, which never comes when the pointer is there already.
bool CGuiProgram::MoveToScreen(int x, int y)
{
    return Xdotool({"mousemove", std::to_string(x), std::to_string(y)}) && WaitUntil([&]() {
               int xNow = 0, yNow = 0;
               m_screen.GetPointer(xNow, yNow);
               return xNow == x && yNow == y;
           });
}

bool CGuiProgram::MoveTo(int x, int y) { return MoveToScreen(m_rcWindow.x + x, m_rcWindow.y + y); }

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
